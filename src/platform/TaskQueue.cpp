#include "platform/TaskQueue.h"

#include <system_error>
#include <utility>

namespace torva {

TaskQueue::~TaskQueue() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void TaskQueue::post(std::function<void()> task) {
    if (!thread_.joinable()) {
        try {
            thread_ = std::thread([this] { run(); });
        } catch (const std::system_error&) {
            task();
            return;
        }
    }
    {
        const std::lock_guard lock(mutex_);
        queued_.push_back(std::move(task));
    }
    changed_.notify_all();
}

void TaskQueue::wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queued_.empty() && !busy_; });
}

void TaskQueue::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !queued_.empty() || closing_; });
        if (queued_.empty()) {
            return;  // closing, and every task run
        }
        std::function<void()> task = std::move(queued_.front());
        queued_.pop_front();
        busy_ = true;
        lock.unlock();
        task();
        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

}  // namespace torva
