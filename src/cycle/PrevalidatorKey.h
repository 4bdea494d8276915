#pragma once

#include <string_view>

namespace torva {

// The prevalidator key of the service this program is built for: the line
// repair writes it into the fifth field of every 801 record.
inline constexpr std::string_view kClavePrevalidador = "010";

}  // namespace torva
