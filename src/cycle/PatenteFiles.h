#pragma once

#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "cycle/CycleContext.h"

namespace torva {

// The name test of the pending and rejected lists: the 4 characters that end
// at position L + A - 7 of the name are the patente.
bool esDeLaPatente(const std::string& name, const std::string& patente);

// Names of the plain files of a folder, in the order NTFS lists them; a missing folder has none.
// Other failures to read it are returned in ec.
std::vector<std::string> filesOf(const std::string& directory, std::error_code& ec);

// The files of the patente in a folder of the pending or rejected list. None
// when the folder is not a valid local directory; none, with the status line
// saying so, when it cannot be read, so the list keeps what it showed.
std::optional<std::vector<std::string>> filesOfPatente(CycleContext& ctx,
                                                       const std::string& directory);

}  // namespace torva
