#include "transport/RemoteNames.h"

#include <algorithm>

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
    if (name.back() == '.' || name.back() == ' ') {
        return std::nullopt;
    }
    return std::string(name);
}

std::vector<std::string> parseNameList(std::string_view listing, std::string_view remoteDirectory) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < listing.size()) {
        std::size_t end = listing.find('\n', start);
        if (end == std::string_view::npos) {
            end = listing.size();
        }
        if (auto name = plainListingName(listing.substr(start, end - start), remoteDirectory)) {
            if (std::find(names.begin(), names.end(), *name) == names.end()) {
                names.push_back(std::move(*name));
            }
        }
        start = end + 1;
    }
    return names;
}

bool matchesMask(std::string_view name, std::string_view mask) {
    if (mask == "*.*" || mask == "*" || mask.empty()) {
        return true;
    }
    return matchFrom(name, mask);
}

}  // namespace torva
