#include "cycle/EnviaConfiguracion.h"

#include "names/WorkDirs.h"

namespace torva {

void EnviaConfiguracion(CycleContext& ctx) {
    FtpSession session = ctx.session();
    // A failure is shown by the session; the cycle goes on without the copy.
    (void)SendFile(session, ctx.configPath, remote::configUploadPath(ctx.config, ctx.profileIndex));
}

}  // namespace torva
