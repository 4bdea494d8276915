#pragma once

#include <string>
#include <utility>
#include <vector>

namespace torva::test {

// A slot of the configuration record and its text.
using SlotValue = std::pair<int, std::string>;

// Writes profile index's configuration file in directory, as the program
// saves it, with the given slots set and the others empty; true when written.
bool saveProfile(const std::string& directory, int index, const std::vector<SlotValue>& slots);

}  // namespace torva::test
