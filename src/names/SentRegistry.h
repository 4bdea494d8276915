#pragma once

#include <string>
#include <string_view>
#include <system_error>
#include <unordered_set>

#include "platform/FileSystem.h"

// The sent-file registry "bitacora": one line per uploaded file, its name in
// lower case, "|" and its modification time as text.
namespace torva {

// The local date and time of a file time, "dd/mm/yyyy HH:MM:SS". The same
// time always gives the same text.
std::string fileTimeText(FileTime time);

std::string registryLine(const std::string& name, FileTime modified);

// The registry's entries (one per comma-separated field of its lines), read
// once, so that each file of a pass is looked up in constant time.
class SentRegistry {
  public:
    // A missing registry is an empty one; a registry that cannot be read
    // gives the error and no entries.
    static SentRegistry read(const std::string& path, std::error_code& ec);

    // An entry holds the name (already in lower case) with this time text.
    bool holds(std::string_view lowerName, std::string_view timeText) const;
    std::size_t size() const { return entries_.size(); }

  private:
    std::unordered_set<std::string> entries_;
};

// Appends the line of a file to the registry, creating it when missing.
std::error_code appendRegistryLine(const std::string& path, const std::string& name,
                                   FileTime modified);

}  // namespace torva
