#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Runs tasks one after the other, in the order posted, on a thread of its
// own, so that each runs beside the poster's next work.
namespace torva {

class TaskQueue {
  public:
    TaskQueue() = default;
    // Runs what is still queued, then ends the thread.
    ~TaskQueue();
    TaskQueue(const TaskQueue&) = delete;
    TaskQueue& operator=(const TaskQueue&) = delete;

    // The thread starts with the first task; without a thread to be had,
    // the task runs here.
    void post(std::function<void()> task);
    // Returns once every task posted has run.
    void wait();

  private:
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> queued_;
    bool busy_ = false;  // a task is running
    bool closing_ = false;
    std::thread thread_;
};

}  // namespace torva
