#include "profiles/ProfileStore.h"

#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "profiles/ConfigFile.h"
#include "profiles/OneLine.h"

namespace torva {
namespace {

std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace

std::error_code ProfileFiles::copy(const std::string& from, const std::string& to) const {
    return copyFileKeepTime(from, to);
}

std::error_code ProfileFiles::move(const std::string& from, const std::string& to) const {
    return moveFileReplace(from, to);
}

std::error_code ProfileFiles::remove(const std::string& path) const {
    return removeFile(path);
}

ProfileStore::ProfileStore(std::string configDirectory, std::shared_ptr<const ProfileFiles> files)
    : directory_(std::move(configDirectory)),
      files_(files ? std::move(files) : std::make_shared<const ProfileFiles>()) {}

std::string ProfileStore::listPath() const {
    return joinPath(directory_, kProfileFileName);
}

std::string ProfileStore::configPath(std::size_t index) const {
    return configFilePath(directory_, static_cast<int>(index));
}

bool ProfileStore::listExists() const {
    return pathExists(listPath());
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
    std::vector<std::string> lines;
    lines.reserve(keys.size());
    for (const std::string& key : keys) {
        lines.push_back(oneLine(key));
    }
    const std::error_code ec = writeAnsiLines(path, lines);
    // The list carries the read-only attribute between writes, also after a failure.
    const std::error_code readOnly = isRegularFile(path) ? setReadOnly(path, true) : ec;
    return ec ? ec : readOnly;
}

ProfileChange ProfileStore::swapConfigFiles(std::size_t a, std::size_t b, std::size_t count) const {
    const std::string fileA = configPath(a);
    const std::string fileB = configPath(b);
    const std::string spare = configPath(count);
    if (auto ec = files_->copy(fileA, spare)) {
        files_->remove(spare);
        return {ChangeOutcome::Unchanged, ec, {}};
    }
    if (auto ec = files_->copy(fileB, fileA)) {
        files_->remove(spare);
        return {ChangeOutcome::Unchanged, ec, {}};
    }
    if (auto ec = files_->copy(spare, fileB)) {
        // A's content is still in the spare file: put it back.
        if (files_->copy(spare, fileA)) {
            return {ChangeOutcome::Partial, ec,
                    "El archivo " + quoted(fileA) + " quedó con el contenido de " + quoted(fileB) +
                        "; su configuración original está en " + quoted(spare) + "."};
        }
        files_->remove(spare);
        return {ChangeOutcome::Unchanged, ec, {}};
    }
    if (auto ec = files_->remove(spare)) {
        return {ChangeOutcome::Done, ec,
                "no fue posible borrar la copia de trabajo " + quoted(spare) + "."};
    }
    return {};
}

ProfileChange ProfileStore::removeProfile(std::vector<std::string>& keys, std::size_t s) const {
    const std::string file = configPath(s);
    const bool hasFile = pathExists(file);
    // Checked first: once the later files moved down it could not be kept.
    if (hasFile && isReadOnly(file)) {
        return {ChangeOutcome::Unchanged, std::make_error_code(std::errc::permission_denied),
                "el archivo " + quoted(file) + " es de solo lectura"};
    }
    // The deleted profile's file waits under a name of its own until the list is written.
    const std::string removed = file + ".borrar";
    if (hasFile) {
        if (auto ec = files_->move(file, removed)) {
            return {ChangeOutcome::Unchanged, ec,
                    "no fue posible mover el archivo " + quoted(file)};
        }
    }
    std::vector<std::size_t> moved;  // k renamed to k - 1
    // Moves the files back up; after an undo step fails nothing more is moved,
    // so no file is written over, and the message says where each one is.
    auto undo = [&](const std::error_code& ec, std::string what) {
        std::string stuck;
        bool blocked = false;
        for (auto it = moved.rbegin(); it != moved.rend(); ++it) {
            if (!blocked && !files_->move(configPath(*it - 1), configPath(*it))) {
                continue;
            }
            blocked = true;
            stuck += " La configuración de " + quoted(configPath(*it)) + " quedó en " +
                     quoted(configPath(*it - 1)) + ".";
        }
        if (hasFile && (blocked || files_->move(removed, file))) {
            stuck += " La configuración de " + quoted(file) + " quedó en " + quoted(removed) + ".";
        }
        if (!stuck.empty()) {
            return ProfileChange{ChangeOutcome::Partial, ec, stuck.substr(1)};
        }
        return ProfileChange{ChangeOutcome::Unchanged, ec, std::move(what)};
    };
    for (std::size_t k = s + 1; k < keys.size(); ++k) {
        if (!pathExists(configPath(k))) {
            continue;
        }
        if (auto ec = files_->move(configPath(k), configPath(k - 1))) {
            return undo(ec, "no fue posible renombrar el archivo " + quoted(configPath(k)));
        }
        moved.push_back(k);
    }
    std::vector<std::string> remaining;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        if (k != s) {
            remaining.push_back(keys[k]);
        }
    }
    if (auto ec = writeKeys(remaining)) {
        return undo(ec, "no fue posible grabar la lista de patentes " + quoted(listPath()));
    }
    keys = std::move(remaining);
    if (hasFile) {
        if (auto ec = files_->remove(removed)) {
            return {ChangeOutcome::Done, ec,
                    "no fue posible borrar el archivo " + quoted(removed) + "."};
        }
    }
    return {};
}

}  // namespace torva
