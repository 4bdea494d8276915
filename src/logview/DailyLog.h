#pragma once

#include <string>
#include <system_error>
#include <vector>

#include "state/ConfigRecord.h"

// The daily log: one "E - " or "R - " line per file sent or response
// received, in the receive folder, named by the patente and the julian day.
// Windows-1252 text with CR LF, only ever appended to.
namespace torva {

enum class LogKind { Enviado, Recibido };

// Receive folder + patente + julian day (no leading zeros) + ".log".
std::string dailyLogPath(const ConfigRecord& config, int julianDay);

// The list entry of a line: name + " - " + time ("HH:mm:ss").
std::string logEntry(const std::string& name, const std::string& time);

// "E - " or "R - " + the entry.
std::string logLine(LogKind kind, const std::string& name, const std::string& time);

// Appends lines to the log, creating it when missing.
std::error_code appendDailyLog(const std::string& path, const std::vector<std::string>& lines);
// The same, with the path as it stands on disk (a FolderIndex gives it).
std::error_code appendDailyLogExact(const std::string& path, const std::vector<std::string>& lines);

}  // namespace torva
