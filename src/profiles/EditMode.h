#pragma once

#include "profiles/ProfileContext.h"

namespace torva {

// `Menu_Configure`: enters edit mode after the operator confirms, or leaves it
// without a question and without saving.
void AlternaEdicion(const ProfileContext& ctx);

}  // namespace torva
