#pragma once

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>

#include "platform/TaskQueue.h"

class QEventLoop;

namespace torva::ui {

// One thread beside the GUI thread for the calls that block (transfers,
// signing). `run` hands it a call and keeps the GUI thread processing events
// until the call returns, so the window paints, ticks and takes clicks while
// the caller's code stays sequential. The call must not touch widgets or the
// main window's state.
class WorkerThread {
  public:
    WorkerThread() = default;
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Runs call on the worker and returns when it has returned; an exception
    // it throws is thrown again here. A call handed over while another waits
    // (from an event processed meanwhile) runs after it.
    void run(const std::function<void()>& call);

  private:
    using Clock = std::chrono::steady_clock;
    struct Job {
        explicit Job(const std::function<void()>& c) : call(c) {}
        const std::function<void()>& call;
        bool done = false;
        std::exception_ptr thrown;
        QEventLoop* waiting = nullptr;  // the GUI thread's loop, once it waits in one
    };

    void execute(Job& job);

    std::mutex mutex_;
    std::condition_variable finished_;
    Clock::time_point eventsProcessed_;  // the GUI thread's last wait in its loop
    TaskQueue queue_;                    // last: its tasks use the rest
};

}  // namespace torva::ui
