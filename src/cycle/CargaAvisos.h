#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cycle/CycleContext.h"

namespace torva {

// The notices of aviso.gen: a line ends at CR or CR LF; a line holding lone
// line feeds gives one notice per piece between them (an empty one between
// two line feeds), its last piece only when not empty. Text as in the file
// (Windows-1252).
std::vector<std::string> avisosGenerales(std::string_view bytes);

// Loads the general notices of aviso.gen in the receive folder into
// `LstMensajes` ("No hay avisos" without the file), shows the first in
// `LblDespliega`, then loads the particular notice.
void CargaAvisos(CycleContext& ctx);

}  // namespace torva
