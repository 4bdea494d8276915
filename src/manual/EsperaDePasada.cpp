#include "manual/EsperaDePasada.h"

#include <utility>

namespace torva {

bool EsperaDePasada::escribe(Escritura escritura) {
    if (cycle_.passInProgress()) {
        held_.push_back(std::move(escritura));
        return true;
    }
    if (const Informe informe = escritura()) {
        informe();
    }
    return false;
}

std::vector<EsperaDePasada::Informe> EsperaDePasada::finDePasada() {
    std::vector<Informe> informes;
    if (cycle_.passInProgress()) {
        return informes;
    }
    const std::vector<Escritura> held = std::exchange(held_, {});
    for (const Escritura& escritura : held) {
        if (Informe informe = escritura()) {
            informes.push_back(std::move(informe));
        }
    }
    return informes;
}

}  // namespace torva
