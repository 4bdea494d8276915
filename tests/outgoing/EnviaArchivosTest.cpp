#include <gtest/gtest.h>

#include <functional>

#include "cycle/EnviaArchivos.h"
#include "manual/ArchivosaEnviar.h"
#include "PassFixture.h"

namespace torva::test {
namespace {

const std::string kContent = "500|1|1234|3420|0|123\r\n801|m1234001.123|1|4|999|\r\n";

// The real client, with a step run after every upload.
class AfterUpload final : public FtpClient {
  public:
    AfterUpload(FtpClient& real, std::function<void()> step)
        : real_(real), step_(std::move(step)) {}
    bool IsConnected() const override { return real_.IsConnected(); }
    FtpCode Connect() override {
        real_.settings() = settings();
        return real_.Connect();
    }
    FtpCode Disconnect() override { return real_.Disconnect(); }
    FtpCode UploadFile(const std::string& l, const std::string& r) override {
        const FtpCode c = real_.UploadFile(l, r);
        step_();
        return c;
    }
    FtpCode DownloadFile(const std::string& l, const std::string& r) override {
        return real_.DownloadFile(l, r);
    }
    FtpCode DownloadFiles(const std::string& l, const std::string& r,
                          const std::string& m) override {
        return real_.DownloadFiles(l, r, m);
    }

  private:
    FtpClient& real_;
    std::function<void()> step_;
};

TEST(EnviaArchivos, SendsANewFileOnceAndAgainAfterItIsRewritten) {
    PassFixture f;
    f.drop("m1234001.123", kContent, 0);

    EnviaArchivos(f.ctx);
    EXPECT_EQ(readBytes(f.remoteFile("REC/m1234001.123")), kContent);
    EXPECT_EQ(readBytes(joinPath(f.pend, "m1234001.123")), kContent);
    EXPECT_EQ(readBytes(joinPath(f.sent, "m1234001.123")), kContent);
    EXPECT_TRUE(isRegularFile(joinPath(f.send, "m1234001.123")));  // stays until the purge
    EXPECT_EQ(f.linesOf(f.logPath()), std::vector<std::string>{"E - m1234001.123 - 10:00:00"});
    EXPECT_EQ(f.lists.get(ListId::Enviados), std::vector<std::string>{"m1234001.123 - 10:00:00"});
    ASSERT_EQ(f.linesOf(f.registryPath()).size(), 1u);
    EXPECT_EQ(f.linesOf(f.registryPath())[0].rfind("m1234001.123|", 0), 0u);

    // Untouched: not queued again.
    removeFile(f.remoteFile("REC/m1234001.123"));
    EnviaArchivos(f.ctx);
    EXPECT_TRUE(f.lists.get(ListId::SendFiles).empty());
    EXPECT_FALSE(pathExists(f.remoteFile("REC/m1234001.123")));

    // Rewritten at a later time: sent again, with a second registry line.
    f.drop("m1234001.123", kContent + "x", 5 * 60);
    EnviaArchivos(f.ctx);
    EXPECT_EQ(readBytes(f.remoteFile("REC/m1234001.123")), kContent + "x");
    EXPECT_EQ(f.linesOf(f.registryPath()).size(), 2u);
    EXPECT_EQ(f.lists.get(ListId::Enviados).size(), 2u);
}

TEST(EnviaArchivos, FilesOfOtherPatentesLettersAndShapesAreLeftAlone) {
    PassFixture f;
    const std::vector<std::string> others = {
        "m9999001.123",   // another patente
        "z1234001.123",   // a letter not in slot 10
        "m1234001.1234",  // 13 characters
        "m1234001.err",   // an error file
        "b1234001err",    // ... in any length
    };
    for (const auto& name : others) {
        f.drop(name, kContent);
    }
    makeDirectory(joinPath(f.send, "m1234002.123"));  // a folder named like a file

    f.config.set(slot::kAutoSend, "0");
    EnviaArchivos(f.ctx);
    EXPECT_EQ(f.dialogs.fileSelections, 0);  // nothing queued: no window
    EXPECT_TRUE(f.lists.get(ListId::SendFiles).empty());
    EXPECT_TRUE(f.namesIn(f.remoteFile("REC")).empty());
    for (const auto& name : others) {
        EXPECT_EQ(readBytes(joinPath(f.send, name)), kContent) << name;
    }
    EXPECT_TRUE(isDirectory(joinPath(f.send, "m1234002.123")));
    EXPECT_TRUE(f.namesIn(f.pend).empty());
    EXPECT_FALSE(pathExists(f.rejected));
    EXPECT_FALSE(pathExists(f.registryPath()));
}

TEST(EnviaArchivos, AnUpperCaseNameIsSentAndCopiedInLowerCase) {
    PassFixture f;
    f.drop("M1234001.123", kContent);
    EnviaArchivos(f.ctx);
    EXPECT_EQ(f.namesIn(f.remoteFile("REC")), std::vector<std::string>{"m1234001.123"});
    EXPECT_EQ(f.namesIn(f.pend), std::vector<std::string>{"m1234001.123"});
    EXPECT_EQ(f.namesIn(f.sent), std::vector<std::string>{"m1234001.123"});
    EXPECT_EQ(f.lists.get(ListId::Enviados), std::vector<std::string>{"m1234001.123 - 10:00:00"});

    EnviaArchivos(f.ctx);  // its registry line holds for the upper-case file too
    EXPECT_TRUE(f.lists.get(ListId::SendFiles).empty());
}

TEST(EnviaArchivos, WrongDayOrFolioIsRefusedToRechaza) {
    PassFixture f;
    f.config.set(slot::kUpperFolio, "050");
    f.drop("m1234001.122", "day");    // day 122 on day 123
    f.drop("m1234051.123", "folio");  // folio above 050
    f.drop("m1234051.122", "both");   // both: the day decides the reason
    f.drop("m1234002.123", "good");
    f.drop("m1234003.122", "locked");  // read-only: copied, not removed
    setReadOnly(joinPath(f.send, "m1234003.122"), true);

    EnviaArchivos(f.ctx);
    EXPECT_EQ(f.lists.get(ListId::Rechazados),
              (std::vector<std::string>{
                  "m1234001.122 10:00  JULIANO MAL", "m1234003.122 10:00  JULIANO MAL",
                  "m1234051.122 10:00  JULIANO MAL", "m1234051.123 10:00   FOLIOS MAL"}));
    EXPECT_EQ(f.namesIn(f.rejected), (std::vector<std::string>{"m1234001.122", "m1234003.122",
                                                               "m1234051.122", "m1234051.123"}));
    EXPECT_EQ(readBytes(joinPath(f.rejected, "m1234051.123")), "folio");
    EXPECT_EQ(f.namesIn(f.send),
              (std::vector<std::string>{"Enviados", "Pend", "Rechaza", "bitacora", "m1234002.123",
                                        "m1234003.122"}));
    EXPECT_EQ(f.namesIn(f.remoteFile("REC")), std::vector<std::string>{"m1234002.123"});
    EXPECT_EQ(f.linesOf(f.registryPath()).size(), 1u);

    // The read-only file is refused again at every pass.
    EnviaArchivos(f.ctx);
    EXPECT_EQ(f.lists.get(ListId::Rechazados).size(), 5u);
    EXPECT_TRUE(isRegularFile(joinPath(f.send, "m1234003.122")));
    setReadOnly(joinPath(f.send, "m1234003.122"), false);
}

TEST(EnviaArchivos, AFailedUploadLeavesTheFileAndWritesNothing) {
    PassFixture f;
    f.drop("m1234001.123", kContent);
    f.drop("m1234002.123", kContent);
    f.server->stop();

    EnviaArchivos(f.ctx);
    EXPECT_EQ(f.captions.get(Caption::Evento).rfind("ERROR al conectar- ", 0), 0u);
    EXPECT_EQ(f.dialogs.componentErrors.size(), 1u);  // one attempt per pass, not per file
    EXPECT_EQ(readBytes(joinPath(f.send, "m1234001.123")), kContent);
    EXPECT_TRUE(f.namesIn(f.pend).empty());
    EXPECT_TRUE(f.namesIn(f.sent).empty());
    EXPECT_FALSE(pathExists(f.logPath()));
    EXPECT_FALSE(pathExists(f.registryPath()));
    EXPECT_TRUE(f.lists.get(ListId::Enviados).empty());

    f.server->restart();
    f.config.set(slot::kPort, f.server->portText());
    f.ctx.faults = {};
    EnviaArchivos(f.ctx);  // tried again at the next pass
    EXPECT_EQ(f.namesIn(f.remoteFile("REC")),
              (std::vector<std::string>{"m1234001.123", "m1234002.123"}));
}

// The copies that record a file are made before it goes out: when Pend or
// Enviados cannot take one (a plain file in the folder's place, as a full
// disk would fail it), nothing is uploaded, no half record is left and the
// cycle is asked to stop with a message.
TEST(EnviaArchivos, ACopyThatCannotBeMadeKeepsTheFileHomeAndStopsThePass) {
    for (const bool pendBroken : {true, false}) {
        PassFixture f;
        const std::string& broken = pendBroken ? f.pend : f.sent;
        std::filesystem::remove(toFsPath(broken));
        writeBytes(broken, "not a folder");
        f.drop("m1234001.123", kContent);
        f.drop("m1234002.123", kContent);

        EnviaArchivos(f.ctx);
        SCOPED_TRACE(broken);
        EXPECT_TRUE(f.namesIn(f.remoteFile("REC")).empty());
        ASSERT_EQ(f.dialogs.texts().size(), 1u);
        EXPECT_EQ(f.dialogs.texts()[0], "ERROR, no se pudo copiar m1234001.123 a " + broken +
                                            ", el archivo no se envió. Se detiene el ciclo de "
                                            "validación.");
        EXPECT_TRUE(f.cycle.stopRequested);
        if (!pendBroken) {
            EXPECT_TRUE(f.namesIn(f.pend).empty());  // its marker taken back
        }
        EXPECT_FALSE(pathExists(f.logPath()));
        EXPECT_FALSE(pathExists(f.registryPath()));
        EXPECT_TRUE(f.lists.get(ListId::Enviados).empty());
    }
}

TEST(EnviaArchivos, AFileRewrittenDuringItsUploadIsSentAgain) {
    PassFixture f;
    f.drop("m1234001.123", kContent, 0);
    bool rewrite = true;
    AfterUpload client(f.client, [&] {
        if (rewrite) {
            rewrite = false;
            f.drop("m1234001.123", kContent + "final", 30);  // the broker's system finishes
        }
    });
    CycleContext withHook{f.config,  f.captions,  f.lists,        f.edit, f.gauges,
                          f.cycle,   f.julianDay, f.letterOffset, 0,      "",
                          f.dialogs, f.clock,     client};
    EnviaArchivos(withHook);
    EnviaArchivos(withHook);
    EXPECT_EQ(readBytes(f.remoteFile("REC/m1234001.123")), kContent + "final");
    EXPECT_EQ(f.linesOf(f.registryPath()).size(), 2u);

    EnviaArchivos(withHook);  // now recorded in its final state
    EXPECT_EQ(f.linesOf(f.registryPath()).size(), 2u);
}

TEST(EnviaArchivos, TheSelectionWindowDecidesWhatGoesOut) {
    PassFixture f;
    f.config.set(slot::kAutoSend, "0");
    f.drop("m1234001.123", kContent);
    f.drop("m1234002.123", kContent);
    f.dialogs.answer(DialogAnswer::Yes);  // drop the file left out
    f.dialogs.onChooseFiles = [&](FileSelection& window) {
        EXPECT_EQ(window.rows(), (std::vector<std::string>{"m1234001.123", "m1234002.123"}));
        EXPECT_TRUE(window.send({false, true}));
        window.closed();
    };

    EnviaArchivos(f.ctx);
    EXPECT_EQ(f.dialogs.fileSelections, 1);
    EXPECT_EQ(f.namesIn(f.remoteFile("REC")), std::vector<std::string>{"m1234002.123"});
    EXPECT_EQ(f.linesOf(f.registryPath()).size(), 2u);  // the dropped one and the sent one

    EnviaArchivos(f.ctx);  // neither is queued again: the window stays shut
    EXPECT_EQ(f.dialogs.fileSelections, 1);
}

}  // namespace
}  // namespace torva::test
