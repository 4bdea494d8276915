#pragma once

#include <optional>
#include <string>
#include <string_view>

// The name tests of the daily purge. Positions count the characters of the
// name's Windows-1252 form.
namespace torva {

// The last 3 characters as a day of the year; nothing when they are not
// three digits ("err", "log").
std::optional<int> terminacionDia(std::string_view ansiName);

// Of another day than today: a day ending that is not a number counts as one.
bool esDeOtroDia(std::string_view ansiName, int julianDay);

// The short rule: the 4 characters ending at position P + 5 are the patente,
// P being 1 for names that begin with r or e followed by a or b.
bool esDeLaPatenteCorta(std::string_view ansiName, std::string_view ansiPatente);

// A file of the receive folder that is copied to "Respalda" before it goes:
// a response (r, x, a, or ending in "err") or a daily log.
bool seRespalda(std::string_view ansiName, std::string_view ansiPatente);

// Sent copies that the retention deletes on julian day j: those of the
// nineteen days before today are kept, across the turn of the year.
bool venceCopiaEnviada(int day, int julianDay);

}  // namespace torva
