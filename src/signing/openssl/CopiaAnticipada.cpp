#include "signing/openssl/CopiaAnticipada.h"

#include <span>
#include <utility>

#include "signing/SignedFileScan.h"

namespace torva::ossl {

static_assert(kPiezaLectura <= PieceWorker::kBufferSize);

CopiaAnticipada::CopiaAnticipada(const std::string& path)
    : copia_(path),
      ok_(!copia_.error()),
      reparto_({[this](std::string_view piece) { return !copia_.write(piece); },
                [this](std::string_view piece) { return sha_.update(piece); }}) {}

std::error_code CopiaAnticipada::leeArchivo(const std::string& path,
                                            const std::function<void(std::string_view)>& lee) {
    bool repartido = false;  // the piece is read into a shared buffer
    const auto next = [&]() -> std::span<char> {
        const std::span<char> buffer = ok_ ? reparto_.buffer() : std::span<char>();
        repartido = !buffer.empty();
        if (repartido) {
            return buffer.first(kPiezaLectura);
        }
        ok_ = false;
        propio_.resize(kPiezaLectura);
        return propio_;
    };
    return readFileInPieces(path, next, [&](std::string_view piece) {
        // Handed before it is searched: the copy and the digest start on it
        // while the search reads it, and the buffer is not filled again
        // before the next call of next().
        if (repartido) {
            ok_ = reparto_.hand(piece.size());
        }
        lee(piece);
        return true;
    });
}

std::optional<Digest> CopiaAnticipada::termina(std::string_view fin) {
    const bool hecha = reparto_.finish();
    const bool ok = std::exchange(ok_, false);  // taken once
    if (!ok || !hecha || !sha_.update(fin) || copia_.write(fin)) {
        return std::nullopt;
    }
    return sha_.final();
}

}  // namespace torva::ossl
