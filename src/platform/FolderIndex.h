#pragma once

#include <string>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/FileSystem.h"

// The entries of one folder by their names folded as Windows compares them,
// listed once. A pass that looks up many names in a folder, most of them
// not there yet, pays one listing instead of one per name.
namespace torva {

class FolderIndex {
  public:
    // Lists the folder (found without regard to case). A folder that cannot
    // be listed gives an empty index and the error.
    explicit FolderIndex(const std::string& directory);
    // An index of a listing the caller has made of the (matched) folder.
    FolderIndex(std::string directory, const std::vector<DirEntry>& entries);
    // Lists the folder keeping only the entries that match one of wanted: a
    // folder of 50,000 files costs one read of its names, nothing per entry.
    // Other names are looked for on disk when asked.
    FolderIndex(const std::string& directory, const std::vector<std::string>& wanted);

    const std::string& directory() const { return directory_; }
    const std::error_code& error() const { return error_; }

    // The path of the entry whose name matches without regard to case, or the
    // folder joined with name when there is none; either is exact on disk.
    std::string pathOf(std::string_view name) const;
    bool contains(std::string_view name) const;

    // Keeps the index current with what its owner creates or removes.
    void added(std::string_view name);
    void removed(std::string_view name);

  private:
    // Whether the listing answers for a folded name.
    bool covers(const std::string& folded) const { return !partial_ || known_.count(folded) != 0; }

    std::string directory_;
    std::error_code error_;
    std::unordered_map<std::string, std::string> names_;  // folded -> on disk
    bool partial_ = false;
    std::unordered_set<std::string> known_;  // folded names a partial listing answers for
};

}  // namespace torva
