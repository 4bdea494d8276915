#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cycle/CycleContext.h"

namespace torva {

// The fields of a comma-separated text as sequential input reads them:
// fields end at a comma, a CR or a CR LF; blanks around a field are dropped;
// a field in double quotes may hold commas, and ends with its line when the
// quote is left open. Lone line feeds stay in the field.
std::vector<std::string> camposSeparados(std::string_view bytes);

// The particular notice's text from the fields of aviso.txt: fields joined
// without separator; a field with line feeds adds each piece after a blank.
std::string avisoParticular(std::string_view bytes);

// Shows aviso.txt of the receive folder in `LblAvisoParticular`; without the
// file the label keeps its text.
void CargaAvisoParticular(CycleContext& ctx);

}  // namespace torva
