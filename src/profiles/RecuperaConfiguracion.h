#pragma once

#include <string>

#include "profiles/ProfileContext.h"

namespace torva {

// `Menu_RecuperaConf`: after the operator confirms, restores the profile list
// and each profile's configuration file from a backup folder. Each file is
// written beside its target and renamed into place, so a failed copy leaves
// the file as it was. True when the operator confirmed: the main window then
// closes through its exit path, whatever was restored.
bool RecuperaConfiguracion(const ProfileContext& ctx, const std::string& configDirectory);

}  // namespace torva
