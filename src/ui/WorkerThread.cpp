#include "ui/WorkerThread.h"

#include <QEventLoop>

namespace torva::ui {
namespace {

// Most calls of a pass (one upload on a near server) end within this: the
// GUI thread waits for them without a trip through its event loop, which
// would cost more than the call, as long as it went through the loop within
// the last interval. Longer calls wait with events processed.
constexpr auto kShortCall = std::chrono::milliseconds(4);
constexpr auto kEventInterval = std::chrono::milliseconds(25);

}  // namespace

void WorkerThread::execute(Job& job) {
    std::exception_ptr thrown;
    try {
        job.call();
    } catch (...) {
        thrown = std::current_exception();
    }
    const std::lock_guard lock(mutex_);
    job.thrown = thrown;
    job.done = true;
    if (job.waiting != nullptr) {
        QMetaObject::invokeMethod(job.waiting, &QEventLoop::quit, Qt::QueuedConnection);
    }
    finished_.notify_all();
}

void WorkerThread::run(const std::function<void()>& call) {
    Job job(call);
    queue_.post([this, &job] { execute(job); });
    std::unique_lock lock(mutex_);
    const bool eventsDue = Clock::now() - eventsProcessed_ >= kEventInterval;
    if (eventsDue || !finished_.wait_for(lock, kShortCall, [&job] { return job.done; })) {
        QEventLoop loop;
        if (!job.done) {
            job.waiting = &loop;
            lock.unlock();
            loop.exec();
            lock.lock();
        }
        // The loop also ends when the application is quitting: the call
        // still holds references into the caller's frame, so wait for it.
        finished_.wait(lock, [&job] { return job.done; });
        eventsProcessed_ = Clock::now();
    }
    if (job.thrown) {
        std::rethrow_exception(job.thrown);
    }
}

}  // namespace torva::ui
