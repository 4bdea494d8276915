#include "nettest/Ping1Events.h"

#include "nettest/Ping1_EchoReply.h"
#include "nettest/Ping1_RequestDone.h"

namespace torva {

void Ping1Events::EchoReply(std::uint16_t sequence, std::uint16_t bytes,
                            std::int32_t milliseconds) {
    Ping1_EchoReply(ctx_, sequence, bytes, milliseconds);
}

void Ping1Events::RequestDone() {
    Ping1_RequestDone(ctx_);
}

}  // namespace torva
