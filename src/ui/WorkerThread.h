#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

class QEventLoop;

namespace torva::ui {

// One thread beside the GUI thread for the calls that block (transfers,
// signing). `run` hands it a call and keeps the GUI thread processing events
// until the call returns, so the window paints, ticks and takes clicks while
// the caller's code stays sequential. The call must not touch widgets or the
// main window's state.
class WorkerThread {
  public:
    WorkerThread();
    ~WorkerThread();
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

    void serve();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job*> jobs_;
    bool closing_ = false;
    Clock::time_point eventsProcessed_;  // the GUI thread's last wait in its loop
    std::thread thread_;                 // last: starts once the rest is there
};

}  // namespace torva::ui
