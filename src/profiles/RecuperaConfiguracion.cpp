#include "profiles/RecuperaConfiguracion.h"

#include <algorithm>
#include <vector>

#include "names/WorkDirs.h"
#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "profiles/ErrorText.h"
#include "profiles/ProfileStore.h"
#include "profiles/Respaldo.h"

namespace torva {
namespace {

constexpr const char* kPregunta =
    "!Precación!\r"
    "Recuperar la configuración del respaldo elimina la configuración, si desea cancelar "
    "presione 'NO', para continuar:\r"
    "1.- Asegúrese de solo tener una vez abierto el programa de TORVAVal, si lo tiene abierto con "
    "otras Patentes ciérrelo.\r"
    "2.- Presione Yes/Si para continuar.\r"
    "3.- El sistema restaurará la configuración y se cerrará\r"
    "4.- Una vez que se cierre el programa ya podrá abrirlo con la configuración restaurada.";

// The backup folder that holds a profile list: the configuration
// directory's first, then the receive directory's; empty when neither does.
std::string backupFolder(const ProfileContext& ctx, const std::string& configDirectory) {
    const std::string primary = primaryBackupFolder(configDirectory);
    if (isRegularFile(joinPath(primary, kProfileFileName))) {
        return primary;
    }
    if (!ctx.config.get(slot::kReceiveDir).empty()) {
        const std::string secondary = workDirs(ctx.config).backup;
        if (isRegularFile(joinPath(secondary, kProfileFileName))) {
            return secondary;
        }
    }
    return {};
}

// The backup file of a key: present and holding the key's patente as the
// last 4 characters of its second line, the user.
bool matchesKey(const std::string& file, const std::string& key) {
    std::vector<std::string> lines;
    if (!isRegularFile(file) || readAnsiLines(file, lines) || lines.size() < 2) {
        return false;
    }
    return patenteOf(lines[1]) == patenteOf(key);
}

// The profile list is read-only between writes, also when the copy fails.
// Adds to failed what could not be done.
void restoreList(const std::string& from, const std::string& to, std::vector<std::string>& failed) {
    if (pathExists(to)) {
        if (auto ec = setReadOnly(to, false)) {
            failed.push_back(to + " (" + errorText(ec) + ")");
            return;
        }
    }
    if (auto ec = copyFileKeepTime(from, to)) {
        failed.push_back(to + " (" + errorText(ec) + ")");
    }
    if (isRegularFile(to)) {
        if (auto ec = setReadOnly(to, true)) {
            failed.push_back(to + " (solo lectura: " + errorText(ec) + ")");
        }
    }
}

}  // namespace

bool RecuperaConfiguracion(const ProfileContext& ctx, const std::string& configDirectory) {
    if (!askYesNo(ctx.dialogs, kPregunta)) {
        ctx.dialogs.message(kAppTitle, kProcesoCancelado, DialogIcon::None, DialogButtons::Ok);
        return false;
    }
    const std::string folder = backupFolder(ctx, configDirectory);
    if (folder.empty()) {
        showCritical(ctx.dialogs,
                     "ERROR: no fue posible restaurar la configuración, debido a que no se "
                     "encontraron los archivos de respaldo.");
        return true;
    }
    const std::string backupList = joinPath(folder, kProfileFileName);
    std::vector<std::string> keys;
    if (auto ec = readAnsiLines(backupList, keys)) {
        showCritical(ctx.dialogs,
                     "ERROR: no fue posible restaurar la configuración, debido a "
                     "que no se pudo leer el archivo de respaldo " +
                         backupList + " (" + errorText(ec) + "). No se modificó ningún archivo.");
        return true;
    }

    const ProfileStore store(configDirectory);
    std::vector<std::string> failed;
    // A profile past the last index the window can hold has no configuration file.
    const std::size_t profiles = std::min(keys.size(), kMaxProfiles);
    for (std::size_t k = 0; k < profiles; ++k) {
        const std::string file = backupConfigPath(folder, k);
        if (!matchesKey(file, keys[k])) {
            showCritical(ctx.dialogs,
                         "ERROR: no se encontró el archivo de respaldo de la Patente " +
                             patenteOf(keys[k]) + ".");
            continue;
        }
        if (auto ec = copyFileKeepTime(file, store.configPath(k))) {
            failed.push_back(store.configPath(k) + " (" + errorText(ec) + ")");
        }
    }
    restoreList(backupList, store.listPath(), failed);
    if (!failed.empty()) {
        std::string text = "ERROR: no fue posible restaurar por completo estos archivos:";
        for (const std::string& f : failed) {
            text += "\r" + f;
        }
        showCritical(ctx.dialogs, text);
    }
    return true;
}

}  // namespace torva
