#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "FtpFixture.h"
#include "platform/FolderIndex.h"

#ifdef __linux__
#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace torva {
namespace {

using test::FtpFixture;
using test::readBytes;
using test::writeBytes;
using Names = std::vector<std::string>;

std::size_t entriesIn(const std::string& dir) {
    std::error_code ec;
    return listDirectory(dir, ec).size();
}

TEST(CurlFtpClient, ConnectSucceedsOnlyWithTheRightPassword) {
    FtpFixture f;
    f.useSettings(true, "equivocada");
    EXPECT_EQ(f.client.Connect(), ftp::kLoginRefused);
    EXPECT_FALSE(f.client.IsConnected());
    EXPECT_EQ(f.client.DownloadFile(f.localFile("x"), "ENV/x"), ftp::kNotLoggedIn);

    f.useSettings(true, "secreto");
    EXPECT_EQ(f.client.Connect(), ftp::kOk);
    EXPECT_TRUE(f.client.IsConnected());
    EXPECT_EQ(f.client.Disconnect(), ftp::kOk);
    EXPECT_FALSE(f.client.IsConnected());
    EXPECT_EQ(f.client.Disconnect(), ftp::kOk);
}

TEST(CurlFtpClient, ConnectReportsHostPortAndRefusedConnection) {
    FtpFixture f;
    f.client.settings().ServerHost = "Host(0)";
    EXPECT_EQ(f.client.Connect(), ftp::kHostNotFound);
    f.useSettings(true, "secreto");
    f.client.settings().ServerPort = "puerto";
    EXPECT_EQ(f.client.Connect(), ftp::kInvalidParameter);
    f.useSettings(true, "secreto");
    f.server->stop();
    EXPECT_EQ(f.client.Connect(), ftp::kConnectFailed);
    EXPECT_FALSE(f.client.IsConnected());
}

TEST(CurlFtpClient, UploadsAndDownloadsInPassiveAndActiveMode) {
    for (const bool passive : {true, false}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        FtpFixture f;
        f.useSettings(passive, "secreto");
        ASSERT_EQ(f.client.Connect(), ftp::kOk);

        std::string bytes = "501|encabezado\r\n801|firma\r\n";
        bytes += std::string(1, '\0') + "\xff\xfe" + std::string(70000, 'x');
        writeBytes(f.localFile("m1234001.123"), bytes);
        EXPECT_EQ(f.client.UploadFile(f.localFile("m1234001.123"), "REC/m1234001.123"), ftp::kOk);
        EXPECT_EQ(readBytes(f.remoteFile("REC/m1234001.123")), bytes);

        writeBytes(f.remoteFile("ENV/m1234001.err"), "respuesta\r\n");
        writeBytes(f.remoteFile("ENV/vacio.err"), "");
        EXPECT_EQ(f.client.DownloadFile(f.localFile("m1234001.err"), "ENV/m1234001.err"), ftp::kOk);
        EXPECT_EQ(readBytes(f.localFile("m1234001.err")), "respuesta\r\n");
        // An empty response still arrives as a file.
        EXPECT_EQ(f.client.DownloadFile(f.localFile("vacio.err"), "ENV/vacio.err"), ftp::kOk);
        EXPECT_TRUE(isRegularFile(f.localFile("vacio.err")));
        EXPECT_EQ(readBytes(f.localFile("vacio.err")), "");
        EXPECT_TRUE(f.client.IsConnected());
    }
}

TEST(CurlFtpClient, OneLoginServesTheWholeSession) {
    test::TempDir logs;
    const std::string logins = logs.file("logins.txt");
    FtpFixture f("normal", {"--login-log", logins});
    writeBytes(f.remoteFile("ENV/general/aviso.gen"), "aviso");
    writeBytes(f.localFile("a.123"), "a");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f.client.UploadFile(f.localFile("a.123"), "REC/a.123"), ftp::kOk);
        EXPECT_NE(f.client.DownloadFile(f.localFile("b.err"), "ENV/b.err"), ftp::kOk);
        EXPECT_EQ(f.client.DownloadFiles(f.local.path(), "ENV/general", "*.*"), ftp::kOk);
    }
    EXPECT_EQ(readBytes(logins), "usuario1234\n");
    EXPECT_EQ(f.client.Disconnect(), ftp::kOk);
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    EXPECT_EQ(readBytes(logins), "usuario1234\nusuario1234\n");
}

TEST(CurlFtpClient, MissingFilesFailWithoutEndingTheSession) {
    FtpFixture f;
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    writeBytes(f.localFile("m1234002.err"), "anterior");

    EXPECT_EQ(f.client.DownloadFile(f.localFile("m1234001.err"), "ENV/m1234001.err"),
              ftp::kRemoteFileUnavailable);
    EXPECT_EQ(f.client.DownloadFile(f.localFile("m1234002.err"), "NOEXISTE/m1234002.err"),
              ftp::kRemoteFileUnavailable);
    EXPECT_FALSE(pathExists(f.localFile("m1234001.err")));
    EXPECT_EQ(readBytes(f.localFile("m1234002.err")), "anterior");
    EXPECT_EQ(entriesIn(f.local.path()), 1u);  // no temporary file left

    EXPECT_EQ(f.client.UploadFile(f.localFile("no-existe.123"), "REC/no-existe.123"),
              ftp::kLocalOpenFailed);
    writeBytes(f.localFile("a.123"), "a");
    EXPECT_EQ(f.client.UploadFile(f.localFile("a.123"), "NOEXISTE/a.123"),
              ftp::kRemoteAccessDenied);
    writeBytes(f.remoteFile("ENV/x.err"), "x");
    EXPECT_EQ(f.client.DownloadFile(f.local.path() + "/no/existe/x.err", "ENV/x.err"),
              ftp::kLocalCreateFailed);
    EXPECT_TRUE(f.client.IsConnected());
}

TEST(CurlFtpClient, DownloadFilesFetchesEveryPlainFileOfTheFolder) {
    FtpFixture f;
    writeBytes(f.remoteFile("ENV/general/aviso.gen"), "aviso general");
    writeBytes(f.remoteFile("ENV/general/aviso.txt"), "aviso particular");
    writeBytes(f.remoteFile("ENV/general/sin_punto"), "");
    makeDirectory(f.remoteFile("ENV/general/sub"));
    writeBytes(f.remoteFile("ENV/general/sub/oculto.txt"), "no");
    makeDirectory(f.remoteFile("ENV/vacio"));
    ASSERT_EQ(f.client.Connect(), ftp::kOk);

    EXPECT_EQ(f.client.DownloadFiles(f.local.path(), "ENV/general", "*.*"), ftp::kOk);
    EXPECT_EQ(readBytes(f.localFile("aviso.gen")), "aviso general");
    EXPECT_EQ(readBytes(f.localFile("aviso.txt")), "aviso particular");
    EXPECT_TRUE(isRegularFile(f.localFile("sin_punto")));
    EXPECT_FALSE(pathExists(f.localFile("sub")));
    EXPECT_FALSE(pathExists(f.localFile("oculto.txt")));
    EXPECT_EQ(entriesIn(f.local.path()), 3u);

    test::TempDir other;
    EXPECT_EQ(f.client.DownloadFiles(other.path(), "ENV/general", "*.gen"), ftp::kOk);
    EXPECT_EQ(entriesIn(other.path()), 1u);
    EXPECT_EQ(f.client.DownloadFiles(other.path(), "ENV/vacio", "*.*"), ftp::kOk);
    EXPECT_EQ(f.client.DownloadFiles(other.path(), "ENV/general", "*.zzz"), ftp::kOk);
    EXPECT_EQ(entriesIn(other.path()), 1u);

    EXPECT_EQ(f.client.DownloadFiles(other.path(), "ENV/noexiste", "*.*"),
              ftp::kRemoteAccessDenied);
    EXPECT_EQ(f.client.DownloadFiles(other.path() + "/falta", "ENV/general", "*.*"),
              ftp::kLocalDirectoryInvalid);
    EXPECT_TRUE(f.client.IsConnected());
}

TEST(CurlFtpClient, ListNamesGivesTheSafeNamesOfAFolder) {
    // Names no Windows folder can hold come in every listing, as a server
    // on another system may send them.
    test::TempDir extra;
    writeBytes(extra.file("names"), "con\r\npunto.\r\n");
    FtpFixture f("normal", {"--extra-names", extra.file("names")});
    writeBytes(f.remoteFile("ENV/m1234001.err"), "e");
    writeBytes(f.remoteFile("ENV/m1234002.123"), "f");
    makeDirectory(f.remoteFile("ENV/vacio"));
    std::vector<std::string> names{"viejo"};
    EXPECT_EQ(f.client.ListNames("ENV", names), ftp::kNotLoggedIn);
    EXPECT_TRUE(names.empty());
    ASSERT_EQ(f.client.Connect(), ftp::kOk);

    ASSERT_EQ(f.client.ListNames("ENV", names), ftp::kOk);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"general", "m1234001.err", "m1234002.123", "vacio"}));
    EXPECT_EQ(f.client.ListNames("ENV/vacio", names), ftp::kOk);
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(f.client.ListNames("ENV/noexiste", names), ftp::kRemoteAccessDenied);
    EXPECT_TRUE(f.client.IsConnected());
}

TEST(CurlFtpClient, ABatchPutsItsDownloadsInPlaceTogetherAtItsCommit) {
    FtpFixture f;
    for (const char* name : {"a.err", "b.err", "c.err"}) {
        writeBytes(f.remoteFile(std::string("ENV/") + name), std::string("nuevo ") + name);
    }
    writeBytes(f.localFile("a.err"), "viejo");
    makeDirectory(f.localFile("c.err"));  // c.err cannot be put in place
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    std::vector<std::string> listed;
    ASSERT_EQ(f.client.ListNames("ENV", listed), ftp::kOk);

    f.client.BeginDownloadBatch();
    for (const char* name : {"a.err", "b.err", "c.err"}) {
        EXPECT_EQ(f.client.DownloadFile(f.localFile(name), std::string("ENV/") + name), ftp::kOk);
    }
    EXPECT_EQ(readBytes(f.localFile("a.err")), "viejo");
    EXPECT_FALSE(pathExists(f.localFile("b.err")));

    EXPECT_EQ(f.client.CommitDownloadBatch(), ftp::kLocalWriteFailed);
    EXPECT_EQ(f.client.LastReport().failedFiles,
              (std::vector<FtpFileFailure>{{f.localFile("c.err"), ftp::kLocalWriteFailed}}));
    EXPECT_EQ(readBytes(f.localFile("a.err")), "nuevo a.err");
    EXPECT_EQ(readBytes(f.localFile("b.err")), "nuevo b.err");
    EXPECT_TRUE(isDirectory(f.localFile("c.err")));
    EXPECT_EQ(entriesIn(f.local.path()), 3u);  // no temporary file left

    // After the commit, a download is in place when it returns.
    EXPECT_EQ(f.client.DownloadFile(f.localFile("d.err"), "ENV/b.err"), ftp::kOk);
    EXPECT_EQ(readBytes(f.localFile("d.err")), "nuevo b.err");
}

TEST(CurlFtpClient, ABatchNeverCommittedLeavesTheFilesAsTheyWere) {
    test::TempDir local;
    writeBytes(local.file("a.err"), "viejo");
    {
        FtpFixture f;
        writeBytes(f.remoteFile("ENV/a.err"), "nuevo");
        ASSERT_EQ(f.client.Connect(), ftp::kOk);
        f.client.BeginDownloadBatch();
        EXPECT_EQ(f.client.DownloadFile(local.file("a.err"), "ENV/a.err"), ftp::kOk);
    }
    EXPECT_EQ(readBytes(local.file("a.err")), "viejo");
    EXPECT_EQ(entriesIn(local.path()), 1u);
}

TEST(CurlFtpClient, AServerThatGoesAwayIsNoticedAndARestartedOneIsUsedAgain) {
    FtpFixture f;
    writeBytes(f.remoteFile("ENV/a.err"), "a");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);

    // Restarted between two calls: the next call logs in again by itself.
    f.server->restart();
    EXPECT_EQ(f.client.DownloadFile(f.localFile("a.err"), "ENV/a.err"), ftp::kOk);
    EXPECT_TRUE(f.client.IsConnected());

    // Stopped: the call fails and the session is over.
    f.server->stop();
    EXPECT_NE(f.client.DownloadFile(f.localFile("b.err"), "ENV/a.err"), ftp::kOk);
    EXPECT_FALSE(f.client.IsConnected());
    EXPECT_FALSE(pathExists(f.localFile("b.err")));

    f.server->restart();
    EXPECT_EQ(f.client.Connect(), ftp::kOk);
    EXPECT_EQ(f.client.DownloadFile(f.localFile("b.err"), "ENV/a.err"), ftp::kOk);
}

TEST(CurlFtpClient, ASessionTheServerClosedWhileIdleIsOpenedAgain) {
    FtpFixture f("normal", {"--idle-timeout", "1"});
    writeBytes(f.remoteFile("ENV/a.err"), "a");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    std::this_thread::sleep_for(std::chrono::milliseconds(1600));
    EXPECT_EQ(f.client.DownloadFile(f.localFile("a.err"), "ENV/a.err"), ftp::kOk);
    EXPECT_TRUE(f.client.IsConnected());
}

TEST(CurlFtpClient, ALocalFolderIsFoundWithoutRegardToCase) {
    FtpFixture f;
    writeBytes(f.remoteFile("ENV/a.err"), "a");
    makeDirectory(f.local.file("Rec"));
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    EXPECT_EQ(f.client.DownloadFile(f.local.file("rec") + "/a.err", "ENV/a.err"), ftp::kOk);
    EXPECT_EQ(readBytes(f.local.file("Rec") + "/a.err"), "a");
    EXPECT_EQ(entriesIn(f.local.file("Rec")), 1u);
}

#ifdef __linux__
// Counts the times a folder is opened to be listed, as the kernel reports
// them; opening a file inside it or asking about one does not count.
class FolderListings {
  public:
    explicit FolderListings(const std::string& folder)
        : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        inotify_add_watch(fd_, folder.c_str(), IN_OPEN);
    }
    ~FolderListings() { ::close(fd_); }
    FolderListings(const FolderListings&) = delete;
    FolderListings& operator=(const FolderListings&) = delete;

    // The listings since the last call.
    int take() {
        int listings = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                listings += (event->mask & IN_ISDIR) && event->len == 0 ? 1 : 0;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return listings;
    }

  private:
    int fd_;
};

TEST(CurlFtpClient, ADownloadListsNoFolderAndReplacesTheFileTheCallerNames) {
    FtpFixture f;
    for (const char* name : {"m1234001.err", "m1234002.err", "m1234003.err"}) {
        writeBytes(f.remoteFile(std::string("ENV/") + name), name);
    }
    writeBytes(f.localFile("M1234002.ERR"), "anterior");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    FolderListings listings(f.local.path());
    // The first download into a folder has it looked at once, beside the
    // transfers, for a killed download's leftovers.
    ASSERT_EQ(f.client.DownloadFile(f.localFile("m1234001.err"), "ENV/m1234001.err"), ftp::kOk);
    int sweeps = 0;
    for (int i = 0; i < 500 && sweeps == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        sweeps = listings.take();
    }
    ASSERT_EQ(sweeps, 1);

    const FolderIndex receive(f.local.path());
    ASSERT_EQ(listings.take(), 1);
    EXPECT_EQ(f.client.DownloadFile(receive.pathOf("m1234002.err"), "ENV/m1234002.err"), ftp::kOk);
    EXPECT_EQ(f.client.DownloadFile(receive.pathOf("m1234003.err"), "ENV/m1234003.err"), ftp::kOk);
    EXPECT_NE(f.client.DownloadFile(receive.pathOf("m1234004.err"), "ENV/m1234004.err"), ftp::kOk);
    EXPECT_EQ(listings.take(), 0);

    EXPECT_EQ(readBytes(f.localFile("M1234002.ERR")), "m1234002.err");
    EXPECT_EQ(f.localNames(), (Names{"M1234002.ERR", "m1234001.err", "m1234003.err"}));
}
#endif

TEST(CurlFtpClient, AFolderDownloadReplacesAFileThereUnderAnotherCase) {
    FtpFixture f;
    writeBytes(f.remoteFile("ENV/general/aviso.gen"), "nuevo");
    writeBytes(f.localFile("AVISO.GEN"), "anterior");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    EXPECT_EQ(f.client.DownloadFiles(f.local.path(), "ENV/general", "*.*"), ftp::kOk);
    EXPECT_EQ(f.localNames(), Names{"AVISO.GEN"});
    EXPECT_EQ(readBytes(f.localFile("AVISO.GEN")), "nuevo");
}

TEST(CurlFtpClient, ASilentServerGivesATimeOutCode) {
    FtpFixture f("silent");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(f.client.Connect(), ftp::kServerUnavailable);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(10));
    EXPECT_FALSE(f.client.IsConnected());
}

TEST(CurlFtpClient, ATransferCutMidwayLeavesNoPartialFile) {
    FtpFixture f("cut", {"--cut-bytes", "10000"});
    writeBytes(f.remoteFile("ENV/grande.err"), std::string(1 << 20, 'r'));
    writeBytes(f.remoteFile("ENV/chico.err"), "completo");
    writeBytes(f.localFile("grande.err"), "anterior");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);

    EXPECT_EQ(f.client.DownloadFile(f.localFile("grande.err"), "ENV/grande.err"), ftp::kReadFailed);
    EXPECT_TRUE(readBytes(f.localFile("grande.err")) == "anterior");
    EXPECT_EQ(f.client.DownloadFile(f.localFile("nuevo.err"), "ENV/grande.err"), ftp::kReadFailed);
    EXPECT_FALSE(pathExists(f.localFile("nuevo.err")));
    EXPECT_EQ(entriesIn(f.local.path()), 1u);

    // A file shorter than the cut arrives whole, in the same session.
    EXPECT_TRUE(f.client.IsConnected());
    EXPECT_EQ(f.client.DownloadFile(f.localFile("chico.err"), "ENV/chico.err"), ftp::kOk);
    EXPECT_EQ(readBytes(f.localFile("chico.err")), "completo");
}

TEST(CurlFtpClient, AStalledTransferEndsWithATimeOutCode) {
    FtpFixture f("stall", {"--cut-bytes", "10000"});
    writeBytes(f.remoteFile("ENV/grande.err"), std::string(1 << 20, 'r'));
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(f.client.DownloadFile(f.localFile("grande.err"), "ENV/grande.err"), ftp::kReadFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(entriesIn(f.local.path()), 0u);
}

}  // namespace
}  // namespace torva
