#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/OperatorDialogs.h"

// What the fuzz targets share: the input as bytes, a scratch folder for the
// readers that take a path, dialogs nobody answers, and the property check.
namespace torva::fuzz {

inline std::string_view asBytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process under the system's temporary folder, removed at
// exit, and a file in it.
const std::string& scratchDir();
std::string scratchFile(const std::string& name);

// Replaces the file with the bytes, also when it was left read-only.
void writeFile(const std::string& path, std::string_view bytes);

// Stops the process with the property's text when it does not hold, so that
// libFuzzer keeps the input and a replay fails.
void require(bool holds, std::string_view property);

// Answers No (or OK) to every box and records nothing.
class SilentDialogs final : public OperatorDialogs {
  public:
    DialogAnswer message(const std::string&, const std::string&, DialogIcon,
                         DialogButtons buttons) override {
        ++shown;
        return buttons == DialogButtons::YesNo ? DialogAnswer::No : DialogAnswer::Ok;
    }
    void beep() override {}
    void setBusy(bool) override {}
    void showComponentError(int) override {}

    int shown = 0;
};

}  // namespace torva::fuzz
