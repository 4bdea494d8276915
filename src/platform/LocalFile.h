#pragma once

#include <cstddef>
#include <string>

namespace torva {

// A new local file that a download writes: created only if no entry of that
// name exists, written unbuffered, and flushed to the disk before it is
// closed, so a file renamed into place afterwards is complete on the disk.
class LocalFile {
  public:
    LocalFile() = default;
    ~LocalFile();
    LocalFile(const LocalFile&) = delete;
    LocalFile& operator=(const LocalFile&) = delete;

    // False when the entry exists or cannot be created; existed() tells which.
    bool create(const std::string& path);
    bool existed() const { return existed_; }
    bool write(const char* data, std::size_t size);
    // Flushes to the disk and closes; false when either fails.
    bool syncAndClose();
    // Closes without waiting for the disk, for a caller that flushes later.
    bool close();

  private:
    int fd_ = -1;
    bool existed_ = false;
};

}  // namespace torva
