#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "logview/Printers.h"

namespace torva::ui {

// The installed printers through Qt's print support. Lines print in Courier,
// as many on a page as fit, at a size that fits the viewer's 102-character
// rows across the page; a longer line goes on over the next lines.
class QtPrinters final : public Printers {
  public:
    // A printer that writes a PDF file, listed after the installed ones.
    void addPdfPrinter(const std::string& name, const std::string& outputFile);

    std::vector<std::string> names() override;
    PrintOutcome print(const std::string& printer, const std::string& documentName,
                       const PrintLines& lines) override;

  private:
    std::mutex mutex_;
    std::vector<std::pair<std::string, std::string>> pdf_;
};

}  // namespace torva::ui
