#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/FileSystem.h"
#include "signing/openssl/Signature.h"
#include "signing/PieceWorker.h"

namespace torva::ossl {

// A SHA-256 digest taken on a thread of its own, beside the caller's work.
class ResumenAparte {
  public:
    ResumenAparte() : trabajo_([this](std::string_view piece) { return sha_.update(piece); }) {}

    // False once the digest has failed.
    bool update(std::string_view bytes) { return trabajo_.give(bytes); }
    // Waits for the bytes given; the digest can be taken once.
    std::optional<Digest> final() { return trabajo_.finish() ? sha_.final() : std::nullopt; }

  private:
    Sha256 sha_;
    PieceWorker trabajo_;  // after what it uses
};

// The signed copy begun while the search reads the file: each piece is read
// into a buffer that the caller's search, the temporary file beside the file
// and the digest all take it from, the last two on threads of their own, so
// that the disk takes the copy while the search runs and the signature has
// only its closing records to add. Dropped unfinished, it removes its
// temporary file.
class CopiaAnticipada {
  public:
    explicit CopiaAnticipada(const std::string& path);

    // Reads the file, handing each piece to lee on this thread as well. When
    // the copy fails the reading goes on for lee alone.
    std::error_code leeArchivo(const std::string& path,
                               const std::function<void(std::string_view)>& lee);
    // Waits for the copy and the digest of the pieces read, then adds fin to
    // both; the digest, or nothing when a write or the digest failed.
    std::optional<Digest> termina(std::string_view fin);
    TemporaryFileWriter& copia() { return copia_; }

  private:
    TemporaryFileWriter copia_;
    Sha256 sha_;
    bool ok_;
    std::vector<char> propio_;  // the reading's own buffer once the copy has failed
    PieceWorker reparto_;       // after what it uses
};

}  // namespace torva::ossl
