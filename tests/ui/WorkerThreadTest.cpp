#include <gtest/gtest.h>
#include <chrono>
#include <QTimer>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "EventProbe.h"
#include "ui/WorkerThread.h"

namespace torva::ui {
namespace {

using Steady = std::chrono::steady_clock;

// A pass of calls too short to be waited for through the event loop: the
// window still gets its events at short intervals.
TEST(WorkerThread, ManyShortCallsLeaveTheEventsTheirTurn) {
    WorkerThread worker;
    test::EventProbe probe(5);
    int calls = 0;
    const auto begin = Steady::now();
    while (Steady::now() - begin < std::chrono::milliseconds(800)) {
        worker.run([&calls] {
            std::this_thread::sleep_for(std::chrono::microseconds(300));
            ++calls;
        });
    }
    probe.stop();
    EXPECT_GT(calls, 100);
    EXPECT_GT(probe.ticks(), 10);
    EXPECT_LT(probe.longestGap(), 0.1);
}

// A call handed over from an event while another is in flight runs after
// it, each caller gets its own call's outcome, and a throw reaches its caller.
TEST(WorkerThread, NestedCallsRunInTurnAndThrowsReachTheirCaller) {
    WorkerThread worker;
    std::vector<std::string> order;
    QTimer::singleShot(20, [&] {
        worker.run([&order] { order.push_back("inner"); });
        order.push_back("inner returned");
    });
    worker.run([&order] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        order.push_back("outer");
    });
    order.push_back("outer returned");
    EXPECT_EQ(order,
              (std::vector<std::string>{"outer", "inner", "inner returned", "outer returned"}));
    EXPECT_THROW(worker.run([] { throw std::runtime_error("falla"); }), std::runtime_error);
    int after = 0;
    worker.run([&after] { after = 1; });
    EXPECT_EQ(after, 1);
}

}  // namespace
}  // namespace torva::ui
