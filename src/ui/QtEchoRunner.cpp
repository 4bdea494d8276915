#include "ui/QtEchoRunner.h"

#include <QTimer>

#include "ui/WorkerThread.h"

namespace torva::ui {
namespace {

// Requests out at once: a constant test every second with 2-second time-outs
// needs three.
constexpr int kPoolThreads = 4;

}  // namespace

QtEchoRunner::QtEchoRunner(WorkerThread& worker)
    : worker_(worker), context_(std::make_unique<QObject>()) {
    pool_.setMaxThreadCount(kPoolThreads);
    timer_ = new QTimer(context_.get());
}

QtEchoRunner::~QtEchoRunner() {
    timer_->stop();
    pool_.waitForDone();
    // Results posted meanwhile go with their receiver.
    context_.reset();
}

EchoOutcome QtEchoRunner::runWaiting(const Work& work) {
    ++waiting_;
    EchoOutcome outcome;
    try {
        worker_.run([&outcome, &work] { outcome = work(); });
    } catch (...) {
        --waiting_;
        throw;
    }
    --waiting_;
    return outcome;
}

void QtEchoRunner::runDetached(Work work, Done done) {
    QObject* context = context_.get();
    pool_.start([work = std::move(work), done = std::move(done), context] {
        const EchoOutcome outcome = work();
        QMetaObject::invokeMethod(
            context, [done, outcome] { done(outcome); }, Qt::QueuedConnection);
    });
}

void QtEchoRunner::startRepeat(int intervalMs, std::function<void()> tick) {
    timer_->stop();
    timer_->disconnect();
    QObject::connect(timer_, &QTimer::timeout, context_.get(), std::move(tick));
    timer_->start(intervalMs);
}

void QtEchoRunner::stopRepeat() {
    timer_->stop();
    timer_->disconnect();
}

}  // namespace torva::ui
