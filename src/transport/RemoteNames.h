#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Names that come from the server's listings, judged before any of them is
// used as a local file name.
namespace torva {

// The plain file name a listing line stands for, or nothing when it must not
// be written locally: empty, "." or "..", a path outside the listed
// directory, characters or names a file cannot have on Windows (CON, nul.txt,
// a trailing dot or blank), or bytes that are not UTF-8 text. A line that
// repeats the listed directory ("ENV/general/aviso.gen") gives its last part.
std::optional<std::string> plainListingName(std::string_view line,
                                            std::string_view remoteDirectory);

// The plain names of a name listing (one per line, LF or CR LF), in order,
// without repeats.
std::vector<std::string> parseNameList(std::string_view listing, std::string_view remoteDirectory);

// "*" and "?" wildcards compared without regard to case; "*.*" and "*" match
// every name, as on Windows.
bool matchesMask(std::string_view name, std::string_view mask);

}  // namespace torva
