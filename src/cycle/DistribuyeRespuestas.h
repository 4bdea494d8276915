#pragma once

#include <string_view>

#include "cycle/CycleContext.h"

namespace torva {

// The routing rule for a response of the route's response letter: whether it
// goes to the route whose send letter is sendLetter.
bool respuestaVaARuta(std::string_view response, std::string_view sendLetter);

// Copies the day's responses (`LstRecibidos`) still in the receive folder to
// the receive folders of their routes. A copy that fails is reported in
// `Evento`; the response stays in the receive folder.
void DistribuyeRespuestas(CycleContext& ctx);

}  // namespace torva
