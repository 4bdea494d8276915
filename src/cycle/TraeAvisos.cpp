#include "cycle/TraeAvisos.h"

#include "cycle/CargaAvisos.h"
#include "names/WorkDirs.h"
#include "profiles/ServerChoice.h"

namespace torva {

void TraeAvisos(CycleContext& ctx) {
    {
        const BusyCursor busy(ctx.dialogs);
        ctx.captions.set(Caption::LblDespliega, "Conectandose para traer Avisos, espere.");
        FtpSession session = ctx.session();
        // A failure is shown by the session; the notices held stay.
        (void)ReceiveMultipleFiles(session, ctx.config.get(slot::kReceiveDir), remote::kGeneral,
                                   "*.*");
    }
    ctx.captions.set(Caption::LblDespliega, "Listo para iniciar");
    CargaAvisos(ctx);
    CambiaServidor(ctx.profiles());
}

}  // namespace torva
