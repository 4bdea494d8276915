#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace fs = std::filesystem;

namespace torva::test {

TempDir::TempDir() {
    std::random_device random;
    const fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = base / ("torva-test-" + std::to_string(random()));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = fromFsPath(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
    std::error_code ec;
    // Read-only entries would stop the removal on Windows.
    for (auto it = fs::recursive_directory_iterator(toFsPath(path_), ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(toFsPath(path_), ec);
}

std::string TempDir::file(const std::string& name) const {
    return joinPath(path_, name);
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(toFsPath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string readBytes(const std::string& path) {
    std::ifstream in(toFsPath(path), std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace torva::test
