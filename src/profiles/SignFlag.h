#pragma once

#include "platform/OperatorDialogs.h"
#include "state/ConfigRecord.h"

namespace torva {

// A click of `ChkFirmar`: writes slot 16, then refuses to stay checked while
// the key file, certificate file or pass phrase is missing.
void ChkFirmar_Click(ConfigRecord& config, OperatorDialogs& dialogs, bool checked);

}  // namespace torva
