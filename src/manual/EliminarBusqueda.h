#pragma once

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/OperatorDialogs.h"

namespace torva {

// The pending markers of the patente, the rows of `LstFiles`: the plain files
// of the pending folder whose name holds the patente where the name grammar
// puts it, in the order the folder lists them. A missing folder has none;
// other failures to read it are returned in ec.
std::vector<std::string> marcasDeLaPatente(const std::string& pendingDir, std::string_view patente,
                                           std::error_code& ec);

// How a cancellation went.
enum class Cancelacion { Cancelada, YaNoExiste, NoSeBorro };

// `CmdEliminar`: deletes the marker, so its response is no longer looked for.
Cancelacion borraMarca(const std::string& pendingDir, const std::string& name);

// The box that follows: the cancellation, or why there was nothing to cancel.
void informaCancelacion(OperatorDialogs& dialogs, const std::string& pendingDir,
                        const std::string& name, Cancelacion resultado);

}  // namespace torva
