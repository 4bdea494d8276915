#pragma once

#include <cstdint>
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
// a trailing dot or blank), bytes that are not UTF-8 text, or the form of a
// download's temporary name. A line that
// repeats the listed directory ("ENV/general/aviso.gen") gives its last part.
std::optional<std::string> plainListingName(std::string_view line,
                                            std::string_view remoteDirectory);

// The plain names of a name listing (one per line, LF or CR LF), in order,
// without repeats. A name equal to an earlier one without regard to case
// would land on the same local file: it is left out, and added to
// caseDuplicates when given.
std::vector<std::string> parseNameList(std::string_view listing, std::string_view remoteDirectory,
                                       std::vector<std::string>* caseDuplicates = nullptr);

// The name in the case Windows ignores when it compares file names (ASCII
// and Latin-1 letters lowered).
std::string foldNameCase(std::string_view name);

// Temporary names of downloads: "~tv" and 8 hex digits and ".part", short
// enough for any name limit. plainListingName never gives one, so a listed
// name cannot collide with a download's temporary file.
std::string temporaryDownloadName(std::uint32_t tag);
bool isTemporaryDownloadName(std::string_view name);

// "*" and "?" wildcards compared without regard to case; "*.*" and "*" match
// every name, as on Windows.
bool matchesMask(std::string_view name, std::string_view mask);

}  // namespace torva
