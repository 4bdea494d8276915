#pragma once

#include <string>

namespace torva::test {

// A fresh directory under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() joined with name by the native separator.
    std::string file(const std::string& name) const;

  private:
    std::string path_;
};

// Whole-file helpers for fixtures.
void writeBytes(const std::string& path, const std::string& bytes);
std::string readBytes(const std::string& path);

}  // namespace torva::test
