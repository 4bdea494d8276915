#pragma once

#include <string>

#include "profiles/ProfileContext.h"

namespace torva {

inline constexpr const char* kProgramVersionLine = "Versión 6.2.7";

// "odbc" n ".reg" in the configuration directory.
std::string configFilePath(const std::string& configDirectory, int profileIndex);

struct HostIdentity {
    std::string name;
    std::string address;
};

// Loads the profile's configuration file into the record. A missing file
// leaves the initial texts, tells the operator and requests edit mode.
void CargaConfiguracion(const ProfileContext& ctx, const std::string& path,
                        const HostIdentity& host);

// Writes the record to the file, replacing it atomically. A failure is shown
// to the operator and returned as false.
bool GrabaConfiguracion(const ProfileContext& ctx, const std::string& path);

}  // namespace torva
