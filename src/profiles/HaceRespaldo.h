#pragma once

#include <string>

#include "profiles/ProfileContext.h"

namespace torva {

// `Menu_HaceRespaldo`: after the operator confirms, saves the current
// configuration and copies the profile list and every profile's
// configuration file into both backup folders. The modified flag is cleared
// only when every copy was made. True when the backup is complete.
bool HaceRespaldo(const ProfileContext& ctx, const std::string& configDirectory,
                  const std::string& configPath);

}  // namespace torva
