#include "profiles/SecretCodec.h"

#include <cmath>

#include "platform/Ansi.h"
#include "platform/Text.h"

namespace torva {

std::string encodeSecret(std::string_view utf8) {
    const std::string ansi = utf8ToAnsi(utf8);
    std::string line;
    for (auto it = ansi.rbegin(); it != ansi.rend(); ++it) {
        line += '|';
        line += std::to_string(static_cast<unsigned char>(*it) * 20 + 6);
    }
    return line;
}

std::string decodeSecret(std::string_view line) {
    std::string ansi;
    std::string digits;
    for (auto it = line.rbegin(); it != line.rend(); ++it) {
        if (*it != '|') {
            digits.insert(digits.begin(), *it);
            continue;
        }
        const auto value = parseInteger(digits);
        digits.clear();
        if (!value) {
            continue;
        }
        const long long code = std::llround((static_cast<double>(*value) - 6.0) / 20.0);
        if (code >= 1 && code <= 255) {
            ansi += static_cast<char>(code);
        }
    }
    return ansiToUtf8(ansi);
}

}  // namespace torva
