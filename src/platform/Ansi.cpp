#include "platform/Ansi.h"

#include <array>
#include <cstdint>

#include "platform/FileSystem.h"
#include "platform/Utf8.h"

namespace torva {
namespace {

// Unicode code points of bytes 0x80..0x9F; 0 where Windows-1252 has no character.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ansiByteFor(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (std::size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] == cp) {
            return static_cast<char>(0x80 + k);
        }
    }
    return '?';
}

}  // namespace

std::string ansiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (char c : ansi) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else if (b < 0xA0) {
            const char32_t cp = kHighControls[b - 0x80];
            appendUtf8(out, cp == 0 ? b : cp);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

std::string utf8ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t cp = nextCodePoint(utf8, i);
        // Unassigned 0x81, 0x8D, 0x8F, 0x90, 0x9D round-trip as themselves.
        if (cp >= 0x80 && cp < 0xA0 && kHighControls[cp - 0x80] == 0) {
            out += static_cast<char>(cp);
        } else {
            out += ansiByteFor(cp);
        }
    }
    return out;
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines.emplace_back(bytes.substr(start, i - start));
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < bytes.size()) {
        lines.emplace_back(bytes.substr(start));
    }
    return lines;
}

std::error_code readAnsiLines(const std::string& path, std::vector<std::string>& lines) {
    std::string bytes;
    if (auto ec = readFileBytes(path, bytes)) {
        return ec;
    }
    lines = splitLines(bytes);
    for (auto& line : lines) {
        line = ansiToUtf8(line);
    }
    return {};
}

namespace {
std::string joinAnsiLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += utf8ToAnsi(line);
        bytes += "\r\n";
    }
    return bytes;
}
}  // namespace

std::error_code writeAnsiLines(const std::string& path, const std::vector<std::string>& lines) {
    return writeFileAtomic(path, joinAnsiLines(lines));
}

namespace {

template <typename CutLine, typename Append>
std::error_code appendLines(const std::vector<std::string>& lines, CutLine cutLine, Append append) {
    std::string bytes = joinAnsiLines(lines);
    // A line left without its end by an interrupted write keeps to itself.
    if (cutLine()) {
        bytes.insert(0, "\r\n");
    }
    return append(bytes);
}

}  // namespace

std::error_code appendAnsiLines(const std::string& path, const std::vector<std::string>& lines) {
    return appendLines(
        lines, [&] { return endsInCutLine(path); },
        [&](const std::string& bytes) { return appendFileBytes(path, bytes); });
}

std::error_code appendAnsiLinesExact(const std::string& path,
                                     const std::vector<std::string>& lines) {
    return appendLines(
        lines, [&] { return endsInCutLineExact(path); },
        [&](const std::string& bytes) { return appendFileBytesExact(path, bytes); });
}

}  // namespace torva
