#include "ui/QtPrinters.h"

#include <optional>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace torva::ui {
namespace {

constexpr int kRowCharacters = 102;
constexpr qreal kLargestPoints = 10.0;
constexpr qreal kSmallestPoints = 6.0;

QFont courier(QPaintDevice* device, qreal width) {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    const QString row(kRowCharacters, QLatin1Char('M'));
    for (qreal points = kLargestPoints; points >= kSmallestPoints; points -= 0.5) {
        font.setPointSizeF(points);
        if (QFontMetricsF(font, device).horizontalAdvance(row) <= width) {
            break;
        }
    }
    return font;
}

// Paints the lines page after page; false when a page could not be started.
bool paint(QPainter& painter, QPrinter& printer, const PrintLines& lines) {
    const qreal width = printer.width();
    const qreal height = printer.height();
    const QFont font = courier(&printer, width);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const qreal lineHeight = metrics.lineSpacing();
    qreal y = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString text = QString::fromStdString(lines.line(i));
        qreal needed = lineHeight;
        const bool wraps = metrics.horizontalAdvance(text) > width;
        if (wraps) {
            needed = painter
                         .boundingRect(QRectF(0, 0, width, height),
                                       Qt::TextWrapAnywhere | Qt::AlignLeft, text)
                         .height();
        }
        if (y > 0 && y + needed > height) {
            if (!printer.newPage()) {
                return false;
            }
            y = 0;
        }
        if (wraps) {
            painter.drawText(QRectF(0, y, width, needed), Qt::TextWrapAnywhere | Qt::AlignLeft,
                             text);
        } else {
            painter.drawText(QPointF(0, y + metrics.ascent()), text);
        }
        y += needed;
    }
    return true;
}

}  // namespace

void QtPrinters::addPdfPrinter(const std::string& name, const std::string& outputFile) {
    const std::lock_guard lock(mutex_);
    pdf_.emplace_back(name, outputFile);
}

std::vector<std::string> QtPrinters::names() {
    std::vector<std::string> out;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        out.push_back(name.toStdString());
    }
    const std::lock_guard lock(mutex_);
    for (const auto& entry : pdf_) {
        out.push_back(entry.first);
    }
    return out;
}

PrintOutcome QtPrinters::print(const std::string& printerName, const std::string& documentName,
                               const PrintLines& lines) {
    std::optional<std::string> pdfFile;
    {
        const std::lock_guard lock(mutex_);
        for (const auto& entry : pdf_) {
            if (entry.first == printerName) {
                pdfFile = entry.second;
            }
        }
    }
    QPrinter printer(QPrinter::HighResolution);
    if (pdfFile) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(*pdfFile));
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(printerName));
        if (info.isNull()) {
            return PrintOutcome::Failed;
        }
        printer.setPrinterName(info.printerName());
    }
    printer.setDocName(QString::fromStdString(documentName));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return PrintOutcome::Failed;
    }
    const bool painted = paint(painter, printer, lines);
    if (!painted) {
        printer.abort();
    }
    const bool ended = painter.end();
    const bool failed =
        printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted;
    return painted && ended && !failed ? PrintOutcome::Printed : PrintOutcome::Failed;
}

}  // namespace torva::ui
