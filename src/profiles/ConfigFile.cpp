#include "profiles/ConfigFile.h"

#include <vector>

#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "profiles/EditMode.h"
#include "profiles/SecretCodec.h"
#include "profiles/ServerChoice.h"

namespace torva {
namespace {

bool isSecretSlot(int i) {
    return i == slot::kPassword || i == slot::kKeyPassword;
}

void takeMissingFilePath(const ProfileContext& ctx) {
    ctx.dialogs.beep();
    ctx.dialogs.beep();
    showCritical(ctx.dialogs,
                 "No se encontró el archivo de configuración de la patente. Capture y guarde la "
                 "configuración, o comuníquese al Centro de Prevalidación TORVA.");
    ctx.edit.setHiddenFieldsVisible(true);
    AlternaEdicion(ctx);
    ctx.config.setModified(true);
}

void showHost(Captions& captions, const HostIdentity& host) {
    captions.set(Caption::LocalNameLabel, host.name);
    captions.set(Caption::LocalAddressLabel, host.address);
}

}  // namespace

std::string configFilePath(const std::string& configDirectory, int profileIndex) {
    return joinPath(configDirectory, "odbc" + std::to_string(profileIndex) + ".reg");
}

void CargaConfiguracion(const ProfileContext& ctx, const std::string& path,
                        const HostIdentity& host) {
    ctx.captions.set(Caption::Evento, "Cargando configuración...");
    std::vector<std::string> lines;
    if (!isRegularFile(path) || readAnsiLines(path, lines)) {
        showHost(ctx.captions, host);
        takeMissingFilePath(ctx);
        return;
    }
    ConfigRecord& config = ctx.config;
    for (int i = 0; i < slot::kCount && i < static_cast<int>(lines.size()); ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        if (isSecretSlot(i)) {
            config.set(i, decodeSecret(line));
        } else if (ConfigRecord::isFlagSlot(i)) {
            // Setting the check box writes its state back into the slot.
            config.setFlag(i, leadingNumber(line) == 1.0);
        } else if (i == slot::kRecord500Length && !isNumeric(line)) {
            config.set(i, "24");
        } else {
            config.set(i, line);
        }
    }
    config.setModified(true);
    if (config.get(slot::kHost) != config.get(slot::kPrimaryServer)) {
        SeleccionaServidor(ctx, ServerOption::Secundario);
    }
    showHost(ctx.captions, host);
    ctx.gauges.setProgress(0);
    ctx.captions.set(Caption::Evento, "Listo para Iniciar");
}

bool GrabaConfiguracion(const ProfileContext& ctx, const std::string& path) {
    ctx.captions.set(Caption::Evento, "Grabando configuración...");
    std::vector<std::string> lines;
    lines.reserve(slot::kCount + 3);
    for (int i = 0; i < slot::kCount; ++i) {
        lines.push_back(isSecretSlot(i) ? encodeSecret(ctx.config.get(i)) : ctx.config.get(i));
    }
    lines.push_back(ctx.captions.get(Caption::LocalNameLabel));
    lines.push_back(ctx.captions.get(Caption::LocalAddressLabel));
    lines.push_back(kProgramVersionLine);
    if (const auto ec = writeAnsiLines(path, lines)) {
        showCritical(ctx.dialogs, "No fue posible grabar la configuración en \"" + path +
                                      "\": " + ec.message() + ". La configuración no se guardó.");
        return false;
    }
    return true;
}

}  // namespace torva
