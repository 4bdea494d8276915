#include <gtest/gtest.h>

#include "cycle/CicloValidacion.h"
#include "cycle/CycleFixture.h"
#include "platform/Ansi.h"
#include "support/FtpServer.h"
#include "transport/curl/CurlFtpClient.h"

namespace torva::test {
namespace {

std::vector<std::string> linesOf(const std::string& path) {
    std::vector<std::string> lines;
    readAnsiLines(path, lines);
    return lines;
}

// As a new user tries it: files dropped in the send folder go out at the
// next pass, a refused one lands in Rechaza, the response placed on the
// server comes back at the following pass, and the lists, the log and the
// registry agree with the folders.
TEST(WholePass, FilesGoOutAndTheirResponsesComeBack) {
    TempDir root;
    for (const char* d : {"REC", "ENV", "ENV/general"}) {
        makeDirectory(root.path() + "/" + d);
    }
    FtpServer::Options options;
    options.root = root.path();
    FtpServer server(options);

    CycleFixture f;
    CurlFtpClient client;
    f.ports.ftp = &client;
    ConfigRecord& c = f.state.config;
    c.set(slot::kHost, "127.0.0.1");
    c.set(slot::kPort, server.portText());
    c.set(slot::kPassword, options.password);
    c.set(slot::kPassive, "1");
    c.set(slot::kLowerFolio, "001");
    c.set(slot::kUpperFolio, "999");
    c.set(slot::kAutoSend, "1");
    c.set(slot::kSign, "0");
    const std::string day = std::to_string(f.state.julianDay);  // 343
    const std::string good = "m1234001." + day;
    const std::string late = "m1234002.342";
    writeBytes(joinPath(f.send, good), "501|\r\n");
    writeBytes(joinPath(f.send, late), "501|\r\n");
    f.runningAfterPass();

    CycleContext ctx = f.ctx();
    CicloValidacion(ctx);
    EXPECT_TRUE(f.dialogs.shown.empty());
    EXPECT_EQ(readBytes(root.path() + "/REC/" + good), "501|\r\n");
    EXPECT_TRUE(isRegularFile(f.in("Pend", good)));
    EXPECT_TRUE(isRegularFile(f.in("Enviados", good)));
    EXPECT_TRUE(isRegularFile(f.in("Rechaza", late)));
    EXPECT_FALSE(pathExists(joinPath(f.send, late)));
    EXPECT_EQ(f.state.lists.get(ListId::Enviados), std::vector<std::string>{good + " - 10:07:00"});
    EXPECT_EQ(f.state.lists.get(ListId::Rechazados),
              std::vector<std::string>{late + " 10:07  JULIANO MAL"});
    EXPECT_EQ(linesOf(joinPath(f.send, "bitacora")).size(), 1u);
    EXPECT_EQ(f.state.lists.get(ListId::Pendientes).size(), 1u);

    writeBytes(root.path() + "/ENV/m1234001.err", "respuesta\r\n");
    f.clock.advanceSeconds(30);
    CicloValidacion(ctx);
    EXPECT_EQ(readBytes(joinPath(f.receive, "m1234001.err")), "respuesta\r\n");
    EXPECT_FALSE(pathExists(f.in("Pend", good)));
    EXPECT_EQ(f.state.lists.get(ListId::Recibidos),
              std::vector<std::string>{"m1234001.err - 10:07:30"});
    EXPECT_EQ(
        linesOf(joinPath(f.receive, "1234" + day + ".log")),
        (std::vector<std::string>{"E - " + good + " - 10:07:00", "R - m1234001.err - 10:07:30"}));
    EXPECT_EQ(f.state.lists.get(ListId::Pendientes),
              std::vector<std::string>{"No hay Archivos Pedientes"});
    EXPECT_EQ(linesOf(joinPath(f.send, "bitacora")).size(), 1u);  // not sent again
    EXPECT_TRUE(f.dialogs.componentErrors.empty());
}

}  // namespace
}  // namespace torva::test
