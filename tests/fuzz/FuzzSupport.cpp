#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <stdexcept>

#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace fs = std::filesystem;

namespace torva::fuzz {
namespace {

class Scratch {
  public:
    Scratch() {
        std::random_device random;
        const fs::path base = fs::temp_directory_path();
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path candidate = base / ("torva-fuzz-" + std::to_string(random()));
            std::error_code ec;
            if (fs::create_directory(candidate, ec)) {
                path_ = fromFsPath(candidate);
                return;
            }
        }
        throw std::runtime_error("cannot create a scratch folder");
    }
    ~Scratch() {
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(toFsPath(path_), ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
        fs::remove_all(toFsPath(path_), ec);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace

const std::string& scratchDir() {
    static const Scratch scratch;
    return scratch.path();
}

std::string scratchFile(const std::string& name) {
    return joinPath(scratchDir(), name);
}

void writeFile(const std::string& path, std::string_view bytes) {
    // A reader may have left the file read-only.
    if (pathExists(path)) {
        setReadOnly(path, false);
    }
    if (writeFileAtomic(path, bytes)) {
        std::fprintf(stderr, "cannot write the scratch file %s\n", path.c_str());
        std::abort();
    }
}

void require(bool holds, std::string_view property) {
    if (!holds) {
        std::fprintf(stderr, "PROPERTY VIOLATED: %.*s\n", static_cast<int>(property.size()),
                     property.data());
        std::abort();
    }
}

}  // namespace torva::fuzz
