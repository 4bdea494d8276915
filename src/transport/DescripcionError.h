#pragma once

#include <cstdint>
#include <string>

namespace torva {

inline constexpr const char* kSinDescripcion = "Error sin descripción";

// The operator's explanation of an FTP component result code.
std::string DescripcionError(std::int32_t code);

}  // namespace torva
