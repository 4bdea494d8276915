#pragma once

#include <cstdint>
#include <string>

#include "platform/Clock.h"
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

    // The FTP session operations on this context's client and status line.
    FtpSession session() { return {ftp, config, captions, dialogs, &letterOffset}; }
    // The profile operations, the checks among them, on this context's parts.
    ProfileContext profiles() { return {config, captions, lists, edit, gauges, dialogs}; }
};

}  // namespace torva
