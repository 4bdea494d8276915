#include "signing/openssl/CopiaAnticipada.h"

#include <utility>

namespace torva::ossl {

CopiaAnticipada::CopiaAnticipada(const std::string& path)
    : copia_(path),
      ok_(!copia_.error()),
      escritor_([this](std::string_view piece) { return !copia_.write(piece); }) {}

void CopiaAnticipada::lee(std::string_view piece) {
    ok_ = ok_ && escritor_.give(piece) && resumen_.update(piece);
}

std::optional<Digest> CopiaAnticipada::termina(std::string_view fin) {
    const bool escrita = escritor_.finish();
    const bool ok = std::exchange(ok_, false);  // taken once
    if (!ok || !escrita || !resumen_.update(fin) || copia_.write(fin)) {
        return std::nullopt;
    }
    return resumen_.final();
}

}  // namespace torva::ossl
