#include "logview/MuestraArchivo.h"

#include <algorithm>
#include <array>
#include <memory>

#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace torva {

ViewerRowSplitter::ViewerRowSplitter(std::size_t expectedBytes) {
    doc_.rows.reserve(std::min(expectedBytes, ViewerRows::kMaxBytes));
    segment_.reserve(kTooLong);
}

void ViewerRowSplitter::feed(std::string_view bytes) {
    std::size_t i = 0;
    if (afterCr_ && !bytes.empty()) {
        afterCr_ = false;
        if (bytes[0] == '\n') {
            i = 1;  // the LF of a CR LF split between pieces
        }
    }
    const std::size_t n = bytes.size();
    while (i < n) {
        std::size_t j = i;
        while (j < n && bytes[j] != '\r' && bytes[j] != '\n') {
            ++j;
        }
        append(bytes.substr(i, j - i));
        if (j == n) {
            return;
        }
        if (bytes[j] == '\n') {
            lineStarted_ = true;
            endSegment(true);
            i = j + 1;
            continue;
        }
        endLine();
        i = j + 1;
        if (i == n) {
            afterCr_ = true;
        } else if (bytes[i] == '\n') {
            ++i;
        }
    }
}

void ViewerRowSplitter::finish() {
    if (lineStarted_) {
        endLine();
    }
}

void ViewerRowSplitter::append(std::string_view bytes) {
    if (bytes.empty()) {
        return;
    }
    lineStarted_ = true;
    segmentLength_ += bytes.size();
    if (segment_.size() < kTooLong) {
        segment_.append(bytes.substr(0, kTooLong - segment_.size()));
    }
}

void ViewerRowSplitter::endLine() {
    endSegment(false);
    lineStarted_ = false;
    lineHasLf_ = false;
}

void ViewerRowSplitter::endSegment(bool byLf) {
    if (segmentLength_ >= kTooLong) {
        addRow(kRegistroDemasiadoGrande, false);
    } else if (!byLf && !lineHasLf_ && segmentLength_ <= kShortLine) {
        addRow(segment_, false);
    } else {
        // Rows of 102 characters and a last shorter one, which an LF ends
        // even when it is empty.
        std::string_view rest = segment_;
        bool continues = false;
        while (rest.size() >= kRowLength) {
            addRow(rest.substr(0, kRowLength), continues);
            continues = true;
            rest.remove_prefix(kRowLength);
        }
        if (byLf || !rest.empty()) {
            addRow(rest, continues);
        }
    }
    segment_.clear();
    segmentLength_ = 0;
    lineHasLf_ = lineHasLf_ || byLf;
}

void ViewerRowSplitter::addRow(std::string_view ansi, bool continues) {
    if (overflow_) {
        return;
    }
    if (!doc_.rows.add(ansi)) {
        overflow_ = true;
        return;
    }
    // A row closed at its length limit is recorded only once a row of the
    // same record follows it.
    if (continues) {
        doc_.wraps.add(records_);
    } else {
        ++records_;
    }
}

ViewerDocument splitViewerRows(std::string_view bytes) {
    ViewerRowSplitter splitter(bytes.size());
    splitter.feed(bytes);
    splitter.finish();
    return splitter.take();
}

ViewerRead readViewerDocument(const std::string& path, ViewerDocument& doc) {
    const auto size = fileSize(path);
    if (!size) {
        return ViewerRead::Unreadable;
    }
    if (*size > ViewerRows::kMaxBytes) {
        return ViewerRead::TooLarge;
    }
    ViewerRowSplitter splitter(static_cast<std::size_t>(*size));
    auto buffer = std::make_unique<std::array<char, 1 << 20>>();
    const std::error_code ec = readFileInPieces(path, *buffer, [&splitter](std::string_view piece) {
        splitter.feed(piece);
        return !splitter.overflow();
    });
    if (ec) {
        return ViewerRead::Unreadable;
    }
    splitter.finish();
    if (splitter.overflow()) {
        return ViewerRead::TooLarge;
    }
    doc = splitter.take();
    return ViewerRead::Read;
}

void MuestraArchivo(ViewerContext& ctx, const std::string& name, const std::string& dir) {
    ctx.captions.set(Caption::Evento, kCargandoArchivo);
    const std::string path = joinPath(dir, name);
    if (!isRegularFile(path)) {
        showCritical(ctx.dialogs, "No se encontro el Archivo '" + name + "' en el directorio '" +
                                      dir + "' ha sido borrado o movido.");
        return;
    }
    ViewerDocument doc;
    ViewerRead read = ViewerRead::Unreadable;
    {
        const BusyCursor busy(ctx.dialogs);
        const auto reading = [&] { read = readViewerDocument(path, doc); };
        const auto size = fileSize(path);
        if (size && *size > ViewerContext::kReadInPlace) {
            ctx.runBlocking(reading);
        } else {
            reading();
        }
    }
    if (read == ViewerRead::Unreadable) {
        showCritical(ctx.dialogs, "No fue posible leer el Archivo '" + name +
                                      "' en el directorio '" + dir + "'.");
        return;
    }
    if (read == ViewerRead::TooLarge) {
        showCritical(ctx.dialogs,
                     "El Archivo '" + name + "' es demasiado grande para presentarlo.");
        return;
    }
    ctx.viewer.cargaRenglones(std::move(doc.rows));
    ctx.viewer.muestra("TORVAVal   -> Archivo '" + name + "' ubicado en '" + dir + "'");
    ctx.viewer.RecibeArreglos(doc.wraps);
}

}  // namespace torva
