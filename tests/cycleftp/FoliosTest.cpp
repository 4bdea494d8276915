#include <gtest/gtest.h>

#include <memory>

#include "cycle/CycleFixture.h"
#include "form/ConfigMenus.h"
#include "support/FtpServer.h"
#include "transport/curl/CurlFtpClient.h"

namespace torva {
namespace {

using test::CycleFixture;
using test::FtpServer;
using test::TempDir;

constexpr const char* kNegada =
    "Autorización Negada, para realizar cualquier cambio en la configuración es necesario "
    "consultarlo con TORVA.";

// The service simulator, publishing the authorization or not.
struct Simulator {
    TempDir root;
    std::unique_ptr<FtpServer> server;
    explicit Simulator(bool foliosAut) {
        FtpServer::Options options;
        options.root = root.path();
        options.user = "usuario1234";
        options.script = std::string(TORVA_SOURCE_DIR) + "/tools/torva_sim.py";
        options.extraArgs = {"--lifetime", "120"};
        if (foliosAut) {
            options.extraArgs.push_back("--folios-aut");
        }
        server = std::make_unique<FtpServer>(options);
    }
    std::string authorization() const { return root.path() + "/ENV/folios.aut"; }
};

struct Window : CycleFixture {
    CurlFtpClient client;
    explicit Window(const Simulator& sim) {
        client.settings().timeouts = {3, 3, 3, 3};
        ports.ftp = &client;
        ConfigRecord& c = state.config;
        c.set(slot::kHost, "127.0.0.1");
        c.set(slot::kPort, sim.server->portText());
        c.set(slot::kPassword, "secreto");
        c.set(slot::kPassive, "1");
    }
    void menuFolios() {
        dialogs.answer(DialogAnswer::Yes);
        Menu_Folios(state, ports);
    }
    bool foliosEditable() const {
        return state.edit.slotEditable(slot::kLowerFolio) &&
               state.edit.slotEditable(slot::kUpperFolio);
    }
};

TEST(Folios, ThePublishedAuthorizationUnlocksTheFoliosAndClosesTheSession) {
    Simulator sim(true);
    ASSERT_TRUE(isRegularFile(sim.authorization()));
    Window w(sim);
    CycleContext ctx = w.ctx();
    FtpSession session = ctx.session();
    ASSERT_TRUE(ok(ConnectToHost(session)));  // as the cycle may leave it

    w.menuFolios();
    EXPECT_EQ(w.dialogs.shown.size(), 1u);  // the question alone
    EXPECT_EQ(w.caption(Caption::MenuFolios), "Guardar Cambios de Folios");
    EXPECT_TRUE(w.foliosEditable());
    EXPECT_FALSE(pathExists(joinPath(w.receive, "folio.aut")));
    EXPECT_FALSE(w.client.IsConnected());
    EXPECT_TRUE(isRegularFile(sim.authorization()));
    EXPECT_FALSE(w.state.cycle.passInProgress());

    // The next click saves, even unchanged, and locks them again.
    w.state.config.set(slot::kLowerFolio, "010");
    w.menuFolios();
    EXPECT_EQ(w.caption(Caption::MenuFolios), "C&ambiar Folios");
    EXPECT_FALSE(w.foliosEditable());
    EXPECT_FALSE(w.state.config.modified());
    EXPECT_NE(test::readBytes(w.state.configPath()).find("\r\n010\r\n"), std::string::npos);

    // The service keeps the file: a second request is granted again.
    w.menuFolios();
    EXPECT_EQ(w.caption(Caption::MenuFolios), "Guardar Cambios de Folios");
    EXPECT_TRUE(w.dialogs.componentErrors.empty());
}

TEST(Folios, WithoutTheAuthorizationOrTheServerTheChangeIsDenied) {
    Simulator sim(false);
    ASSERT_FALSE(pathExists(sim.authorization()));
    for (const bool serverUp : {true, false}) {
        Window w(sim);
        if (!serverUp) {
            w.state.config.set(slot::kPassword, "otra");  // refused at login
        }
        w.menuFolios();
        EXPECT_EQ(w.dialogs.texts().back(), kNegada) << serverUp;
        EXPECT_EQ(w.dialogs.shown.back().icon, DialogIcon::Critical);
        EXPECT_EQ(w.caption(Caption::MenuFolios), "C&ambiar Folios");
        EXPECT_FALSE(w.foliosEditable());
        EXPECT_FALSE(pathExists(joinPath(w.receive, "folio.aut")));
        // The FTP layer's own status text stays.
        EXPECT_NE(w.caption(Caption::Evento), "Listo para Iniciar") << serverUp;
    }
}

}  // namespace
}  // namespace torva
