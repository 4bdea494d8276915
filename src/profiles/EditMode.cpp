#include "profiles/EditMode.h"

namespace torva {

void AlternaEdicion(const ProfileContext& ctx) {
    if (ctx.edit.editing()) {
        ctx.edit.setEditing(false);
        return;
    }
    if (askYesNo(ctx.dialogs,
                 "Esta opción le permitira que la configuración del sistema este en forma de "
                 "edición, si modifica parametros equivocadamente (como directorios locales) "
                 "ocacionará que el sistema NO FUNCIONE correctamente. Desea continuar?")) {
        // The folio slots stay protected: only the folio change opens them.
        ctx.edit.setFolioUnlocked(false);
        ctx.edit.setEditing(true);
    }
}

}  // namespace torva
