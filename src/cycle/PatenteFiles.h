#pragma once

#include <string>
#include <system_error>
#include <vector>

namespace torva {

// The name test of the pending and rejected lists: the 4 characters that end
// at position L + A - 7 of the name are the patente.
bool esDeLaPatente(const std::string& name, const std::string& patente);

// Names of the plain files of a folder, sorted; a missing folder has none.
// Other failures to read it are returned in ec.
std::vector<std::string> filesOf(const std::string& directory, std::error_code& ec);

}  // namespace torva
