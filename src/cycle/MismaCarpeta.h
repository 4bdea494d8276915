#pragma once

#include <string>

namespace torva {

// The two paths name one folder: the same text, or the same folder on disk
// (written in another case, with a trailing separator, through a link).
bool mismaCarpeta(const std::string& a, const std::string& b);

}  // namespace torva
