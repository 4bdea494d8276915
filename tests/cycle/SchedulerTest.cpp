#include <gtest/gtest.h>

#include "cycle/CycleFixture.h"
#include "cycle/TmrControl_Timer.h"

namespace torva {
namespace {

using test::CycleFixture;

// Counts passes: every pass ends by selecting the newest sent entry.
struct PassCounter : MainObserver {
    int passes = 0;
    void listLookChanged(ListId which) override { passes += which == ListId::Enviados; }
};

TEST(Scheduler, CycleOfThirtySecondsCountsDownFillsTheBarAndPassesOnTick31) {
    CycleFixture f;
    PassCounter counter;
    f.state.lists.setObserver(&counter);
    f.runningAfterPass();
    const float step = 100.0f / 30;
    for (int tick = 1; tick <= 29; ++tick) {
        f.tick();
        ASSERT_EQ(f.caption(Caption::Evento),
                  "Siguiente ciclo en :" + std::to_string(29 - tick) + " Seg.")
            << "tick " << tick;
        EXPECT_NEAR(f.state.gauges.progress(), 1 + static_cast<float>(tick) * step, 0.01)
            << "tick " << tick;
    }
    f.tick();  // 30: the step would reach 100
    EXPECT_EQ(f.state.gauges.progress(), 1);
    EXPECT_EQ(f.caption(Caption::Evento), "Siguiente ciclo en :0 Seg.");
    EXPECT_EQ(counter.passes, 0);
    EXPECT_FALSE(isDirectory(joinPath(f.send, "Pend")));

    f.tick();  // 31: the pass
    EXPECT_EQ(counter.passes, 1);
    EXPECT_TRUE(isDirectory(joinPath(f.send, "Pend")));
    EXPECT_TRUE(isDirectory(joinPath(f.send, "Enviados")));
    EXPECT_EQ(f.state.cycle.elapsedSeconds, 1);
    EXPECT_EQ(f.state.cycle.noticeAge, 31);
    f.tick();
    EXPECT_EQ(f.caption(Caption::Evento), "Siguiente ciclo en :28 Seg.");
}

TEST(Scheduler, ImmediatePassRequestRunsAPassOnEveryRunningTickOnly) {
    CycleFixture f;
    PassCounter counter;
    f.state.lists.setObserver(&counter);
    f.runningAfterPass();
    f.state.cycle.txtActualizar = "1";
    for (int i = 0; i < 3; ++i) {
        f.tick();
    }
    EXPECT_EQ(counter.passes, 3);

    f.state.cycle.txtActualizar = "0";
    f.tick();
    EXPECT_EQ(counter.passes, 3);
    EXPECT_EQ(f.caption(Caption::Evento), "Siguiente ciclo en :28 Seg.");

    // A cycle that a pass stopped runs no more passes, whatever the request.
    f.state.cycle.txtActualizar = "1";
    f.state.captions.set(Caption::StartButton, "&Iniciar");
    f.tick();
    f.tick();
    EXPECT_EQ(counter.passes, 3);
    EXPECT_EQ(f.state.cycle.elapsedSeconds, 0);
    EXPECT_EQ(f.state.gauges.progress(), 0);
}

TEST(Scheduler, StoppedCycleKeepsCountersStillAndMovesTheClock) {
    CycleFixture f;
    f.clock.set({2026, 12, 9, 14, 5, 9});
    for (int i = 0; i < 12; ++i) {
        f.tick();
    }
    EXPECT_EQ(f.caption(Caption::Hora), "02:05:09 PM");
    EXPECT_EQ(f.state.cycle.elapsedSeconds, 0);
    EXPECT_EQ(f.state.cycle.noticeAge, 0);
    EXPECT_EQ(f.caption(Caption::Evento), "Listo para Iniciar");
}

TEST(Scheduler, ClockLabelUsesTwelveHours) {
    struct Case {
        int hour, minute, second;
        const char* label;
    };
    for (const Case& c : {Case{14, 5, 9, "02:05:09 PM"}, Case{0, 30, 0, "12:30:00 AM"},
                          Case{12, 0, 1, "12:00:01 PM"}, Case{9, 59, 59, "09:59:59 AM"}}) {
        EXPECT_EQ(formatClockLabel({2026, 1, 1, c.hour, c.minute, c.second}), c.label);
    }
    // The locale's own designators, as Windows gives them for Spanish.
    const AmPmDesignators spanish{"a. m.", "p. m."};
    EXPECT_EQ(formatClockLabel({2026, 1, 1, 9, 5, 0}, spanish), "09:05:00 a. m.");
    EXPECT_EQ(formatClockLabel({2026, 1, 1, 21, 5, 0}, spanish), "09:05:00 p. m.");
}

// A message box inside a pass lets ticks run: they move the clock, but start
// no second pass and leave the day change until the pass has ended.
TEST(Scheduler, TicksDuringADialogOfAPassNeitherPassNorChangeTheDay) {
    CycleFixture f;
    f.state.config.set(slot::kSendDir, joinPath(f.dir.path(), "borrado"));  // RevisaDir fails
    f.runningAfterPass();
    f.state.cycle.elapsedSeconds = 31;
    f.state.julianDay = 365;
    f.clock.set({2026, 12, 31, 23, 59, 58});  // the box stays open past midnight
    int dayInsideTheBox = 0;
    f.dialogs.whileShown = [&] {
        f.clock.set({2027, 1, 1, 0, 0, 7});
        f.tick();
        f.tick();
        dayInsideTheBox = f.state.julianDay;
    };
    f.tick();

    EXPECT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.caption(Caption::Hora), "12:00:07 AM");
    EXPECT_EQ(dayInsideTheBox, 365);
    EXPECT_EQ(f.state.julianDay, 1);
    EXPECT_FALSE(f.state.cycle.passInProgress());
    EXPECT_FALSE(f.state.cycle.dayChangePending);
    EXPECT_EQ(f.caption(Caption::StartButton), "&Iniciar");
}

}  // namespace
}  // namespace torva
