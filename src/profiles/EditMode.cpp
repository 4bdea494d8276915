#include "profiles/EditMode.h"

namespace torva {

void AlternaEdicion(EditState& edit, OperatorDialogs& dialogs) {
    if (edit.editing()) {
        edit.setEditing(false);
        return;
    }
    if (askYesNo(dialogs,
                 "Esta opción le permitira que la configuración del sistema este en forma de "
                 "edición, si modifica parametros equivocadamente (como directorios locales) "
                 "ocacionará que el sistema NO FUNCIONE correctamente. Desea continuar?")) {
        // The folio slots stay protected: only the folio change opens them.
        edit.setFolioUnlocked(false);
        edit.setEditing(true);
    }
}

}  // namespace torva
