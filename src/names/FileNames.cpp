#include "names/FileNames.h"

#include <algorithm>
#include <vector>

#include "platform/Text.h"
#include "platform/Utf8.h"

namespace torva {
namespace {

// The name's characters as slices of its UTF-8 text: one slice per character
// of its Windows-1252 form. A byte that starts no UTF-8 sequence is one
// character, as it would be in that code page.
std::vector<std::string_view> characters(std::string_view utf8) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t start = i;
        nextCodePoint(utf8, i);
        out.push_back(utf8.substr(start, i - start));
    }
    return out;
}

std::string join(const std::vector<std::string_view>& chars, std::size_t from, std::size_t count) {
    std::string out;
    for (std::size_t k = from; k < from + count && k < chars.size(); ++k) {
        out += chars[k];
    }
    return out;
}

// Up to count characters ending at the 1-based position end, as Mid$ would.
std::string endingAt(const std::vector<std::string_view>& chars, int end, int count) {
    int start = end - count;  // 0-based index of the first character
    if (end <= 0) {
        return {};
    }
    if (start < 0) {
        count += start;
        start = 0;
    }
    return join(chars, static_cast<std::size_t>(start), static_cast<std::size_t>(count));
}

// Lower case as Windows gives it to a letter of its Windows-1252 code page.
char32_t lowerLetter(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    switch (c) {
        case 0x160:  // Š
            return 0x161;
        case 0x152:  // Œ
            return 0x153;
        case 0x17D:  // Ž
            return 0x17E;
        case 0x178:  // Ÿ
            return 0xFF;
        default:
            return c;
    }
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
    if (letterOffset == 1) {
        const auto chars = characters(name);
        if (chars.size() >= 9 && chars[8] == ".") {
            return 0;
        }
    }
    return letterOffset;
}

NameParts parseName(std::string_view name) {
    const auto chars = characters(name);
    const std::string_view first = chars.empty() ? std::string_view() : chars[0];
    NameParts parts;
    std::int16_t offset = 0;
    parts.length = numLetras(first, offset);
    parts.letterOffset = correctedOffset(name, offset);
    parts.folioShift = (first == "s" || first == "S" || first == "f" || first == "F") ? 3 : 0;
    parts.patente = endingAt(chars, parts.length + parts.letterOffset - 7, 4);
    parts.folio = endingAt(chars, parts.length + parts.letterOffset + parts.folioShift - 4, 3);
    parts.dayEnding = join(chars, chars.size() < 3 ? 0 : chars.size() - 3, 3);
    return parts;
}

bool cumpleLongitud(std::string_view name, const NameParts& parts) {
    return static_cast<int>(characters(name).size()) == parts.length;
}

bool cumplePatente(const NameParts& parts, std::string_view patente) {
    return parts.patente == patente;
}

bool cumpleLetra(std::string_view name, std::string_view sendLetters) {
    if (name.empty()) {
        return false;
    }
    std::size_t i = 0;
    const char32_t letter = lowerLetter(nextCodePoint(name, i));
    if (letter == U',') {
        return false;
    }
    for (std::size_t k = 0; k < sendLetters.size();) {
        if (nextCodePoint(sendLetters, k) == letter) {
            return true;
        }
    }
    return false;
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

namespace torva {
namespace {

// The next character as NTFS compares it: ASCII and Latin-1 letters in
// upper case.
char32_t nextUpper(std::string_view text, std::size_t& i) {
    const char32_t c = nextCodePoint(text, i);
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return c - 0x20;
    }
    return c == 0xFF ? 0x178 : c;
}

}  // namespace

bool tieneControl(std::string_view name) {
    return std::any_of(name.begin(), name.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c < 0x20 || c == 0x7F;
    });
}

bool ordenNtfs(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t x = nextUpper(a, i);
        const char32_t y = nextUpper(b, j);
        if (x != y) {
            return x < y;
        }
    }
    if ((i < a.size()) != (j < b.size())) {
        return j < b.size();
    }
    return a < b;
}

}  // namespace torva
