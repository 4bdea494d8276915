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

FolderIndex::FolderIndex(const std::string& directory, const std::vector<std::string>& wanted)
    : directory_(resolvePath(directory)), partial_(true) {
    std::vector<bool> lengths;
    for (const std::string& name : wanted) {
        known_.insert(foldName(name));
        if (lengths.size() <= name.size()) {
            lengths.resize(name.size() + 1);
        }
        lengths[name.size()] = true;
    }
    if (known_.empty()) {
        return;
    }
    // Case changes keep a name's length in bytes: most entries are passed
    // over without folding.
    forEachName(directory_, error_, [&](std::string_view name) {
        if (name.size() < lengths.size() && lengths[name.size()]) {
            std::string folded = foldName(name);
            if (known_.count(folded) != 0) {
                names_.emplace(std::move(folded), std::string(name));
            }
        }
    });
}

std::string FolderIndex::pathOf(std::string_view name) const {
    std::string folded = foldName(name);
    if (const auto it = names_.find(folded); it != names_.end()) {
        return joinPath(directory_, it->second);
    }
    const std::string path = joinPath(directory_, name);
    return covers(folded) ? path : resolvePath(path);
}

bool FolderIndex::contains(std::string_view name) const {
    const std::string folded = foldName(name);
    if (names_.count(folded) != 0) {
        return true;
    }
    return !covers(folded) && pathExists(resolvePath(joinPath(directory_, name)));
}

void FolderIndex::added(std::string_view name) {
    std::string folded = foldName(name);
    if (partial_) {
        known_.insert(folded);
    }
    names_.emplace(std::move(folded), std::string(name));
}

void FolderIndex::removed(std::string_view name) {
    std::string folded = foldName(name);
    names_.erase(folded);
    if (partial_) {
        known_.insert(std::move(folded));  // known to be absent now
    }
}

}  // namespace torva
