#include "ui/WaitingSigningLibrary.h"

#include "ui/WorkerThread.h"

namespace torva::ui {

FirmaCode WaitingSigningLibrary::BuscaCurpsG(std::string& path, std::uint8_t tipoDocumento,
                                             RegistrosFirma& registros) {
    FirmaCode result{};
    worker_.run([&] { result = library_.BuscaCurpsG(path, tipoDocumento, registros); });
    return result;
}

FirmaCode WaitingSigningLibrary::GeneraFirmaDigitalG(std::string& path, std::uint8_t tipoDocumento,
                                                     RegistrosFirma& registros) {
    FirmaCode result{};
    worker_.run([&] { result = library_.GeneraFirmaDigitalG(path, tipoDocumento, registros); });
    return result;
}

}  // namespace torva::ui
