#pragma once

#include <functional>
#include <QThread>

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
    // it throws is thrown again here.
    void run(const std::function<void()>& call);

  private:
    QThread thread_;
    QObject* context_;  // lives in thread_
};

}  // namespace torva::ui
