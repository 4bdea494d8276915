#include "cycle/NombreRespuesta.h"

#include <algorithm>

#include "names/FileNames.h"
#include "platform/Text.h"

namespace torva {
namespace {

std::string_view left(std::string_view s, int n) {
    return s.substr(0, static_cast<std::size_t>(std::max(n, 0)));
}

std::string_view right(std::string_view s, int n) {
    const auto count = static_cast<std::size_t>(std::max(n, 0));
    return count >= s.size() ? s : s.substr(s.size() - count);
}

// Characters 2 to L.
std::string_view afterFirst(std::string_view s, int length) {
    return s.substr(1).substr(0, static_cast<std::size_t>(std::max(length - 1, 0)));
}

}  // namespace

std::optional<std::string> nombreRespuesta(std::string_view marker, std::string_view sendLetters,
                                           std::string_view receiveLetters) {
    if (marker.empty()) {
        return std::nullopt;
    }
    std::int16_t offset = 0;
    const int length = numLetras(marker.substr(0, 1), offset);
    offset = correctedOffset(marker, offset);
    const char first = marker[0];
    const bool eWithDot = (first == 'e' || first == 'E') && marker.size() >= 9 && marker[8] == '.';

    for (std::size_t i = 0; i < sendLetters.size(); ++i) {
        const char s = sendLetters[i];
        if (s == ',' || (first != s && first != asciiUpper(std::string(1, s))[0])) {
            continue;
        }
        if (eWithDot) {
            return "a" + std::string(afterFirst(marker, length));
        }
        if (i >= receiveLetters.size() || receiveLetters[i] == ',') {
            return std::nullopt;
        }
        const char r = receiveLetters[i];
        if (r == s) {
            return r + std::string(right(left(marker, length + offset - 4), length - 5)) + ".err";
        }
        return r + std::string(afterFirst(marker, length));
    }
    return std::nullopt;
}

}  // namespace torva
