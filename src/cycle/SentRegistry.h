#pragma once

#include <string>

#include "platform/FileSystem.h"

// The sent-file registry "bitacora": one line per uploaded file, its name in
// lower case, "|" and its modification time as text.
namespace torva {

// The local date and time of a file time, "dd/mm/yyyy HH:MM:SS". The same
// time always gives the same text.
std::string fileTimeText(FileTime time);

std::string registryLine(const std::string& name, FileTime modified);

}  // namespace torva
