#pragma once

#include <optional>
#include <string>
#include <string_view>

// Small text helpers with the semantics the service's files expect.
namespace torva {

// Value of the number at the start of the text (leading blanks, sign, digits,
// decimal point), 0 when there is none: "30" -> 30, " 1x" -> 1, "abc" -> 0.
double leadingNumber(std::string_view text);

// True when the whole text (blanks around it allowed) is a decimal number.
bool isNumeric(std::string_view text);

// The whole text as an integer, or nothing when it is not one.
std::optional<long long> parseInteger(std::string_view text);

std::string asciiLower(std::string_view text);
std::string asciiUpper(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// The last n characters (bytes) of the text, or all of it when shorter.
std::string rightChars(std::string_view text, std::size_t n);

}  // namespace torva
