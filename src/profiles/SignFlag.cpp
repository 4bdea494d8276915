#include "profiles/SignFlag.h"

#include "platform/FileSystem.h"

namespace torva {

void ChkFirmar_Click(ConfigRecord& config, OperatorDialogs& dialogs, bool checked) {
    config.setFlag(slot::kSign, checked);
    if (!checked) {
        return;
    }
    if (config.get(slot::kKeyFile).empty() || config.get(slot::kCertFile).empty() ||
        config.get(slot::kKeyPassword).empty()) {
        config.setFlag(slot::kSign, false);
        dialogs.message(kAppTitle,
                        "Para poder activar esta función es necesario que primero\r"
                        "proporcione la ruta del Archivo KEY, la ruta del archivo CER y la "
                        "contraseña.\r"
                        "Para hacerlo es necesario poner el sistema en forma de edición\r"
                        "Sistema / Configuración",
                        DialogIcon::Exclamation, DialogButtons::Ok);
    } else if (!pathExists(config.get(slot::kKeyFile))) {
        config.setFlag(slot::kSign, false);
        showCritical(dialogs,
                     "ERROR, no se encontro el archivo KEY, es imposible generar la firma "
                     "dígital.");
    } else if (!pathExists(config.get(slot::kCertFile))) {
        config.setFlag(slot::kSign, false);
        showCritical(dialogs,
                     "ERROR, no se encontro el archivo CER, es imposible generar la firma "
                     "dígital.");
    }
}

}  // namespace torva
