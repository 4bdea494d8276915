#include "form/ConfigMenus.h"

#include "cycle/PassGuard.h"
#include "names/WorkDirs.h"
#include "profiles/CambiaFolios.h"
#include "profiles/HaceRespaldo.h"
#include "profiles/RecuperaConfiguracion.h"
#include "transport/FtpSession.h"

namespace torva {
namespace {

// The authorization over the window's FTP session.
class SessionFolios final : public FolioService {
  public:
    explicit SessionFolios(FtpSession session) : session_(session) {}
    bool fetchAuthorization(const std::string& localPath) override {
        return ok(ReceiveFile(session_, localPath, remote::kFolios));
    }
    void closeSession() override {
        // The session is closed either way; the authorization is decided.
        (void)DisconnectFromHost(session_.client);
    }

  private:
    FtpSession session_;
};

// Refuses while a pass runs; otherwise runs work marked as a pass, so that no
// pass starts while it waits on the operator or on the server.
template <typename Work>
bool outsideAPass(MainState& state, MainPorts& ports, Work&& work) {
    if (state.cycle.passInProgress()) {
        showCritical(ports.dialogs, kEsperaCiclo);
        return false;
    }
    CycleContext ctx = cycleContext(state, ports);
    runAsPass(ctx, work);
    return true;
}

}  // namespace

void Menu_HaceRespaldo(MainState& state, MainPorts& ports) {
    outsideAPass(state, ports, [&] {
        HaceRespaldo(state.profiles(ports.dialogs), state.configDirectory, state.configPath());
    });
}

bool Menu_RecuperaConf(MainState& state, MainPorts& ports) {
    bool close = false;
    outsideAPass(state, ports, [&] {
        close = RecuperaConfiguracion(state.profiles(ports.dialogs), state.configDirectory);
    });
    return close;
}

void Menu_Folios(MainState& state, MainPorts& ports) {
    outsideAPass(state, ports, [&] {
        SessionFolios service(FtpSession{ports.ftpClient(), state.config, state.captions,
                                         ports.dialogs, &state.letterOffset});
        CambiaFolios(state.profiles(ports.dialogs), state.configPath(), service);
    });
}

}  // namespace torva
