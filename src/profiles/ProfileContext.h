#pragma once

#include "platform/OperatorDialogs.h"
#include "state/Captions.h"
#include "state/ConfigRecord.h"
#include "state/EditState.h"
#include "state/Gauges.h"
#include "state/Lists.h"

namespace torva {

// What every profile operation works on: the main window's state parts and
// the operator's dialogs. The main window's logic builds one (MainState) and
// hands it to each operation, which takes nothing else but its own values.
struct ProfileContext {
    ConfigRecord& config;
    Captions& captions;
    Lists& lists;
    EditState& edit;
    Gauges& gauges;
    OperatorDialogs& dialogs;
};

}  // namespace torva
