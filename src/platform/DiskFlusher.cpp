#include "platform/DiskFlusher.h"

#include <system_error>
#include <utility>

#include "platform/FileSystem.h"

namespace torva {

DiskFlusher::~DiskFlusher() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void DiskFlusher::add(const std::string& path) {
    if (!thread_.joinable()) {
        try {
            thread_ = std::thread([this] { run(); });
        } catch (const std::system_error&) {
            // No thread to be had: flushed here.
            if (flushFile(path)) {
                const std::lock_guard lock(mutex_);
                failed_.insert(path);
            }
            return;
        }
    }
    {
        const std::lock_guard lock(mutex_);
        queued_.push_back(path);
    }
    changed_.notify_all();
}

std::set<std::string> DiskFlusher::wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queued_.empty() && !busy_; });
    return std::exchange(failed_, {});
}

void DiskFlusher::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !queued_.empty() || closing_; });
        if (queued_.empty()) {
            return;  // closing, and every file flushed
        }
        const std::string path = std::move(queued_.front());
        queued_.pop_front();
        busy_ = true;
        lock.unlock();
        const bool flushed = !flushFile(path);
        lock.lock();
        busy_ = false;
        if (!flushed) {
            failed_.insert(path);
        }
        changed_.notify_all();
    }
}

}  // namespace torva
