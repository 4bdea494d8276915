#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <string>
#include <thread>

// Forces files to the disk on a thread of its own as they are handed to it,
// so that the flush of each runs beside the caller's next work.
namespace torva {

class DiskFlusher {
  public:
    DiskFlusher() = default;
    // Waits for the files already handed over.
    ~DiskFlusher();
    DiskFlusher(const DiskFlusher&) = delete;
    DiskFlusher& operator=(const DiskFlusher&) = delete;

    void add(const std::string& path);
    // Waits until every file handed over is on the disk; the ones that
    // could not be flushed.
    std::set<std::string> wait();

  private:
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> queued_;
    std::set<std::string> failed_;
    bool busy_ = false;  // a file is being flushed
    bool closing_ = false;
    std::thread thread_;
};

}  // namespace torva
