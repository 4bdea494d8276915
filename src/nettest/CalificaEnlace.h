#pragma once

#include <string>

#include "nettest/PruebasState.h"

namespace torva {

// The rating of replies received out of requests sent: "Excelente" from 0.9,
// "Buena" from 0.75, "Regular" from 0.65, "Mala" from 0.5, else "Deficiente".
std::string calificacion(long long received, long long sent);

// `LblResultado` from the numbers shown in `RecvLabel` and `SendLabel`.
void CalificaEnlace(PruebasState& pruebas);

}  // namespace torva
