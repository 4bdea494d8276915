#include "logview/DailyLog.h"

#include "platform/Ansi.h"
#include "platform/Paths.h"

namespace torva {

std::string dailyLogPath(const ConfigRecord& config, int julianDay) {
    return joinPath(config.get(slot::kReceiveDir),
                    config.patente() + std::to_string(julianDay) + ".log");
}

std::string logEntry(const std::string& name, const std::string& time) {
    return name + " - " + time;
}

std::string logLine(LogKind kind, const std::string& name, const std::string& time) {
    return (kind == LogKind::Enviado ? "E - " : "R - ") + logEntry(name, time);
}

std::error_code appendDailyLog(const std::string& path, const std::vector<std::string>& lines) {
    return appendAnsiLines(path, lines);
}

std::error_code appendDailyLogExact(const std::string& path,
                                    const std::vector<std::string>& lines) {
    return appendAnsiLinesExact(path, lines);
}

}  // namespace torva
