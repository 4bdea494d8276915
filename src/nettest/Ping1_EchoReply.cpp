#include "nettest/Ping1_EchoReply.h"

#include <charconv>

#include "nettest/EchoTransport.h"

namespace torva {

std::string perdidaRespuesta(std::uint16_t bytes) {
    const double loss = (kEchoDataBytes - static_cast<double>(bytes)) / kEchoDataBytes * 100.0;
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, loss, std::chars_format::fixed);
    return std::string(text, result.ptr);
}

void Ping1_EchoReply(PruebasContext& ctx, std::uint16_t sequence, std::uint16_t bytes,
                     std::int32_t milliseconds) {
    const std::string address = ctx.ping1 ? ctx.ping1->TargetAddress() : std::string();
    ctx.pruebas.agregaSalida("   Ping a [" + address + "]: 32 bytes enviados, " +
                             std::to_string(bytes) + " bytes recibidos, icmp_seq=" +
                             std::to_string(sequence) + ", lapso=" + std::to_string(milliseconds) +
                             " ms  " + perdidaRespuesta(bytes) + "% Perdidas\r\n");
    if (ctx.ping1) {
        ctx.pruebas.setRecvLabel(std::to_string(ctx.ping1->RepliesReceived()));
    }
}

}  // namespace torva
