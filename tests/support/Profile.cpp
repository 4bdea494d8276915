#include "support/Profile.h"

#include "profiles/ConfigFile.h"
#include "support/ScriptedDialogs.h"

namespace torva::test {

bool saveProfile(const std::string& directory, int index, const std::vector<SlotValue>& slots) {
    ConfigRecord config;
    for (const auto& [i, text] : slots) {
        config.set(i, text);
    }
    Captions captions;
    Lists lists;
    EditState edit;
    Gauges gauges;
    ScriptedDialogs quiet;
    return GrabaConfiguracion({config, captions, lists, edit, gauges, quiet},
                              configFilePath(directory, index));
}

}  // namespace torva::test
