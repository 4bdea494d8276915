// Names in the server's listings. Input: the listed folder, then after a LF
// the listing.
// Properties: no accepted name leaves the target folder or is a name Windows
// keeps for a device or changes on writing; a listing gives each name once.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "transport/RemoteNames.h"

namespace {

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// CON, PRN, AUX, NUL, COM0-9, LPT0-9 (and with the superscripts 1-3),
// CONIN$ and CONOUT$, alone or before an extension, blanks before it ignored.
bool isWindowsDeviceName(std::string_view name) {
    std::string base(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ') {
        base.pop_back();
    }
    std::transform(base.begin(), base.end(), base.begin(), upper);
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (base == device) {
            return true;
        }
    }
    if (base.size() < 4 || (base.compare(0, 3, "COM") != 0 && base.compare(0, 3, "LPT") != 0)) {
        return false;
    }
    const std::string port = base.substr(3);
    return (port.size() == 1 && port[0] >= '0' && port[0] <= '9') || port == "\xC2\xB9" ||
           port == "\xC2\xB2" || port == "\xC2\xB3";
}

void requireSafe(const std::string& name) {
    using torva::fuzz::require;
    require(!name.empty() && name != "." && name != "..", "a name is not empty, . or ..");
    require(name.find_first_of("/\\:") == std::string::npos,
            "a name has no path separator or drive colon: " + name);
    require(std::none_of(name.begin(), name.end(),
                         [](char c) { return static_cast<unsigned char>(c) < 0x20; }),
            "a name has no control character");
    require(name.back() != '.' && name.back() != ' ',
            "a name does not end in a dot or blank that Windows drops: " + name);
    require(!isWindowsDeviceName(name), "a name is not a Windows device name: " + name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torva;
    const std::string_view input = fuzz::asBytes(data, size);
    const std::size_t lf = input.find('\n');
    if (lf == std::string_view::npos) {
        return 0;
    }
    const std::string_view folder = input.substr(0, lf);
    const std::string_view listing = input.substr(lf + 1);

    const std::vector<std::string> names = parseNameList(listing, folder);
    for (std::size_t i = 0; i < names.size(); ++i) {
        requireSafe(names[i]);
        fuzz::require(std::find(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(i),
                                names[i]) == names.begin() + static_cast<std::ptrdiff_t>(i),
                      "a listing gives each name once");
    }
    // Each line on its own, CR LF or not.
    std::size_t start = 0;
    while (start <= listing.size()) {
        const std::size_t end = std::min(listing.find('\n', start), listing.size());
        if (const auto name = plainListingName(listing.substr(start, end - start), folder)) {
            requireSafe(*name);
            fuzz::require(matchesMask(*name, "*") && matchesMask(*name, *name),
                          "a name matches every-name masks and itself");
        }
        start = end + 1;
    }
    return 0;
}
