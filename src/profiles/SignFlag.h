#pragma once

#include "profiles/ProfileContext.h"

namespace torva {

// A click of `ChkFirmar`: writes slot 16, then refuses to stay checked while
// the key file, certificate file or pass phrase is missing.
void ChkFirmar_Click(const ProfileContext& ctx, bool checked);

}  // namespace torva
