#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "state/Observed.h"

namespace torva {

// Tabs of `SSTab1`.
inline constexpr int kTabConfiguracion = 0;
inline constexpr int kTabStatus = 1;
inline constexpr int kTabConexion = 2;

// The scheduler's counters and the hidden fields the cycle reads: elapsed
// seconds, notice age, ticker count, the immediate-pass request
// `TxtActualizar` and the path of the pending listing `RemoteFileListBox`.
struct CycleState : Observed {
    // 0 while stopped and during a pass; 1 at the end of every pass.
    std::int16_t elapsedSeconds = 0;
    // Running ticks since the last notice fetch, never past 250.
    std::uint8_t noticeAge = 0;
    // Ticks since the notice ticker last moved.
    int tickerCount = 0;
    // Position in `LstMensajes` of the next notice the ticker shows.
    int noticeIndex = 0;
    // "1" asks for a pass at the next running tick.
    std::string txtActualizar;
    // The folder `RemoteFileListBox` lists: the pending markers.
    std::string pendingListingPath;
    // The names of the files it listed when the pass pointed it there.
    std::vector<std::string> pendingListing;
    // A tick inside the day-change window found a pass running; the day
    // change runs when the pass ends.
    bool dayChangePending = false;

    // True while a pass runs, also while it waits on a modal window or on a
    // transfer. The view disables the commands that would change what the
    // pass works on.
    bool passInProgress() const { return passInProgress_; }
    void setPassInProgress(bool on) {
        if (passInProgress_ != on) {
            passInProgress_ = on;
            notify([](MainObserver& o) { o.passChanged(); });
        }
    }
    // The ticker shows a notice that begins with "**": red on the window
    // colour instead of dark blue on the button colour.
    bool tickerAlert() const { return tickerAlert_; }
    void setTickerAlert(bool on) {
        if (tickerAlert_ != on) {
            tickerAlert_ = on;
            notify([](MainObserver& o) { o.tickerColourChanged(); });
        }
    }
    // Detener, or the window closing, during a pass: the pass ends after the
    // file in flight and the cycle then stops.
    bool stopRequested = false;

    // The test buttons of the connection tab, disabled while the cycle runs.
    bool testsEnabled() const { return testsEnabled_; }
    void setTestsEnabled(bool on) {
        testsEnabled_ = on;
        notify([](MainObserver& o) { o.testsEnabledChanged(); });
    }

    // Brings a tab of `SSTab1` to the front; the last one asked for is kept.
    int shownTab() const { return shownTab_; }
    void showTab(int tab) {
        shownTab_ = tab;
        notify([tab](MainObserver& o) { o.showTab(tab); });
    }

  private:
    bool passInProgress_ = false;
    bool tickerAlert_ = false;
    bool testsEnabled_ = true;
    int shownTab_ = kTabConfiguracion;
};

}  // namespace torva
