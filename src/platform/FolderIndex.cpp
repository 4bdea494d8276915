#include "platform/FolderIndex.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace torva {

FolderIndex::FolderIndex(const std::string& directory) : directory_(resolvePath(directory)) {
    for (DirEntry& entry : listDirectory(directory_, error_)) {
        std::string folded = foldName(entry.name);
        names_.emplace(std::move(folded), std::move(entry.name));
    }
}

FolderIndex::FolderIndex(std::string directory, const std::vector<DirEntry>& entries)
    : directory_(std::move(directory)) {
    for (const DirEntry& entry : entries) {
        names_.emplace(foldName(entry.name), entry.name);
    }
}

std::string FolderIndex::pathOf(std::string_view name) const {
    const auto it = names_.find(foldName(name));
    return joinPath(directory_, it == names_.end() ? name : std::string_view(it->second));
}

bool FolderIndex::contains(std::string_view name) const {
    return names_.count(foldName(name)) != 0;
}

void FolderIndex::added(std::string_view name) {
    names_.emplace(foldName(name), std::string(name));
}

void FolderIndex::removed(std::string_view name) {
    names_.erase(foldName(name));
}

}  // namespace torva
