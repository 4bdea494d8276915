#pragma once

#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace torva {

inline constexpr const char* kProfileFileName = "usuarios.dat";
// The main window keeps the profile index in one byte.
inline constexpr std::size_t kMaxProfiles = 256;

// The file operations that moving or deleting a profile makes. Tests give one
// that fails at a chosen step.
class ProfileFiles {
  public:
    virtual ~ProfileFiles() = default;
    virtual std::error_code copy(const std::string& from, const std::string& to) const;
    virtual std::error_code move(const std::string& from, const std::string& to) const;
    virtual std::error_code remove(const std::string& path) const;
};

// How a change of several profile files ended.
enum class ChangeOutcome {
    Done,       // every step made (error: a clean-up that failed afterwards)
    Unchanged,  // a step failed and every file and the list are as they were
    Partial,    // a step and its undo failed: detail says where the files are
};

struct ProfileChange {
    ChangeOutcome outcome = ChangeOutcome::Done;
    std::error_code error;
    std::string detail;  // for the operator, in Spanish
};

// The profile list "usuarios.dat" and the configuration files "odbc" n ".reg"
// of the configuration directory. Keys and files always move together.
class ProfileStore {
  public:
    explicit ProfileStore(std::string configDirectory,
                          std::shared_ptr<const ProfileFiles> files = nullptr);

    const std::string& directory() const { return directory_; }
    std::string listPath() const;
    std::string configPath(std::size_t index) const;

    // Anything under the list's name, readable or not.
    bool listExists() const;
    std::error_code readKeys(std::vector<std::string>& keys) const;
    // Rewrites the list atomically, one key a line, clearing the read-only
    // attribute before and setting it again after.
    std::error_code writeKeys(const std::vector<std::string>& keys) const;

    // Swaps the configuration files of profiles a and b through the spare name
    // past the end (count).
    ProfileChange swapConfigFiles(std::size_t a, std::size_t b, std::size_t count) const;

    // Removes profile s from the list and deletes its file, renaming the later
    // files down by one; missing files are skipped. Either all of it is done or
    // the list and every file stay as they were.
    ProfileChange removeProfile(std::vector<std::string>& keys, std::size_t s) const;

  private:
    std::string directory_;
    std::shared_ptr<const ProfileFiles> files_;
};

}  // namespace torva
