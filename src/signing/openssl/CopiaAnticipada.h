#pragma once

#include <optional>
#include <string>
#include <string_view>

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

// The signed copy begun while the search reads the file: each piece read goes
// to the temporary file beside it and to the digest, each on a thread of its
// own, so that the disk takes the copy while the search runs and the
// signature has only its closing records to add. Dropped unfinished, it
// removes its temporary file.
class CopiaAnticipada {
  public:
    explicit CopiaAnticipada(const std::string& path);

    // The next piece of the file.
    void lee(std::string_view piece);
    // Waits for the copy and the digest of the pieces read, then adds fin to
    // both; the digest, or nothing when a write or the digest failed.
    std::optional<Digest> termina(std::string_view fin);
    TemporaryFileWriter& copia() { return copia_; }

  private:
    TemporaryFileWriter copia_;
    bool ok_;
    ResumenAparte resumen_;
    PieceWorker escritor_;  // after what it uses
};

}  // namespace torva::ossl
