#include <gtest/gtest.h>

#include "form/MainWindowLogic.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::ScriptedDialogs;

// A client whose session is open and whose disconnect answers a set code;
// the real one never fails to disconnect.
class OpenSession final : public FtpClient {
  public:
    explicit OpenSession(FtpCode disconnectCode) : code_(disconnectCode) {}
    bool IsConnected() const override { return open_; }
    FtpCode Connect() override { return ftp::kOk; }
    FtpCode Disconnect() override {
        ++disconnects;
        open_ = false;
        return code_;
    }
    FtpCode UploadFile(const std::string&, const std::string&) override { return ftp::kOk; }
    FtpCode DownloadFile(const std::string&, const std::string&) override { return ftp::kOk; }
    FtpCode DownloadFiles(const std::string&, const std::string&, const std::string&) override {
        return ftp::kOk;
    }
    int disconnects = 0;

  private:
    FtpCode code_;
    bool open_ = true;
};

TEST(ExitDisconnect, ClosingTheWindowClosesTheSessionAndReportsAFailure) {
    const std::string failure =
        "Hubo un error al intentar desconectarse del Host. Cerrar el programa e iniciar "
        "nuevamente.";
    for (const FtpCode code : {ftp::kOk, ftp::kConnectionClosed}) {
        MainState state;
        ScriptedDialogs dialogs;
        OpenSession ftp(code);
        EXPECT_TRUE(DescargaForm1(state, dialogs, &ftp));
        EXPECT_EQ(ftp.disconnects, 1);
        EXPECT_FALSE(ftp.IsConnected());
        if (ok(code)) {
            EXPECT_TRUE(dialogs.shown.empty());
        } else {
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].text, failure);
            EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Critical);
            EXPECT_EQ(dialogs.shown[0].title, "TORVA Centro de Prevalidación");
        }
    }
}

TEST(ExitDisconnect, AFailedSaveKeepsTheWindowAndTheSessionOpen) {
    test::TempDir dir;
    MainState state;
    state.configDirectory = dir.file("no-existe");  // the save cannot write here
    state.config.set(slot::kUser, "usuario1234");
    ScriptedDialogs dialogs;
    dialogs.answer(DialogAnswer::Yes);
    OpenSession ftp(ftp::kOk);
    EXPECT_FALSE(DescargaForm1(state, dialogs, &ftp));
    EXPECT_EQ(ftp.disconnects, 0);
}

}  // namespace
}  // namespace torva
