#include "nettest/CalificaEnlace.h"

#include "platform/Text.h"

namespace torva {

std::string calificacion(long long received, long long sent) {
    // received / sent against the bounds, in whole numbers.
    const long long r = received * 100;
    if (r >= sent * 90) {
        return "Excelente";
    }
    if (r >= sent * 75) {
        return "Buena";
    }
    if (r >= sent * 65) {
        return "Regular";
    }
    if (r >= sent * 50) {
        return "Mala";
    }
    return "Deficiente";
}

void CalificaEnlace(PruebasState& pruebas) {
    const auto received = parseInteger(pruebas.recvLabel());
    const auto sent = parseInteger(pruebas.sendLabel());
    // Nothing to rate without requests.
    if (!received || !sent || *sent <= 0 || *received < 0) {
        return;
    }
    pruebas.setResultado(calificacion(*received, *sent));
}

}  // namespace torva
