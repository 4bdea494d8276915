#include "ui/WorkerThread.h"

#include <exception>
#include <future>
#include <QEventLoop>

namespace torva::ui {

WorkerThread::WorkerThread() : context_(new QObject) {
    thread_.setObjectName(QStringLiteral("torva-worker"));
    context_->moveToThread(&thread_);
    thread_.start();
}

WorkerThread::~WorkerThread() {
    thread_.quit();
    thread_.wait();
    delete context_;
}

void WorkerThread::run(const std::function<void()>& call) {
    QEventLoop loop;
    std::promise<void> done;
    std::future<void> finished = done.get_future();
    QMetaObject::invokeMethod(
        context_,
        [&call, &done, &loop] {
            try {
                call();
                done.set_value();
            } catch (...) {
                done.set_exception(std::current_exception());
            }
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    loop.exec();
    // The loop also ends when the application is quitting: the call still
    // holds references into this frame, so wait for it.
    finished.get();
}

}  // namespace torva::ui
