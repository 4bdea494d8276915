#include "profiles/ProfileStore.h"

#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "profiles/ConfigFile.h"

namespace torva {

ProfileStore::ProfileStore(std::string configDirectory) : directory_(std::move(configDirectory)) {}

std::string ProfileStore::listPath() const {
    return joinPath(directory_, kProfileFileName);
}

std::string ProfileStore::configPath(std::size_t index) const {
    return configFilePath(directory_, static_cast<int>(index));
}

bool ProfileStore::listExists() const {
    return isRegularFile(listPath());
}

std::error_code ProfileStore::readKeys(std::vector<std::string>& keys) const {
    return readAnsiLines(listPath(), keys);
}

std::error_code ProfileStore::writeKeys(const std::vector<std::string>& keys) const {
    const std::string path = listPath();
    if (pathExists(path)) {
        if (auto ec = setReadOnly(path, false)) {
            return ec;
        }
    }
    const std::error_code ec = writeAnsiLines(path, keys);
    // The list carries the read-only attribute between writes, also after a failure.
    const std::error_code readOnly = setReadOnly(path, true);
    return ec ? ec : readOnly;
}

std::error_code ProfileStore::swapConfigFiles(std::size_t a, std::size_t b,
                                              std::size_t count) const {
    const std::string fileA = configPath(a);
    const std::string fileB = configPath(b);
    const std::string spare = configPath(count);
    if (auto ec = copyFileKeepTime(fileA, spare)) {
        removeFile(spare);
        return ec;
    }
    if (auto ec = copyFileKeepTime(fileB, fileA)) {
        removeFile(spare);
        return ec;
    }
    if (auto ec = copyFileKeepTime(spare, fileB)) {
        // Undo: A's content is still in the spare file. If even that fails the
        // spare file is kept, so nothing is lost.
        if (!copyFileKeepTime(spare, fileA)) {
            removeFile(spare);
        }
        return ec;
    }
    removeFile(spare);
    return {};
}

std::error_code ProfileStore::removeProfile(std::vector<std::string>& keys, std::size_t s) const {
    std::vector<std::string> remaining;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (k != s) {
            remaining.push_back(keys[k]);
        }
    }
    // The list goes first: if it cannot be written, no file has been touched.
    if (auto ec = writeKeys(remaining)) {
        return ec;
    }
    std::error_code firstError = removeFile(configPath(s));
    for (std::size_t k = s + 1; k < keys.size(); ++k) {
        if (!pathExists(configPath(k))) {
            continue;
        }
        // A rename either happens whole or not at all: a failure leaves the
        // file under its old name.
        if (auto ec = moveFileReplace(configPath(k), configPath(k - 1)); ec && !firstError) {
            firstError = ec;
        }
    }
    keys = std::move(remaining);
    return firstError;
}

}  // namespace torva
