#include "profiles/ConfigFile.h"

#include <vector>

#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "profiles/EditMode.h"
#include "profiles/ErrorText.h"
#include "profiles/OneLine.h"
#include "profiles/SecretCodec.h"
#include "profiles/ServerChoice.h"
#include "profiles/SignFlag.h"

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
    ctx.edit.showHostAndPassword();
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
    if (!pathExists(path)) {
        showHost(ctx.captions, host);
        takeMissingFilePath(ctx);
        return;
    }
    if (const auto ec = readAnsiLines(path, lines)) {
        // Not a new profile: the file is kept as it is and no edit mode is offered over it.
        showHost(ctx.captions, host);
        showCritical(ctx.dialogs, "No fue posible leer el archivo de configuración \"" + path +
                                      "\": " + errorText(ec) +
                                      ". El archivo no se modificará; cierre el programa, revise "
                                      "el archivo o comuníquese al Centro de Prevalidación TORVA.");
        ctx.captions.set(Caption::Evento, "No fue posible leer la configuración");
        return;
    }
    ConfigRecord& config = ctx.config;
    for (int i = 0; i < slot::kCount && i < static_cast<int>(lines.size()); ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        if (isSecretSlot(i)) {
            config.set(i, decodeSecret(line));
        } else if (i == slot::kSign) {
            // Setting the box runs its handler: no signing without key, certificate and phrase.
            ChkFirmar_Click(ctx, leadingNumber(line) == 1.0);
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
    auto fail = [&](const std::string& why) {
        showCritical(ctx.dialogs, "No fue posible grabar la configuración en \"" + path +
                                      "\": " + why + ". La configuración no se guardó.");
        ctx.captions.set(Caption::Evento, "No se guardó la configuración");
        return false;
    };
    // A file that exists but cannot be read was never loaded: it is not replaced.
    if (pathExists(path)) {
        std::string bytes;
        if (const auto ec = readFileBytes(path, bytes)) {
            return fail("el archivo existe pero no se puede leer (" + errorText(ec) + ")");
        }
    }
    // One value a line: a pasted line break must not shift the later slots.
    std::vector<std::string> lines;
    lines.reserve(slot::kCount + 3);
    for (int i = 0; i < slot::kCount; ++i) {
        const std::string value = oneLine(ctx.config.get(i));
        lines.push_back(isSecretSlot(i) ? encodeSecret(value) : value);
    }
    lines.push_back(oneLine(ctx.captions.get(Caption::LocalNameLabel)));
    lines.push_back(oneLine(ctx.captions.get(Caption::LocalAddressLabel)));
    lines.push_back(kProgramVersionLine);
    if (const auto ec = writeAnsiLines(path, lines)) {
        return fail(errorText(ec));
    }
    return true;
}

}  // namespace torva
