#pragma once

#include <string>
#include <string_view>

// UTF-8 and UTF-16 conversions; malformed input becomes U+FFFD.
namespace torva {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes one UTF-8 sequence at i and advances i past it.
char32_t nextCodePoint(std::string_view utf8, std::size_t& i);
void appendUtf8(std::string& out, char32_t codePoint);

std::u16string utf8ToUtf16(std::string_view utf8);
std::string utf16ToUtf8(std::u16string_view utf16);

}  // namespace torva
