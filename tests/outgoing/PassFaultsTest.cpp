#include <gtest/gtest.h>

#include "cycle/BuscaRespuestas.h"
#include "cycle/CicloValidacion.h"
#include "PassFixture.h"

namespace torva::test {
namespace {

const std::string kContent = "500|1|1234|3420|0|123\r\n";

void running(PassFixture& f) {
    f.captions.set(Caption::StartButton, "&Detener");
    f.cycle.elapsedSeconds = 1;
}

// Each of the files went out with its whole record, or was left as it was.
void expectSentOrUntouched(PassFixture& f, const std::vector<std::string>& sent,
                           const std::vector<std::string>& untouched) {
    EXPECT_EQ(f.namesIn(f.remoteFile("REC")), sent);
    EXPECT_EQ(f.namesIn(f.sent), sent);
    EXPECT_EQ(f.linesOf(f.logPath()).size(), sent.size());
    EXPECT_EQ(f.linesOf(f.registryPath()).size(), sent.size());
    EXPECT_EQ(f.lists.get(ListId::Enviados).size(), sent.size());
    for (const std::string& name : sent) {
        EXPECT_TRUE(isRegularFile(joinPath(f.pend, name))) << name;
    }
    for (const std::string& name : untouched) {
        EXPECT_EQ(readBytes(joinPath(f.send, name)), kContent) << name;
        EXPECT_FALSE(pathExists(joinPath(f.pend, name))) << name;
    }
}

// Detener while the second upload is in flight: that file is finished, the
// others wait, the search is not begun, and the pass still closes.
TEST(PassFaults, AStopAskedForMidPassEndsItAfterTheFileInFlight) {
    PassFixture f;
    for (const char* name : {"m1234001.123", "m1234002.123", "m1234003.123", "m1234004.123"}) {
        f.drop(name, kContent);
    }
    writeBytes(joinPath(f.pend, "b1234567.123"), "marca");
    writeBytes(f.remoteFile("ENV/r1234567.123"), "respuesta");
    HookedClient client(f.client);
    client.afterUpload = [&] {
        if (client.uploads == 2) {
            f.cycle.stopRequested = true;
        }
    };
    CycleContext ctx = f.contextWith(client);
    running(f);

    CicloValidacion(ctx);
    expectSentOrUntouched(f, {"m1234001.123", "m1234002.123"}, {"m1234003.123", "m1234004.123"});
    EXPECT_EQ(client.downloads + client.listings, 0);
    EXPECT_TRUE(isRegularFile(joinPath(f.pend, "b1234567.123")));
    EXPECT_EQ(f.lists.get(ListId::Pendientes).size(), 3u);  // rebuilt all the same
    EXPECT_FALSE(f.client.IsConnected());
    EXPECT_EQ(f.captions.get(Caption::StartButton), "&Iniciar");
    EXPECT_EQ(f.captions.get(Caption::Evento), "Listo para hacer Conexión");
    EXPECT_FALSE(f.cycle.stopRequested);
    EXPECT_FALSE(f.cycle.passInProgress());
}

// A record that cannot be written after an upload (a directory in the way,
// as a full disk would refuse it) would send the file again at every pass:
// the cycle stops with a message instead.
TEST(PassFaults, ARecordLineThatCannotBeWrittenStopsTheCycle) {
    for (const bool registry : {true, false}) {
        PassFixture f;
        SCOPED_TRACE(registry ? "registry" : "log");
        makeDirectory(registry ? f.registryPath() : f.logPath());
        f.drop("m1234001.123", kContent);
        f.drop("m1234002.123", kContent);
        running(f);

        CicloValidacion(f.ctx);
        EXPECT_EQ(f.namesIn(f.remoteFile("REC")), std::vector<std::string>{"m1234001.123"});
        EXPECT_EQ(f.namesIn(f.pend), std::vector<std::string>{"m1234001.123"});
        ASSERT_EQ(f.dialogs.texts().size(), 1u);
        EXPECT_EQ(f.dialogs.texts()[0],
                  "ERROR, no se pudo escribir en " + (registry ? f.registryPath() : f.logPath()) +
                      " después de enviar m1234001.123. Se detiene el ciclo de validación.");
        EXPECT_EQ(f.captions.get(Caption::StartButton), "&Iniciar");
        // The other record still holds the file.
        EXPECT_EQ(f.linesOf(registry ? f.logPath() : f.registryPath()).size(), 1u);
    }
}

// A server that takes the login and then says nothing costs one time-out
// per pass, not one per file or marker.
TEST(PassFaults, OneTimeOutEndsThePassTransfersAndSearch) {
    for (const bool withFiles : {true, false}) {
        PassFixture f({}, "mute");
        SCOPED_TRACE(withFiles ? "upload" : "search");
        if (withFiles) {
            f.drop("m1234001.123", kContent);
            f.drop("m1234002.123", kContent);
        }
        for (const char* marker : {"b1234561.123", "b1234562.123", "b1234563.123"}) {
            writeBytes(joinPath(f.pend, marker), "marca");
        }
        HookedClient client(f.client);
        client.settings().timeouts = {2, 2, 2, 2, 4, 1, 256};
        CycleContext ctx = f.contextWith(client);
        running(f);
        f.cycle.noticeAge = 241;

        CicloValidacion(ctx);
        EXPECT_EQ(client.connects, 1);
        EXPECT_EQ(client.calls(), 2);       // the login and the call that timed out
        EXPECT_EQ(f.cycle.noticeAge, 241);  // the notices wait too
        EXPECT_EQ(f.namesIn(f.pend).size(), 3u);
        EXPECT_TRUE(f.namesIn(f.sent).empty());
        EXPECT_FALSE(pathExists(f.registryPath()));
        EXPECT_EQ(f.captions.get(Caption::Evento),
                  withFiles ? "ERROR: 1 archivo no se pudo enviar o recibir: m1234001.123"
                            : "ERROR: 1 archivo no se pudo enviar o recibir: r1234561.123");
        EXPECT_EQ(f.captions.get(Caption::StartButton), "&Detener");
    }
}

// A file the server refuses (550, 553) fails alone: the others go out, it is
// left untouched for the next pass, the error window shows the refusal and
// the pass ends saying so. A name with a control character is never queued.
TEST(PassFaults, AFileTheServerRefusesFailsAloneAndIsReported) {
    struct Case {
        const char* code;
        FtpCode expected;
    };
    for (const Case& c :
         {Case{"550", ftp::kRemoteAccessDenied}, Case{"553", ftp::kInvalidFileName}}) {
        PassFixture f({"--refuse-stor", std::string("m1234002.123:") + c.code});
        SCOPED_TRACE(c.code);
        for (const char* name : {"m1234001.123", "m1234002.123", "m1234003.123"}) {
            f.drop(name, kContent);
        }
        f.drop("m1234\t01.123", kContent);
        running(f);

        CicloValidacion(f.ctx);
        expectSentOrUntouched(f, {"m1234001.123", "m1234003.123"}, {"m1234002.123"});
        EXPECT_EQ(f.dialogs.componentErrors, std::vector<int>{codeNumber(c.expected)});
        EXPECT_EQ(f.captions.get(Caption::Evento),
                  "ERROR: 1 archivo no se pudo enviar o recibir: m1234002.123");
        EXPECT_EQ(readBytes(joinPath(f.send, "m1234\t01.123")), kContent);
        EXPECT_FALSE(pathExists(f.rejected));
        EXPECT_TRUE(f.dialogs.texts().empty());
    }
}

// The response of an earlier send under the same name is still on the
// server: the marker of the new send is not searched in the pass that made it.
TEST(PassFaults, AMarkerMadeInAPassIsSearchedFromTheNextPassOn) {
    PassFixture f;
    writeBytes(f.remoteFile("ENV/m1234001.err"), "respuesta del envío anterior");
    f.drop("m1234001.123", kContent);
    running(f);

    CicloValidacion(f.ctx);
    EXPECT_EQ(f.namesIn(f.pend), std::vector<std::string>{"m1234001.123"});
    EXPECT_FALSE(pathExists(joinPath(f.receive, "m1234001.err")));
    EXPECT_TRUE(f.lists.get(ListId::Recibidos).empty());
}

}  // namespace
}  // namespace torva::test
