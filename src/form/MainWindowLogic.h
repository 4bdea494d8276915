#pragma once

#include <cstdint>
#include <string>

#include "form/MainState.h"

namespace torva {

// The main window's load: configuration, julian day, lists, checks, purge,
// notices and labels, in that order.
void CargaForm1(MainState& state, MainPorts& ports, std::uint8_t profileIndex,
                const std::string& configDirectory);

// `TmrControl`'s tick, every second while the window is open.
void TmrControl_Timer(MainState& state, MainPorts& ports);

// `Start_Button` and `Menu_Start`: start or stop the cycle. While a pass runs
// (the window stays open to the operator during its transfers and dialogs),
// Detener asks the pass to end after the file in flight and Iniciar is ignored.
void Start_Button_Click(MainState& state, MainPorts& ports);

// `Menu_GuardaConf`: saves, clears the modified flag and locks the folio slots.
void GuardaConfiguracion(MainState& state, OperatorDialogs& dialogs);

// The main window is closing: offers to save a modified configuration, then
// closes the FTP session. False when the operator asked to save and the save
// failed, so the window stays open and the changes are not lost.
bool DescargaForm1(MainState& state, OperatorDialogs& dialogs, FtpClient* ftp = nullptr);

}  // namespace torva
