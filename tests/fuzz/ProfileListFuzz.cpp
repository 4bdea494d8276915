// The profile list "usuarios.dat" as the start-up window loads it.
// Properties: the window offers only a profile it can enter, and the list
// written back reads as the same keys, less the control characters that a
// write drops so that each key stays one line.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "profiles/OneLine.h"
#include "profiles/StartupWindow.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torva;
    const ProfileStore store(fuzz::scratchDir());
    fuzz::writeFile(store.listPath(), fuzz::asBytes(data, size));

    fuzz::SilentDialogs dialogs;
    StartupWindow window(store, dialogs);
    window.load();
    const std::vector<std::string> keys = window.keys();
    fuzz::require(dialogs.shown == 0, "a readable list loads without a message");
    fuzz::require(window.selected().has_value() == !keys.empty(), "the last profile is selected");
    if (const auto entered = window.CmdEntrar()) {
        fuzz::require(*entered < keys.size() && *entered < kMaxProfiles,
                      "the profile entered is in the list and fits the profile byte");
    }

    fuzz::require(!store.writeKeys(keys), "the list is written back");
    std::vector<std::string> again;
    fuzz::require(!store.readKeys(again), "the list written is read");
    fuzz::require(again.size() == keys.size(), "the list keeps its number of keys");
    for (std::size_t k = 0; k < keys.size(); ++k) {
        fuzz::require(again[k] == oneLine(keys[k]), "a key reads back as it was written");
    }
    return 0;
}
