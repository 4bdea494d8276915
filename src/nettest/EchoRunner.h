#pragma once

#include <functional>

#include "nettest/EchoTransport.h"

namespace torva {

// Where the echo component's requests run and its timer ticks. The window
// runs requests off its thread and hands the results back to it; `done` and
// `tick` always run on the owner's thread.
class EchoRunner {
  public:
    using Work = std::function<EchoOutcome()>;
    using Done = std::function<void(const EchoOutcome&)>;

    virtual ~EchoRunner() = default;
    // Runs work while the caller waits for it (the owner's events go on).
    virtual EchoOutcome runWaiting(const Work& work) = 0;
    // Runs work without waiting; done runs later with its outcome.
    virtual void runDetached(Work work, Done done) = 0;
    // Calls tick every intervalMs until stopRepeat; a new start replaces the old.
    virtual void startRepeat(int intervalMs, std::function<void()> tick) = 0;
    virtual void stopRepeat() = 0;
};

}  // namespace torva
