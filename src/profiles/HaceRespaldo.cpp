#include "profiles/HaceRespaldo.h"

#include <algorithm>
#include <vector>

#include "names/WorkDirs.h"
#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "profiles/ConfigFile.h"
#include "profiles/ErrorText.h"
#include "profiles/ProfileStore.h"
#include "profiles/Respaldo.h"

namespace torva {
namespace {

constexpr const char* kPregunta =
    "!Precaución!, si respalda la configuración actual se eliminará toda configuración "
    "anterior. ¿Desea continuar?.";

// Makes the folder when missing; the error when it is not there afterwards.
std::error_code ensureFolder(const std::string& path) {
    if (isDirectory(path)) {
        return {};
    }
    if (auto ec = makeDirectory(path)) {
        return ec;
    }
    return isDirectory(path) ? std::error_code{} : std::make_error_code(std::errc::not_a_directory);
}

// Copies into every usable backup folder; each copy that fails is named.
struct BackupCopies {
    std::vector<std::string> folders;
    std::vector<std::string> failed;

    void copy(const std::string& from, const std::string& name) {
        for (const std::string& folder : folders) {
            const std::string to = joinPath(folder, name);
            if (auto ec = copyFileKeepTime(from, to)) {
                failed.push_back(to + " (" + errorText(ec) + ")");
            }
        }
    }
};

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += "\r" + line;
    }
    return text;
}

}  // namespace

bool HaceRespaldo(const ProfileContext& ctx, const std::string& configDirectory,
                  const std::string& configPath) {
    if (!askYesNo(ctx.dialogs, kPregunta)) {
        ctx.dialogs.message(kAppTitle, kProcesoCancelado, DialogIcon::None, DialogButtons::Ok);
        return false;
    }
    const BusyCursor busy(ctx.dialogs);
    BackupCopies copies;
    std::vector<std::string> unusable;
    const std::string primary = primaryBackupFolder(configDirectory);
    if (auto ec = ensureFolder(primary)) {
        unusable.push_back(primary + " (" + errorText(ec) + ")");
    } else {
        copies.folders.push_back(primary);
    }

    const ProfileStore store(configDirectory);
    if (!store.listExists()) {
        showCritical(ctx.dialogs,
                     "ERROR: Imposible continuar debido que no se encontró el archivo de las "
                     "patentes " +
                         configDirectory + "/Usuarios.dat.");
        return false;
    }
    std::vector<std::string> keys;
    if (auto ec = store.readKeys(keys)) {
        showCritical(ctx.dialogs, "ERROR: No fue posible leer el archivo de las patentes " +
                                      store.listPath() + " (" + errorText(ec) + ").");
        return false;
    }
    // A failed save has told the operator; the backup would miss the edits.
    if (!GrabaConfiguracion(ctx, configPath)) {
        return false;
    }

    // The receive folder's copy: its "Respalda" is made when missing, never
    // the receive folder itself.
    const std::string receive = ctx.config.get(slot::kReceiveDir);
    const std::string secondary = workDirs(ctx.config).backup;
    if (receive.empty() || !isDirectory(receive)) {
        unusable.push_back(secondary + " (no existe el directorio de recepción)");
    } else if (auto ec = ensureFolder(secondary)) {
        unusable.push_back(secondary + " (" + errorText(ec) + ")");
    } else {
        copies.folders.push_back(secondary);
    }

    copies.copy(store.listPath(), kProfileFileName);
    const std::size_t profiles = std::min(keys.size(), kMaxProfiles);
    for (std::size_t k = 0; k < profiles; ++k) {
        const std::string file = store.configPath(k);
        if (!isRegularFile(file)) {
            showCritical(ctx.dialogs,
                         "ERROR: No fue posible terminar el respaldo debido a que no se encontró "
                         "el archivo de configuración de la Patente " +
                             patenteOf(keys[k]));
            continue;
        }
        copies.copy(file, std::to_string(k));
    }

    if (!unusable.empty() || !copies.failed.empty()) {
        std::string text = "ERROR: El respaldo quedó incompleto.";
        if (!unusable.empty()) {
            text += "\rNo fue posible usar la carpeta de respaldo:" + joinedLines(unusable);
        }
        if (!copies.failed.empty()) {
            text += "\rNo fue posible copiar:" + joinedLines(copies.failed);
        }
        showCritical(ctx.dialogs, text);
        return false;
    }
    ctx.config.setModified(false);
    return true;
}

}  // namespace torva
