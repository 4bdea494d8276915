#pragma once

#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// The service's text files are Windows-1252 with CR LF line ends; inside the
// program text is UTF-8. These convert at the edge.
namespace torva {

std::string ansiToUtf8(std::string_view ansi);
// Characters without a Windows-1252 code become '?'.
std::string utf8ToAnsi(std::string_view utf8);

// Splits on CR LF, LF or a lone CR; a last line without its end still counts.
std::vector<std::string> splitLines(std::string_view bytes);

// Reads a Windows-1252 text file as UTF-8 lines.
std::error_code readAnsiLines(const std::string& path, std::vector<std::string>& lines);

// Writes UTF-8 lines as Windows-1252, each ended by CR LF, replacing the file
// atomically.
std::error_code writeAnsiLines(const std::string& path, const std::vector<std::string>& lines);

// Appends UTF-8 lines as Windows-1252 with CR LF; creates the file if needed.
// After a last line without its end, the new lines start on a line of their own.
std::error_code appendAnsiLines(const std::string& path, const std::vector<std::string>& lines);
// The same, with the path as it stands on disk (a FolderIndex gives it).
std::error_code appendAnsiLinesExact(const std::string& path,
                                     const std::vector<std::string>& lines);

}  // namespace torva
