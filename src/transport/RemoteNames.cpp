#include "transport/RemoteNames.h"

#include <algorithm>

#include "platform/Text.h"
#include "platform/Utf8.h"

namespace torva {
namespace {

std::string_view trimSlashes(std::string_view s) {
    while (!s.empty() && s.front() == '/') {
        s.remove_prefix(1);
    }
    while (!s.empty() && s.back() == '/') {
        s.remove_suffix(1);
    }
    return s;
}

bool isForbidden(unsigned char c) {
    static constexpr std::string_view kReserved = "/\\:*?\"<>|";
    return c < 0x20 || c == 0x7f || kReserved.find(static_cast<char>(c)) != std::string_view::npos;
}

// Device names Windows reserves, with or without an extension ("nul.txt").
bool isReservedDeviceName(std::string_view name) {
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') {
        base.remove_suffix(1);
    }
    const std::string upper = asciiUpper(base);
    for (const char* reserved : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (upper == reserved) {
            return true;
        }
    }
    if (upper.size() >= 4 && (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0)) {
        const std::string_view digit = std::string_view(upper).substr(3);
        // COM0-9 and the superscript digits 1-3 Windows also takes as ports.
        for (const char* d :
             {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "\u00b9", "\u00b2", "\u00b3"}) {
            if (digit == d) {
                return true;
            }
        }
    }
    return false;
}

bool isValidUtf8(std::string_view name) {
    for (std::size_t i = 0; i < name.size();) {
        if (nextCodePoint(name, i) == kReplacementCharacter) {
            return false;
        }
    }
    return true;
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool matchFrom(std::string_view name, std::string_view mask) {
    // Iterative match with one saved star position.
    std::size_t n = 0;
    std::size_t m = 0;
    std::size_t star = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || lower(mask[m]) == lower(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            star = m++;
            starName = n;
        } else if (star != std::string_view::npos) {
            m = star + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') {
        ++m;
    }
    return m == mask.size();
}

}  // namespace

std::optional<std::string> plainListingName(std::string_view line,
                                            std::string_view remoteDirectory) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
        line.remove_suffix(1);
    }
    // Some servers answer with the path as it was asked for.
    const std::string_view dir = trimSlashes(remoteDirectory);
    std::string_view name = line;
    if (!dir.empty()) {
        const std::string_view bare = trimSlashes(line);
        if (bare.size() > dir.size() + 1 && bare.substr(0, dir.size()) == dir &&
            bare[dir.size()] == '/') {
            name = bare.substr(dir.size() + 1);
        }
    }
    if (name.empty() || name == "." || name == ".." ||
        std::any_of(name.begin(), name.end(),
                    [](char c) { return isForbidden(static_cast<unsigned char>(c)); })) {
        return std::nullopt;
    }
    // Windows drops trailing dots and blanks, which would change the name.
    if (name.back() == '.' || name.back() == ' ' || isReservedDeviceName(name) ||
        !isValidUtf8(name) || isTemporaryDownloadName(name)) {
        return std::nullopt;
    }
    return std::string(name);
}

std::vector<std::string> parseNameList(std::string_view listing, std::string_view remoteDirectory,
                                       std::vector<std::string>* caseDuplicates) {
    std::vector<std::string> names;
    std::vector<std::string> folded;
    std::size_t start = 0;
    while (start < listing.size()) {
        std::size_t end = listing.find('\n', start);
        if (end == std::string_view::npos) {
            end = listing.size();
        }
        if (auto name = plainListingName(listing.substr(start, end - start), remoteDirectory)) {
            std::string key = foldNameCase(*name);
            const auto earlier = std::find(folded.begin(), folded.end(), key);
            if (earlier == folded.end()) {
                folded.push_back(std::move(key));
                names.push_back(std::move(*name));
            } else if (caseDuplicates &&
                       names[static_cast<std::size_t>(earlier - folded.begin())] != *name &&
                       std::find(caseDuplicates->begin(), caseDuplicates->end(), *name) ==
                           caseDuplicates->end()) {
                caseDuplicates->push_back(std::move(*name));
            }
        }
        start = end + 1;
    }
    return names;
}

std::string foldNameCase(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        char32_t cp = nextCodePoint(name, i);
        if ((cp >= U'A' && cp <= U'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)) {
            cp += 0x20;
        }
        appendUtf8(out, cp);
    }
    return out;
}

std::string temporaryDownloadName(std::uint32_t tag) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = "~tv";
    for (int shift = 28; shift >= 0; shift -= 4) {
        name += kHex[(tag >> shift) & 0xF];
    }
    return name + ".part";
}

bool isTemporaryDownloadName(std::string_view name) {
    constexpr std::string_view kPrefix = "~tv";
    constexpr std::string_view kSuffix = ".part";
    constexpr std::size_t kDigits = 8;
    if (name.size() != kPrefix.size() + kDigits + kSuffix.size() ||
        asciiLower(name.substr(0, kPrefix.size())) != kPrefix ||
        asciiLower(name.substr(kPrefix.size() + kDigits)) != kSuffix) {
        return false;
    }
    const std::string_view digits = name.substr(kPrefix.size(), kDigits);
    return std::all_of(digits.begin(), digits.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    });
}

bool matchesMask(std::string_view name, std::string_view mask) {
    if (mask == "*.*" || mask == "*" || mask.empty()) {
        return true;
    }
    return matchFrom(name, mask);
}

}  // namespace torva
