#include "nettest/EchoCodes.h"

namespace torva {

std::string textoFallaSocket(EchoCode code) {
    switch (code) {
        case EchoCode::SocketDenied:
            return "No es posible realizar la prueba: el sistema no permite a este programa abrir "
                   "un socket ICMP (permiso denegado), comuniquese con su personal de Informática.";
        case EchoCode::SocketUnavailable:
            return "No es posible realizar la prueba: no se pudo abrir un socket ICMP en esta "
                   "computadora (sin protocolo IP o sin dirección), comuniquese con su personal "
                   "de Informática.";
        default:
            return {};
    }
}

}  // namespace torva
