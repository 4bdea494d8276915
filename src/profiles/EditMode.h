#pragma once

#include "platform/OperatorDialogs.h"
#include "state/EditState.h"

namespace torva {

// `Menu_Configure`: enters edit mode after the operator confirms, or leaves it
// without a question and without saving.
void AlternaEdicion(EditState& edit, OperatorDialogs& dialogs);

}  // namespace torva
