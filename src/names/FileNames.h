#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The grammar of validation file names: first letter, patente, folio and
// julian day by position, and the rules every pass judges names by. Names are
// UTF-8; lengths and positions count the characters of their Windows-1252
// form (one per character, "ñ" and "€" included), never bytes.
namespace torva {

// Name length L for a first letter; sets the letter offset A as a side
// effect: 1 for "e", -3 for "s", "x", "f", "a" (either case), 0 otherwise.
// Callers then apply the 9th-character correction (see correctedOffset).
int numLetras(std::string_view letter, std::int16_t& letterOffset);

// A is 1 and the 9th character of the name is ".": A becomes 0.
std::int16_t correctedOffset(std::string_view name, std::int16_t letterOffset);

// The parts of a name by the layout its first letter selects.
struct NameParts {
    int length = 12;                // L
    std::int16_t letterOffset = 0;  // A, corrected
    int folioShift = 0;             // B
    std::string patente;            // 4 characters ending at L + A - 7
    std::string folio;              // 3 characters ending at L + A + B - 4
    std::string dayEnding;          // the last 3 characters
};
NameParts parseName(std::string_view name);

// The rules, each on its own.
bool cumpleLongitud(std::string_view name, const NameParts& parts);
bool cumplePatente(const NameParts& parts, std::string_view patente);
// The first character, in lower case ("Ñ" gives "ñ"), is one of the
// characters of the send letters (commas never match).
bool cumpleLetra(std::string_view name, std::string_view sendLetters);
// The day ending, read as a number, is the current julian day.
bool cumpleDia(const NameParts& parts, int julianDay);
// Textual comparison, character by character: "1" as a lower bound fails
// every folio that begins with "0".
bool cumpleFolio(const NameParts& parts, std::string_view lower, std::string_view upper);
// The name ends in "err" exactly (case-sensitive): never a validation file.
bool esArchivoError(std::string_view name);

}  // namespace torva

namespace torva {

// The name holds a control character (tab, CR, LF, ...): no validation file
// is named so, and no server would take it.
bool tieneControl(std::string_view name);

// Names in the order NTFS lists them: compared as upper-case code units, so
// "m1234002.123" comes before "M1234003.123". Names equal but for case keep
// a fixed order among themselves.
bool ordenNtfs(std::string_view a, std::string_view b);

}  // namespace torva
