#pragma once

#include <cstdint>
#include <string>

#include "state/ConfigRecord.h"

// Every local directory and remote path the cycle uses, derived from the
// configuration.
namespace torva {

namespace remote {
inline constexpr const char* kGeneral = "ENV/general";
inline constexpr const char* kFolios = "ENV/folios.aut";
// "REC/" + the name in lower case.
std::string uploadPath(const std::string& name);
// "REC/" + user + "odbc" + profile index + ".reg".
std::string configUploadPath(const ConfigRecord& config, std::uint8_t profileIndex);
// "ENV/" + response name.
std::string responsePath(const std::string& responseName);
}  // namespace remote

struct WorkDirs {
    std::string send;      // slot 3
    std::string sent;      // send + "Enviados"
    std::string pending;   // send + "Pend"
    std::string rejected;  // send + "Rechaza"
    std::string registry;  // send + "bitacora"
    std::string receive;   // slot 4
    std::string backup;    // receive + "Respalda"
};

WorkDirs workDirs(const ConfigRecord& config);

}  // namespace torva
