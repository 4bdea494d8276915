#pragma once

#include <string>
#include <system_error>
#include <vector>

namespace torva {

inline constexpr const char* kProfileFileName = "usuarios.dat";
// The main window keeps the profile index in one byte.
inline constexpr std::size_t kMaxProfiles = 256;

// The profile list "usuarios.dat" and the configuration files "odbc" n ".reg"
// of the configuration directory. Keys and files always move together.
class ProfileStore {
  public:
    explicit ProfileStore(std::string configDirectory);

    const std::string& directory() const { return directory_; }
    std::string listPath() const;
    std::string configPath(std::size_t index) const;

    bool listExists() const;
    std::error_code readKeys(std::vector<std::string>& keys) const;
    // Rewrites the list atomically, clearing the read-only attribute before and
    // setting it again after.
    std::error_code writeKeys(const std::vector<std::string>& keys) const;

    // Swaps the configuration files of profiles a and b through a spare name
    // past the end (count). On failure every file keeps its content.
    std::error_code swapConfigFiles(std::size_t a, std::size_t b, std::size_t count) const;

    // Removes profile s from the list and its file, renaming later files down
    // by one. Missing files are skipped.
    std::error_code removeProfile(std::vector<std::string>& keys, std::size_t s) const;

  private:
    std::string directory_;
};

}  // namespace torva
