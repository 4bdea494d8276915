#pragma once

#include <memory>
#include <QObject>
#include <QThreadPool>

#include "nettest/EchoRunner.h"

class QTimer;

namespace torva::ui {

class WorkerThread;

// Runs the echo component's requests off the GUI thread: a waiting request
// on the worker while the GUI thread processes events, the others on a pool
// whose results come back to the GUI thread as queued calls.
class QtEchoRunner final : public EchoRunner {
  public:
    explicit QtEchoRunner(WorkerThread& worker);
    // Waits for the requests still out; their results are dropped.
    ~QtEchoRunner() override;
    QtEchoRunner(const QtEchoRunner&) = delete;
    QtEchoRunner& operator=(const QtEchoRunner&) = delete;

    EchoOutcome runWaiting(const Work& work) override;
    void runDetached(Work work, Done done) override;
    void startRepeat(int intervalMs, std::function<void()> tick) override;
    void stopRepeat() override;

    // A waiting request is out.
    bool waiting() const { return waiting_ > 0; }

  private:
    WorkerThread& worker_;
    QThreadPool pool_;
    // Lives on the GUI thread; results are delivered through it.
    std::unique_ptr<QObject> context_;
    QTimer* timer_ = nullptr;
    int waiting_ = 0;
};

}  // namespace torva::ui
