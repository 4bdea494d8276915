#pragma once

#include "signing/SigningLibrary.h"

namespace torva::ui {

class WorkerThread;

// The window's signing library: each call of the real library runs on the
// worker thread while the window goes on.
class WaitingSigningLibrary final : public SigningLibrary {
  public:
    WaitingSigningLibrary(SigningLibrary& library, WorkerThread& worker)
        : library_(library), worker_(worker) {}

    FirmaCode BuscaCurpsG(std::string& path, std::uint8_t tipoDocumento,
                          RegistrosFirma& registros) override;
    FirmaCode GeneraFirmaDigitalG(std::string& path, std::uint8_t tipoDocumento,
                                  RegistrosFirma& registros) override;

  private:
    SigningLibrary& library_;
    WorkerThread& worker_;
};

}  // namespace torva::ui
