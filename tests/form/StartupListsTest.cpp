#include <gtest/gtest.h>

#include "form/MainWindowLogic.h"
#include "logview/DailyLog.h"
#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::TempDir;
using test::writeBytes;

// A restart of the program rebuilds the day's four lists from the log and the
// folders.
TEST(StartupLists, LoadRebuildsTheDayListsFromTheLogAndTheFolders) {
    TempDir dir;
    const std::string send = dir.file("envio");
    const std::string receive = dir.file("recibo");
    for (const std::string& d :
         {send, receive, joinPath(send, "Pend"), joinPath(send, "Rechaza")}) {
        makeDirectory(d);
    }
    std::vector<std::string> lines(23, "0");
    lines[1] = "usuario1234";
    lines[3] = send;
    lines[4] = receive;
    lines[10] = "m";
    lines[11] = "m";
    ASSERT_FALSE(writeAnsiLines(configFilePath(dir.path(), 0), lines));
    test::ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 10, 7, 0}};  // day 343
    MainPorts ports{dialogs, clock, {"pc", "127.0.0.1"}};
    ConfigRecord forLog;
    forLog.set(slot::kUser, "usuario1234");
    forLog.set(slot::kReceiveDir, receive);
    ASSERT_FALSE(appendDailyLog(dailyLogPath(forLog, 343),
                                {logLine(LogKind::Enviado, "m1234001.343", "09:00:00"),
                                 logLine(LogKind::Recibido, "m1234001.err", "09:01:00")}));
    writeBytes(joinPath(joinPath(send, "Pend"), "m1234002.343"), "x");
    writeBytes(joinPath(joinPath(send, "Rechaza"), "m1234003.343"), "x");

    MainState state;
    CargaForm1(state, ports, 0, dir.path());

    EXPECT_EQ(state.lists.get(ListId::Enviados),
              std::vector<std::string>{"m1234001.343 - 09:00:00"});
    EXPECT_EQ(state.lists.get(ListId::Recibidos),
              std::vector<std::string>{"m1234001.err - 09:01:00"});
    EXPECT_EQ(state.lists.get(ListId::Pendientes),
              std::vector<std::string>{"m1234002.343 - 10:07  En Espera"});
    EXPECT_EQ(state.lists.get(ListId::Rechazados),
              std::vector<std::string>{"m1234003.343 - RECHAZADO"});
    EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace torva
