#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "logview/FileViewer.h"
#include "logview/ViewerRows.h"
#include "logview/WrapTable.h"
#include "state/Captions.h"

namespace torva {

inline constexpr const char* kCargandoArchivo = "Cargando Archivo Respuesta ...";
inline constexpr const char* kRegistroDemasiadoGrande =
    "El registro es demasiado grande para presentarlo";

// A file as the viewer shows it: its rows and its wrap table.
struct ViewerDocument {
    ViewerRows rows;
    WrapTable wraps;
};

// Splits a file's Windows-1252 text, given in pieces, into the viewer's rows.
// Lines end at CR LF or CR; an LF inside a line ends a row and starts a new
// record. A piece of 32000 characters or more between line or LF ends is the
// one row kRegistroDemasiadoGrande; a longer one than 100 characters (or any
// piece of a line that holds an LF) is cut into rows of 102 characters and a
// last shorter one, and every row after the first of such a piece is a
// continuation, recorded in the wrap table.
class ViewerRowSplitter {
  public:
    static constexpr std::size_t kTooLong = 32000;
    static constexpr std::size_t kShortLine = 100;
    static constexpr std::size_t kRowLength = 102;

    // expectedBytes: the file's size, so the rows' text is allocated once.
    explicit ViewerRowSplitter(std::size_t expectedBytes = 0);
    void feed(std::string_view bytes);
    // The end of the file: a last line without its end is a line too.
    void finish();
    // The rows would have passed what they can hold; the document is cut short.
    bool overflow() const { return overflow_; }
    ViewerDocument take() { return std::move(doc_); }

  private:
    void append(std::string_view bytes);
    void endSegment(bool byLf);
    void endLine();
    void addRow(std::string_view ansi, bool continues);

    ViewerDocument doc_;
    std::string segment_;  // at most kTooLong bytes of it
    std::size_t segmentLength_ = 0;
    bool lineStarted_ = false;
    bool lineHasLf_ = false;
    bool afterCr_ = false;
    std::uint32_t records_ = 0;
    bool overflow_ = false;
};

// The whole text at once.
ViewerDocument splitViewerRows(std::string_view bytes);

enum class ViewerRead { Read, Unreadable, TooLarge };

// Reads the file at path into the viewer's rows.
ViewerRead readViewerDocument(const std::string& path, ViewerDocument& doc);

// What `MuestraArchivo` works on: the status line, the operator, the viewer
// and how the reading of a big file runs; a smaller one is read in place, in
// a few milliseconds.
struct ViewerContext {
    static constexpr std::uintmax_t kReadInPlace = 4u << 20;

    Captions& captions;
    OperatorDialogs& dialogs;
    FileViewer& viewer;
    RunBlocking runBlocking = [](const std::function<void()>& call) { call(); };
};

// Loads the file name in directory dir into the viewer and shows it. A file
// that is missing or cannot be read is reported and leaves the viewer as it was.
void MuestraArchivo(ViewerContext& ctx, const std::string& name, const std::string& dir);

}  // namespace torva
