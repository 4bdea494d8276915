#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace torva {

// The name under which the service publishes the response of a pending
// marker in "ENV/", which is also its local name: the marker's first letter
// replaced by its response letter (slot 11 at the place of the send letter in
// slot 10), the ".err" name when both letters are the same, or "a" for an
// e-name with "." at the 9th place. Nothing when the marker's letter is not a
// send letter in either case.
std::optional<std::string> nombreRespuesta(std::string_view marker, std::string_view sendLetters,
                                           std::string_view receiveLetters);

}  // namespace torva
