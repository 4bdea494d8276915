#pragma once

#include <string>

#include "profiles/ProfileContext.h"

namespace torva {

inline constexpr const char* kCambiarFolios = "C&ambiar Folios";
inline constexpr const char* kGuardarCambiosFolios = "Guardar Cambios de Folios";
// Where the authorization is downloaded in the receive directory.
inline constexpr const char* kFolioAutName = "folio.aut";

// The service's side of the folio change: the FTP session that fetches the
// authorization file.
class FolioService {
  public:
    virtual ~FolioService() = default;
    // Downloads the authorization file to localPath; true on success.
    virtual bool fetchAuthorization(const std::string& localPath) = 0;
    virtual void closeSession() = 0;
};

// `Menu_Folios`: when idle, asks the service for the authorization and, when
// it is there, unlocks folio slots 5 and 6; when authorized, saves as
// `Menu_GuardaConf` does and returns to idle. A save that fails keeps the
// authorization, so the operator can save again.
void CambiaFolios(const ProfileContext& ctx, const std::string& configPath, FolioService& service);

}  // namespace torva
