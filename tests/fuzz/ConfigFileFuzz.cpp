// The configuration file "odbc" n ".reg" with its two encoded password slots.
// Property: the record loaded, saved and loaded again is the same record (the
// flags the same states, each value less the control characters a save
// drops), so a save never shifts, changes or loses what was read.
#include <cstdint>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "profiles/ConfigFile.h"
#include "profiles/OneLine.h"

namespace torva {
namespace {

struct Profile {
    ConfigRecord config;
    Captions captions;
    Lists lists;
    EditState edit;
    Gauges gauges;
    fuzz::SilentDialogs dialogs;
    ProfileContext context() { return {config, captions, lists, edit, gauges, dialogs}; }
};

const HostIdentity kHost{"pc-aduana", "192.0.2.7"};

}  // namespace
}  // namespace torva

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torva;
    const std::string path = fuzz::scratchFile("odbc0.reg");
    fuzz::writeFile(path, fuzz::asBytes(data, size));

    Profile first;
    CargaConfiguracion(first.context(), path, kHost);
    fuzz::require(GrabaConfiguracion(first.context(), path), "the record is saved");

    Profile again;
    CargaConfiguracion(again.context(), path, kHost);
    for (int i = 0; i < slot::kCount; ++i) {
        // A flag slot a short file leaves at its initial text reads back as
        // "0": the state of its check box is what must survive.
        const bool same = ConfigRecord::isFlagSlot(i)
                              ? again.config.flag(i) == first.config.flag(i)
                              : again.config.get(i) == oneLine(first.config.get(i));
        fuzz::require(same, "slot " + std::to_string(i) + " reads back as it was saved");
    }
    return 0;
}
