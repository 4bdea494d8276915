#pragma once

#include <string>
#include <string_view>

// The per-character encoding of the password slots in the configuration file:
// each Windows-1252 code c is written as "|" and c * 20 + 6, from the last
// character to the first.
namespace torva {

std::string encodeSecret(std::string_view utf8);

// Pieces that are not numbers, or whose code falls outside 1..255, are
// skipped; a line without "|" decodes as empty.
std::string decodeSecret(std::string_view line);

}  // namespace torva
