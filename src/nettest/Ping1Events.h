#pragma once

#include "nettest/IcmpEcho.h"
#include "nettest/PruebasContext.h"

namespace torva {

// Hands the echo component's notifications to their handlers.
class Ping1Events final : public EchoListener {
  public:
    explicit Ping1Events(PruebasContext ctx) : ctx_(ctx) {}
    void EchoReply(std::uint16_t sequence, std::uint16_t bytes, std::int32_t milliseconds) override;
    void RequestDone() override;

  private:
    PruebasContext ctx_;
};

}  // namespace torva
