#pragma once

#include <string>

// The backup set: "usuarios.dat" and one file per profile named by its
// index, in "Respalda" under the configuration directory and under the
// receive directory.
namespace torva {

inline constexpr const char* kBackupFolderName = "Respalda";
inline constexpr const char* kProcesoCancelado = "Proceso cancelado.";

// "Respalda" under the configuration directory.
std::string primaryBackupFolder(const std::string& configDirectory);

// The backup copy of profile index's configuration file.
std::string backupConfigPath(const std::string& backupFolder, std::size_t index);

// The last 4 characters of a key or user name, never cutting one in two.
std::string patenteOf(const std::string& text);

}  // namespace torva
