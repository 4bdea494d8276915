#include "names/FileNames.h"

#include "platform/Text.h"

namespace torva {
namespace {

// Up to count characters ending at the 1-based position end, as Mid$ would.
std::string endingAt(std::string_view name, int end, int count) {
    int start = end - count;  // 0-based index of the first character
    if (end <= 0) {
        return {};
    }
    if (start < 0) {
        count += start;
        start = 0;
    }
    if (start >= static_cast<int>(name.size())) {
        return {};
    }
    return std::string(
        name.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count)));
}

}  // namespace

int numLetras(std::string_view letter, std::int16_t& letterOffset) {
    if (letter == "E" || letter == "e") {
        letterOffset = 1;
        return 12;
    }
    if (letter.size() == 1 &&
        std::string_view("SsXxFfAa").find(letter[0]) != std::string_view::npos) {
        letterOffset = -3;
        return 15;
    }
    letterOffset = 0;
    return 12;
}

std::int16_t correctedOffset(std::string_view name, std::int16_t letterOffset) {
    if (letterOffset == 1 && name.size() >= 9 && name[8] == '.') {
        return 0;
    }
    return letterOffset;
}

NameParts parseName(std::string_view name) {
    NameParts parts;
    std::int16_t offset = 0;
    parts.length = numLetras(name.substr(0, name.empty() ? 0 : 1), offset);
    parts.letterOffset = correctedOffset(name, offset);
    const char first = name.empty() ? '\0' : name[0];
    parts.folioShift = (first == 's' || first == 'S' || first == 'f' || first == 'F') ? 3 : 0;
    parts.patente = endingAt(name, parts.length + parts.letterOffset - 7, 4);
    parts.folio = endingAt(name, parts.length + parts.letterOffset + parts.folioShift - 4, 3);
    parts.dayEnding = rightChars(name, 3);
    return parts;
}

bool cumpleLongitud(std::string_view name, const NameParts& parts) {
    return static_cast<int>(name.size()) == parts.length;
}

bool cumplePatente(const NameParts& parts, std::string_view patente) {
    return parts.patente == patente;
}

bool cumpleLetra(std::string_view name, std::string_view sendLetters) {
    if (name.empty() || name[0] == ',') {
        return false;
    }
    const char letter = asciiLower(name.substr(0, 1))[0];
    return sendLetters.find(letter) != std::string_view::npos;
}

bool cumpleDia(const NameParts& parts, int julianDay) {
    return isNumeric(parts.dayEnding) && leadingNumber(parts.dayEnding) == julianDay;
}

bool cumpleFolio(const NameParts& parts, std::string_view lower, std::string_view upper) {
    return parts.folio >= lower && parts.folio <= upper;
}

bool esArchivoError(std::string_view name) {
    return rightChars(name, 3) == "err";
}

}  // namespace torva
