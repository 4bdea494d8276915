#pragma once

#include <cstdint>
#include <string>

#include "nettest/PruebasContext.h"

namespace torva {

// The loss of one reply against the 32 bytes sent, as the shortest decimal
// text: 32 -> "0", 16 -> "50", 31 -> "3.125".
std::string perdidaRespuesta(std::uint16_t bytes);

// A reply: its line at the end of `PingOutPut` and the replies in `RecvLabel`.
void Ping1_EchoReply(PruebasContext& ctx, std::uint16_t sequence, std::uint16_t bytes,
                     std::int32_t milliseconds);

}  // namespace torva
