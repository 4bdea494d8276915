#include "nettest/LoopRunner.h"

#include <thread>

namespace torva::test {

LoopRunner::~LoopRunner() {
    for (Pending& p : pending_) {
        p.outcome.wait();
    }
}

EchoOutcome LoopRunner::runWaiting(const Work& work) {
    if (whileWaiting) {
        whileWaiting();
    }
    return work();
}

void LoopRunner::runDetached(Work work, Done done) {
    pending_.push_back({std::async(std::launch::async, std::move(work)), std::move(done)});
}

void LoopRunner::startRepeat(int intervalMs, std::function<void()> tick) {
    tick_ = std::move(tick);
    interval_ = std::chrono::milliseconds(intervalMs);
    nextTick_ = Clock::now() + interval_;
}

void LoopRunner::step() {
    for (std::size_t i = 0; i < pending_.size();) {
        if (pending_[i].outcome.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            Pending p = std::move(pending_[i]);
            pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i));
            p.done(p.outcome.get());
        } else {
            ++i;
        }
    }
    if (tick_ && Clock::now() >= nextTick_) {
        nextTick_ += interval_;
        const auto tick = tick_;
        tick();
    }
}

bool LoopRunner::runUntil(const std::function<bool()>& until, int ms) {
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < end) {
        step();
        if (until()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

}  // namespace torva::test
