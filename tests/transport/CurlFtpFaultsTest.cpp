// The client against servers that fail: killed, silent, trickling, closing,
// refusing single files, listing hostile names; and local writes that fail.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "FtpFixture.h"

namespace torva {

void PrintTo(const FtpFileFailure& f, std::ostream* os) {
    *os << f.name << ":" << codeNumber(f.code);
}

namespace {

using test::FtpFixture;
using test::readBytes;
using test::writeBytes;
using Clock = std::chrono::steady_clock;
using Names = std::vector<std::string>;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(CurlFtpFaults, AFolderDownloadGoesOnPastFilesThatFailAndReportsThem) {
    FtpFixture f("normal", {"--refuse", "b.gen"});
    for (const char* name : {"a.gen", "b.gen", "c.gen", "d.gen", "e.gen"}) {
        writeBytes(f.remoteFile(std::string("ENV/general/") + name), name);
    }
    // A folder where d.gen must go: the local write of d.gen fails.
    makeDirectory(f.localFile("d.gen"));
    ASSERT_EQ(f.client.Connect(), ftp::kOk);

    EXPECT_EQ(f.client.DownloadFiles(f.local.path(), "ENV/general", "*.*"),
              ftp::kRemoteFileUnavailable);
    EXPECT_EQ(f.client.LastReport().failedFiles,
              (std::vector<FtpFileFailure>{{"b.gen", ftp::kRemoteFileUnavailable},
                                           {"d.gen", ftp::kLocalWriteFailed}}));
    for (const char* name : {"a.gen", "c.gen", "e.gen"}) {
        EXPECT_EQ(readBytes(f.localFile(name)), name);
    }
    EXPECT_EQ(f.localNames(), (Names{"a.gen", "c.gen", "d.gen", "e.gen"}));
    EXPECT_TRUE(f.client.IsConnected());

    // A call that succeeds reports nothing left over.
    std::filesystem::remove(toFsPath(f.localFile("d.gen")));
    EXPECT_EQ(f.client.DownloadFiles(f.local.path(), "ENV/general", "d.*"), ftp::kOk);
    EXPECT_TRUE(f.client.LastReport().failedFiles.empty());
}

#ifndef _WIN32
// Files of this process may not grow past `bytes` while it lives: writes
// beyond fail as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(CurlFtpFaults, AFileThatFillsTheDiskIsReportedAndTheOthersArrive) {
    FtpFixture f;
    writeBytes(f.remoteFile("ENV/general/a.gen"), "a");
    writeBytes(f.remoteFile("ENV/general/grande.gen"), std::string(1 << 20, 'g'));
    writeBytes(f.remoteFile("ENV/general/z.gen"), "z");
    writeBytes(f.localFile("grande.gen"), "anterior");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    {
        const FileSizeLimit full(64 * 1024);
        EXPECT_EQ(f.client.DownloadFiles(f.local.path(), "ENV/general", "*.*"),
                  ftp::kLocalWriteFailed);
    }
    EXPECT_EQ(f.client.LastReport().failedFiles,
              (std::vector<FtpFileFailure>{{"grande.gen", ftp::kLocalWriteFailed}}));
    EXPECT_EQ(readBytes(f.localFile("grande.gen")), "anterior");
    EXPECT_EQ(f.localNames(), (Names{"a.gen", "grande.gen", "z.gen"}));
    EXPECT_TRUE(f.client.IsConnected());
}
#endif

TEST(CurlFtpFaults, ListedNamesNeverMeetTemporaryFilesAndCaseTwinsAreFetchedOnce) {
    // Names no Windows folder can hold (a case twin, devices) come in the
    // listing only, as a server on another system may send them.
    test::TempDir extra;
    writeBytes(extra.file("names"), "a.gen\r\nnul.txt\r\nCON\r\n");
    FtpFixture f("normal", {"--extra-names", extra.file("names")});
    const std::string longName = std::string(251, 'n') + ".gen";  // 255 bytes
    const std::pair<std::string, std::string> files[] = {
        {"~zz.gen.tmp", "listed first"},
        {"zz.gen", "zz"},
        {longName, "long"},
        {"A.GEN", "capitals"},
        {"~tv0000abcd.part", "looks like ours"},
    };
    for (const auto& [name, bytes] : files) {
        writeBytes(f.remoteFile("ENV/general/" + name), bytes);
    }
    // Left by a killed download long ago, and by one that may still run.
    const std::string stale = f.localFile("~tv12345678.part");
    const std::string recent = f.localFile("~tv9abcdef0.part");
    writeBytes(stale, "stale");
    writeBytes(recent, "recent");
    std::filesystem::last_write_time(
        toFsPath(stale), std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    ASSERT_EQ(f.client.Connect(), ftp::kOk);

    EXPECT_EQ(f.client.DownloadFiles(f.local.path(), "ENV/general", "*.*"), ftp::kInvalidFileName);
    EXPECT_EQ(f.client.LastReport().failedFiles,
              (std::vector<FtpFileFailure>{{"a.gen", ftp::kInvalidFileName}}));
    EXPECT_EQ(readBytes(f.localFile("~zz.gen.tmp")), "listed first");
    EXPECT_EQ(readBytes(f.localFile("zz.gen")), "zz");
    EXPECT_EQ(readBytes(f.localFile(longName)), "long");
    EXPECT_EQ(readBytes(f.localFile("A.GEN")), "capitals");
    // The leftover goes beside the transfers: waited for here.
    for (int i = 0; i < 500 && pathExists(stale); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(f.localNames(),
              (Names{"A.GEN", longName, "zz.gen", "~tv9abcdef0.part", "~zz.gen.tmp"}));

    std::vector<std::string> names;
    ASSERT_EQ(f.client.ListNames("ENV/general", names), ftp::kOk);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{"A.GEN", longName, "zz.gen", "~zz.gen.tmp"}));
}

TEST(CurlFtpFaults, HostileListingLinesAreNeverFetched) {
    test::TempDir extra;
    writeBytes(extra.file("names"),
               "../fuera.gen\r\n/etc/passwd\r\nsub/x.gen\r\nCOM1\r\nfin.\r\n\xff\xfe.gen\r\n");
    FtpFixture f("normal", {"--extra-names", extra.file("names")});
    writeBytes(f.remoteFile("ENV/general/bueno.gen"), "bueno");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    EXPECT_EQ(f.client.DownloadFiles(f.local.path(), "ENV/general", "*.*"), ftp::kOk);
    EXPECT_EQ(f.localNames(), (Names{"bueno.gen"}));
    EXPECT_FALSE(pathExists(f.local.path() + "/../fuera.gen"));
}

TEST(CurlFtpFaults, AnUploadRefusedMidwayLeavesNoPartialRemoteFile) {
    FtpFixture f("cut", {"--cut-bytes", "10000"});
    writeBytes(f.localFile("m1234001.123"), std::string(1 << 20, 'm'));
    writeBytes(f.localFile("m1234002.123"), "corto");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);

    EXPECT_NE(f.client.UploadFile(f.localFile("m1234001.123"), "REC/m1234001.123"), ftp::kOk);
    EXPECT_FALSE(pathExists(f.remoteFile("REC/m1234001.123")));
    EXPECT_FALSE(f.client.LastReport().partialUploadLeft);
    // The session goes on, and the upload keeps its final name.
    EXPECT_EQ(f.client.UploadFile(f.localFile("m1234002.123"), "REC/m1234002.123"), ftp::kOk);
    EXPECT_EQ(readBytes(f.remoteFile("REC/m1234002.123")), "corto");
}

TEST(CurlFtpFaults, AServerKilledMidTransferGivesAClosedConnection) {
    for (const bool upload : {true, false}) {
        SCOPED_TRACE(upload ? "upload" : "download");
        FtpFixture f("die", {"--cut-bytes", "10000"});
        writeBytes(f.localFile("m1234001.123"), std::string(1 << 20, 'm'));
        writeBytes(f.remoteFile("ENV/m1234001.err"), std::string(1 << 20, 'r'));
        ASSERT_EQ(f.client.Connect(), ftp::kOk);
        const FtpCode code =
            upload ? f.client.UploadFile(f.localFile("m1234001.123"), "REC/m1234001.123")
                   : f.client.DownloadFile(f.localFile("m1234001.err"), "ENV/m1234001.err");
        EXPECT_EQ(code, ftp::kConnectionClosed);
        EXPECT_FALSE(f.client.IsConnected());
        // The part that reached the server cannot be removed: the caller is told.
        EXPECT_EQ(f.client.LastReport().partialUploadLeft, upload);
        EXPECT_EQ(f.localNames(), Names{"m1234001.123"});
    }
}

TEST(CurlFtpFaults, A421AndCloseGivesAClosedConnection) {
    FtpFixture f("close421");
    writeBytes(f.remoteFile("ENV/m1234001.err"), "r");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    EXPECT_EQ(f.client.DownloadFile(f.localFile("m1234001.err"), "ENV/m1234001.err"),
              ftp::kConnectionClosed);
    EXPECT_FALSE(f.client.IsConnected());
    EXPECT_TRUE(f.localNames().empty());
}

TEST(CurlFtpFaults, AServerSilentAfterLoginHoldsNoCallPastItsBound) {
    FtpFixture f("mute");
    // One wait for a reply fits the call's bound, a retry's second one would not.
    f.client.settings().timeouts.response = 3;
    f.client.settings().timeouts.call = 4;
    writeBytes(f.remoteFile("ENV/m1234001.err"), "r");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);

    auto start = Clock::now();
    EXPECT_NE(f.client.DownloadFile(f.localFile("m1234001.err"), "ENV/m1234001.err"), ftp::kOk);
    EXPECT_LT(secondsSince(start), 5.0);
    EXPECT_TRUE(f.localNames().empty());

    // QUIT unanswered: awaited for the quit bound, then reported.
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    start = Clock::now();
    EXPECT_EQ(f.client.Disconnect(), ftp::kServerUnavailable);
    EXPECT_LT(secondsSince(start), 1.8);
    EXPECT_FALSE(f.client.IsConnected());
}

TEST(CurlFtpFaults, ATricklingTransferIsAStall) {
    FtpFixture f("trickle", {"--rate", "20"});
    writeBytes(f.remoteFile("ENV/m1234001.err"), std::string(400, 'r'));  // 20 s at 20 B/s
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    const auto start = Clock::now();
    EXPECT_EQ(f.client.DownloadFile(f.localFile("m1234001.err"), "ENV/m1234001.err"),
              ftp::kReadFailed);
    EXPECT_LT(secondsSince(start), 8.0);
    EXPECT_TRUE(f.localNames().empty());
}

}  // namespace
}  // namespace torva
