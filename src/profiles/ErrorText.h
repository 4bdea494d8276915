#pragma once

#include <string>
#include <system_error>

namespace torva {

// A file-system failure in Spanish, for the operator ("permiso denegado", not
// the system's own English text).
std::string errorText(const std::error_code& ec);

}  // namespace torva
