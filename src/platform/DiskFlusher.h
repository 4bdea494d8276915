#pragma once

#include <mutex>
#include <set>
#include <string>

#include "platform/TaskQueue.h"

// Forces files to the disk on a thread of its own as they are handed to it,
// so that the flush of each runs beside the caller's next work.
namespace torva {

class DiskFlusher {
  public:
    void add(const std::string& path);
    // Waits until every file handed over is on the disk; the ones that
    // could not be flushed.
    std::set<std::string> wait();

  private:
    std::mutex mutex_;
    std::set<std::string> failed_;
    TaskQueue queue_;  // after what its tasks use: it ends first
};

}  // namespace torva
