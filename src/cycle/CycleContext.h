#pragma once

#include <cstdint>
#include <string>

#include "platform/Clock.h"
#include "platform/DateText.h"
#include "platform/OperatorDialogs.h"
#include "profiles/ProfileContext.h"
#include "signing/SigningLibrary.h"
#include "state/Captions.h"
#include "state/ConfigRecord.h"
#include "state/CycleState.h"
#include "state/EditState.h"
#include "state/Gauges.h"
#include "state/Lists.h"
#include "transport/FtpClient.h"
#include "transport/FtpSession.h"

namespace torva {

// What the pass in progress has met, for its later stages and its end.
struct PassFaults {
    // A call failed and left no session (a time-out, the server gone): the
    // pass makes no more transfers; what is left waits for the next pass.
    bool sessionLost = false;
    // Files that could not be sent or whose response could not be fetched.
    int failed = 0;
    std::string firstFailed;

    void fail(const std::string& name) {
        if (failed++ == 0) {
            firstFailed = name;
        }
    }
};

// What every operation of the validation cycle works on: the main window's
// state parts and the ports. The main window's logic builds one and hands it
// to each operation, which takes nothing else but its own values.
struct CycleContext {
    ConfigRecord& config;
    Captions& captions;
    Lists& lists;
    EditState& edit;
    Gauges& gauges;
    CycleState& cycle;
    int& julianDay;
    std::int16_t& letterOffset;
    std::uint8_t profileIndex;
    std::string configPath;

    OperatorDialogs& dialogs;
    const Clock& clock;
    FtpClient& ftp;
    // None when the program runs without a signing library.
    SigningLibrary* signer = nullptr;
    PassFaults faults{};
    // The clock label's designators, read from the locale once per window.
    AmPmDesignators amPm{};

    // The pass makes no further transfer: the operator asked to stop, or
    // the session was lost.
    bool transfersEnded() const { return cycle.stopRequested || faults.sessionLost; }

    // The FTP session operations on this context's client and status line.
    FtpSession session() { return {ftp, config, captions, dialogs, &letterOffset}; }
    // The profile operations, the checks among them, on this context's parts.
    ProfileContext profiles() { return {config, captions, lists, edit, gauges, dialogs}; }
};

}  // namespace torva
