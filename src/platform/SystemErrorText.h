#pragma once

namespace torva {

// The operator's text for a code of the system's own error family
// (std::system_category) that the portable conditions do not cover: on
// Windows its sharing, lock and path codes; null for any other code.
const char* systemErrorText(int code);

}  // namespace torva
