#include "profiles/SignFlag.h"

#include "platform/FileSystem.h"

namespace torva {

void ChkFirmar_Click(const ProfileContext& ctx, bool checked) {
    ctx.config.setFlag(slot::kSign, checked);
    if (!checked) {
        return;
    }
    if (ctx.config.get(slot::kKeyFile).empty() || ctx.config.get(slot::kCertFile).empty() ||
        ctx.config.get(slot::kKeyPassword).empty()) {
        ctx.config.setFlag(slot::kSign, false);
        ctx.dialogs.message(kAppTitle,
                            "Para poder activar esta función es necesario que primero\r"
                            "proporcione la ruta del Archivo KEY, la ruta del archivo CER y la "
                            "contraseña.\r"
                            "Para hacerlo es necesario poner el sistema en forma de edición\r"
                            "Sistema / Configuración",
                            DialogIcon::Exclamation, DialogButtons::Ok);
    } else if (!pathExists(ctx.config.get(slot::kKeyFile))) {
        ctx.config.setFlag(slot::kSign, false);
        showCritical(ctx.dialogs,
                     "ERROR, no se encontro el archivo KEY, es imposible generar la firma "
                     "dígital.");
    } else if (!pathExists(ctx.config.get(slot::kCertFile))) {
        ctx.config.setFlag(slot::kSign, false);
        showCritical(ctx.dialogs,
                     "ERROR, no se encontro el archivo CER, es imposible generar la firma "
                     "dígital.");
    }
}

}  // namespace torva
