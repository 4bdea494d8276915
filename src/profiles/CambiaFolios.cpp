#include "profiles/CambiaFolios.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "profiles/ConfigFile.h"
#include "profiles/ErrorText.h"

namespace torva {
namespace {

constexpr const char* kPregunta =
    "Esta opción busca la autorización para modificar los folios de los archivos, esto solo "
    "servira si TORVA ha autorizado el cambio de folio. Desea continuar?";
constexpr const char* kNegada =
    "Autorización Negada, para realizar cualquier cambio en la configuración es necesario "
    "consultarlo con TORVA.";

void guardaFolios(const ProfileContext& ctx, const std::string& configPath) {
    if (!GrabaConfiguracion(ctx, configPath)) {
        return;
    }
    ctx.config.setModified(false);
    ctx.edit.setFolioUnlocked(false);
    ctx.captions.set(Caption::MenuFolios, kCambiarFolios);
}

void pideAutorizacion(const ProfileContext& ctx, FolioService& service) {
    if (!askYesNo(ctx.dialogs, kPregunta)) {
        return;
    }
    const std::string receive = ctx.config.get(slot::kReceiveDir);
    // Never a download to a folder that is not the receive directory.
    if (receive.empty() || !isDirectory(receive)) {
        ctx.captions.set(Caption::Evento, "No existe el directorio de recepción " + receive);
        showCritical(ctx.dialogs, kNegada);
        return;
    }
    const std::string local = joinPath(receive, kFolioAutName);
    if (!service.fetchAuthorization(local)) {
        showCritical(ctx.dialogs, kNegada);
        return;
    }
    if (auto ec = removeFile(local)) {
        ctx.captions.set(Caption::Evento,
                         "No fue posible borrar el archivo " + local + " (" + errorText(ec) + ")");
    }
    ctx.edit.setFolioUnlocked(true);
    service.closeSession();
    ctx.captions.set(Caption::MenuFolios, kGuardarCambiosFolios);
}

}  // namespace

void CambiaFolios(const ProfileContext& ctx, const std::string& configPath, FolioService& service) {
    if (ctx.captions.get(Caption::MenuFolios) == kGuardarCambiosFolios) {
        guardaFolios(ctx, configPath);
    } else {
        pideAutorizacion(ctx, service);
    }
}

}  // namespace torva
