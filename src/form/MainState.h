#pragma once

#include <cstdint>
#include <string>

#include "cycle/CycleContext.h"
#include "form/OfflineFtpClient.h"
#include "nettest/IcmpEcho.h"
#include "nettest/PruebasContext.h"
#include "nettest/PruebasState.h"
#include "platform/Clock.h"
#include "platform/DateText.h"
#include "platform/OperatorDialogs.h"
#include "profiles/ConfigChecks.h"
#include "profiles/ConfigFile.h"
#include "profiles/ProfileContext.h"
#include "signing/SigningLibrary.h"
#include "state/Captions.h"
#include "state/ConfigRecord.h"
#include "state/CycleState.h"
#include "state/EditState.h"
#include "state/Gauges.h"
#include "state/Lists.h"
#include "transport/FtpClient.h"

namespace torva {

// Everything the main window holds, as plain parts. The Qt window owns one
// and shows it through the observer.
struct MainState {
    ConfigRecord config;
    Captions captions;
    Lists lists;
    EditState edit;
    Gauges gauges;
    CycleState cycle;
    // The connection tab.
    PruebasState pruebas;

    std::uint8_t profileIndex = 0;
    std::string configDirectory;
    int julianDay = 0;
    // The letter offset A that `numLetras` leaves.
    std::int16_t letterOffset = 0;

    void setObserver(MainObserver* observer);
    std::string configPath() const { return configFilePath(configDirectory, profileIndex); }
    ProfileContext profiles(OperatorDialogs& dialogs) {
        return {config, captions, lists, edit, gauges, dialogs};
    }
};

// What the main window's logic uses from outside.
struct MainPorts {
    OperatorDialogs& dialogs;
    const Clock& clock;
    HostIdentity host;
    // The FTP session's client; none until the program wires one in.
    FtpClient* ftp = nullptr;
    // None when the program runs without a signing library.
    SigningLibrary* signer = nullptr;
    // The clock label's designators of the user's locale.
    AmPmDesignators amPm = localeAmPmDesignators();
    // The echo component of the connection tab; none until the window wires one in.
    IcmpEcho* ping1 = nullptr;
    // Stands in for the client until one is wired in.
    OfflineFtpClient offline{};

    FtpClient& ftpClient() { return ftp ? *ftp : offline; }
};

// The validation cycle's view of the main window.
CycleContext cycleContext(MainState& state, MainPorts& ports);

// The connectivity tests' view of the main window.
PruebasContext pruebasContext(MainState& state, MainPorts& ports);

}  // namespace torva
