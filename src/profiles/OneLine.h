#pragma once

#include <string>
#include <string_view>

namespace torva {

// The text without line breaks or other control characters (C0, DEL, C1 and
// the Unicode line and paragraph separators), so a pasted value stays one
// line of a file.
std::string oneLine(std::string_view utf8);

}  // namespace torva
