#include <gtest/gtest.h>

#include "logview/CargaBitacora.h"
#include "logview/DailyLog.h"
#include "platform/Paths.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::TempDir;

struct LogFixture {
    TempDir receive;
    ConfigRecord config;
    Captions captions;
    Lists lists;
    LogFixture() {
        config.set(slot::kUser, "usuario1234");
        config.set(slot::kReceiveDir, receive.path());
    }
    void load(int day) { CargaBitacora(config, day, captions, lists); }
};

// The lines the writers produce come back as the entries they added, in file
// order, the 12-character a-response and a 15-character s-name included.
TEST(CargaBitacora, ReadsSentAndReceivedLinesBackIntoTheirLists) {
    LogFixture f;
    const std::string path = dailyLogPath(f.config, 343);
    EXPECT_EQ(fileNameOf(path), "1234343.log");
    struct Line {
        LogKind kind;
        const char* name;
        const char* time;
    };
    const Line lines[] = {
        {LogKind::Enviado, "m1234001.343", "09:00:01"},
        {LogKind::Enviado, "s12340010002343", "09:00:02"},
        {LogKind::Recibido, "m1234001.err", "09:01:00"},
        {LogKind::Enviado, "e1234003.343", "09:02:03"},
        {LogKind::Recibido, "a1234002.err", "09:03:00"},
    };
    std::vector<std::string> sent;
    std::vector<std::string> received;
    for (const Line& l : lines) {
        ASSERT_FALSE(appendDailyLog(path, {logLine(l.kind, l.name, l.time)}));
        (l.kind == LogKind::Enviado ? sent : received).push_back(logEntry(l.name, l.time));
    }

    f.load(343);
    EXPECT_EQ(f.lists.get(ListId::Enviados), sent);
    EXPECT_EQ(f.lists.get(ListId::Recibidos), received);
    EXPECT_EQ(f.captions.get(Caption::Evento), "Listo para Iniciar...");

    // Another day's log is another file: nothing of day 343 on day 34.
    LogFixture other;
    other.config.set(slot::kReceiveDir, f.receive.path());
    other.load(34);
    EXPECT_TRUE(other.lists.get(ListId::Enviados).empty());
    EXPECT_EQ(other.captions.get(Caption::Evento), "Listo para Iniciar...");
}

TEST(CargaBitacora, ReceiveFolderThatIsNoLocalPathStopsAfterTheFirstCaption) {
    LogFixture f;
    // Begins with neither a letter (Windows) nor "/" (POSIX).
    f.config.set(slot::kReceiveDir, "\\\\servidor\\recibo");
    f.load(343);
    EXPECT_EQ(f.captions.get(Caption::Evento), "Cargando Bitácora...");
}

}  // namespace
}  // namespace torva
