#pragma once

#include <chrono>
#include <functional>
#include <future>
#include <vector>

#include "nettest/EchoRunner.h"

namespace torva::test {

// The owner's event loop in a test: detached requests run on threads of
// their own, and their results and the repeat ticks are handed over while the
// test runs the loop.
class LoopRunner final : public EchoRunner {
  public:
    ~LoopRunner() override;

    EchoOutcome runWaiting(const Work& work) override;
    void runDetached(Work work, Done done) override;
    void startRepeat(int intervalMs, std::function<void()> tick) override;
    void stopRepeat() override { tick_ = nullptr; }

    // Runs the loop until until() holds or ms have passed; false on time-out.
    bool runUntil(const std::function<bool()>& until, int ms);
    void runFor(int ms) {
        runUntil([] { return false; }, ms);
    }

    // Called inside each waiting request, before it runs.
    std::function<void()> whileWaiting;

  private:
    using Clock = std::chrono::steady_clock;
    struct Pending {
        std::future<EchoOutcome> outcome;
        Done done;
    };
    void step();

    std::vector<Pending> pending_;
    std::function<void()> tick_;
    Clock::duration interval_{};
    Clock::time_point nextTick_{};
};

}  // namespace torva::test
