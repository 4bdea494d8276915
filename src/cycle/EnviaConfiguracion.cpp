#include "cycle/EnviaConfiguracion.h"

#include "names/WorkDirs.h"

namespace torva {

void EnviaConfiguracion(CycleContext& ctx) {
    FtpSession session = ctx.session();
    SendFile(session, ctx.configPath, remote::configUploadPath(ctx.config, ctx.profileIndex));
}

}  // namespace torva
