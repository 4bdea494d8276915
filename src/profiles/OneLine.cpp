#include "profiles/OneLine.h"

namespace torva {

std::string oneLine(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20 || c == 0x7F) {
            continue;
        }
        const auto next = [&](std::size_t k) {
            return i + k < utf8.size() ? static_cast<unsigned char>(utf8[i + k]) : 0;
        };
        if (c == 0xC2 && next(1) >= 0x80 && next(1) <= 0x9F) {  // U+0080..U+009F
            ++i;
            continue;
        }
        if (c == 0xE2 && next(1) == 0x80 && (next(2) == 0xA8 || next(2) == 0xA9)) {  // U+2028/9
            i += 2;
            continue;
        }
        out += static_cast<char>(c);
    }
    return out;
}

}  // namespace torva
