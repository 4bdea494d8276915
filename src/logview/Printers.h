#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The installed printers, as the viewer prints on them. The Qt windows
// implement it; tests print through the real one to a PDF file.
namespace torva {

// The lines of a document, in order, as UTF-8 text.
class PrintLines {
  public:
    virtual ~PrintLines() = default;
    virtual std::size_t size() const = 0;
    virtual std::string line(std::size_t i) const = 0;
};

enum class PrintOutcome { Printed, Failed };

class Printers {
  public:
    virtual ~Printers() = default;
    // The names of the installed printers, in the system's order.
    virtual std::vector<std::string> names() = 0;
    // Prints the lines as one document on the named printer, one printed line
    // each, and ends the document. May be called off the GUI thread.
    virtual PrintOutcome print(const std::string& printer, const std::string& documentName,
                               const PrintLines& lines) = 0;
};

}  // namespace torva
