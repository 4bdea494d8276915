// Which failures end the session. The callers end a batch when IsConnected()
// is false after a failed call and go on with the next file otherwise.
#include <gtest/gtest.h>

#include <chrono>

#include "FtpFixture.h"
#include "LosingRelay.h"

namespace torva {
namespace {

using test::FtpFixture;
using test::readBytes;
using test::writeBytes;
using Clock = std::chrono::steady_clock;
using Names = std::vector<std::string>;

const std::string kBadNames[] = {
    "m1234\t001.123",
    "m1234001.123\r",
    "m1234\n001.123",
    std::string("m1234\0"
                "001.123",
                12),
    "m1234\x01"
    "001.123",
    "m1234\x1f"
    "001.123",
    "m1234\x7f"
    "001.123",
};

TEST(CurlFtpSessionLife, ANameThatCannotBeSentFailsThatCallAloneWithAFileCode) {
    FtpFixture f;
    writeBytes(f.localFile("m1234001.123"), "m");
    writeBytes(f.remoteFile("ENV/m1234001.err"), "r");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    for (const std::string& bad : kBadNames) {
        SCOPED_TRACE(testing::PrintToString(bad));
        EXPECT_EQ(f.client.UploadFile(f.localFile("m1234001.123"), "REC/" + bad),
                  ftp::kInvalidFileName);
        EXPECT_TRUE(f.client.IsConnected());
        EXPECT_EQ(f.client.DownloadFile(f.localFile("r.err"), "ENV/" + bad), ftp::kInvalidFileName);
        EXPECT_TRUE(f.client.IsConnected());
        Names names;
        EXPECT_EQ(f.client.ListNames("ENV/" + bad, names), ftp::kInvalidFileName);
        EXPECT_TRUE(f.client.IsConnected());
    }
    EXPECT_EQ(f.client.UploadFile(f.localFile("m1234001.123"), "REC/m1234001.123"), ftp::kOk);
    EXPECT_EQ(readBytes(f.remoteFile("REC/m1234001.123")), "m");
    EXPECT_EQ(f.client.DownloadFile(f.localFile("m1234001.err"), "ENV/m1234001.err"), ftp::kOk);
    EXPECT_EQ(f.localNames(), (Names{"m1234001.123", "m1234001.err"}));
}

TEST(CurlFtpSessionLife, ANameThatCannotBeSentNeverReachesTheServer) {
    // A server that answers nothing after the login: a round trip would time out.
    FtpFixture f("mute");
    writeBytes(f.localFile("m1234001.123"), "m");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);
    EXPECT_EQ(f.client.UploadFile(f.localFile("m1234001.123"), "REC/" + kBadNames[0]),
              ftp::kInvalidFileName);
    EXPECT_EQ(f.client.DownloadFile(f.localFile("r.err"), "ENV/" + kBadNames[2]),
              ftp::kInvalidFileName);
    EXPECT_TRUE(f.client.IsConnected());
}

TEST(CurlFtpSessionLife, ATimeOutAfterTheLoginEndsTheSessionWithinTheCallBound) {
    struct Case {
        const char* mode;
        std::vector<std::string> args;
        bool upload;
        FtpCode code;
    };
    const Case cases[] = {
        {"mute", {}, false, ftp::kReadFailed},
        {"mute", {}, true, ftp::kWriteFailed},
        {"stall", {"--cut-bytes", "10000"}, false, ftp::kReadFailed},
        {"trickle", {"--rate", "20"}, false, ftp::kReadFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + (c.upload ? " upload" : " download"));
        FtpFixture f(c.mode, c.args);
        f.client.settings().timeouts.call = 6;
        writeBytes(f.localFile("m1234001.123"), std::string(1 << 20, 'm'));
        writeBytes(f.remoteFile("ENV/m1234001.err"), std::string(1 << 20, 'r'));
        ASSERT_EQ(f.client.Connect(), ftp::kOk);
        const auto start = Clock::now();
        const FtpCode code =
            c.upload ? f.client.UploadFile(f.localFile("m1234001.123"), "REC/m1234001.123")
                     : f.client.DownloadFile(f.localFile("m1234001.err"), "ENV/m1234001.err");
        EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(7500));
        EXPECT_EQ(code, c.code);
        EXPECT_FALSE(f.client.IsConnected());
        EXPECT_EQ(f.localNames(), Names{"m1234001.123"});
    }
}

TEST(CurlFtpSessionLife, AFileTheServerRefusesKeepsTheSession) {
    struct Case {
        const char* reply;
        FtpCode upload;
    };
    for (const Case& c :
         {Case{"550", ftp::kRemoteAccessDenied}, Case{"553", ftp::kInvalidFileName}}) {
        SCOPED_TRACE(c.reply);
        FtpFixture f("normal", {"--refuse", "m1234001.err", "--refuse-store", "m1234001.123",
                                "--refuse-code", c.reply});
        writeBytes(f.localFile("m1234001.123"), "m");
        writeBytes(f.remoteFile("ENV/m1234001.err"), "r");
        writeBytes(f.remoteFile("ENV/m1234002.err"), "r2");
        ASSERT_EQ(f.client.Connect(), ftp::kOk);

        EXPECT_EQ(f.client.UploadFile(f.localFile("m1234001.123"), "REC/m1234001.123"), c.upload);
        EXPECT_TRUE(f.client.IsConnected());
        EXPECT_EQ(f.client.DownloadFile(f.localFile("m1234001.err"), "ENV/m1234001.err"),
                  ftp::kRemoteFileUnavailable);
        EXPECT_TRUE(f.client.IsConnected());
        // The next file goes through on the same session.
        EXPECT_EQ(f.client.UploadFile(f.localFile("m1234001.123"), "REC/m1234002.123"), ftp::kOk);
        EXPECT_EQ(f.client.DownloadFile(f.localFile("m1234002.err"), "ENV/m1234002.err"), ftp::kOk);
        EXPECT_EQ(f.localNames(), (Names{"m1234001.123", "m1234002.err"}));
    }
}

TEST(CurlFtpSessionLife, AConnectionLostWhileIdleIsOpenedAgainOnceAndTheCallSucceeds) {
    test::TempDir logs;
    const std::string logins = logs.file("logins.txt");
    FtpFixture f("normal", {"--login-log", logins});
    test::LosingRelay relay(f.server->port());
    f.client.settings().ServerPort = std::to_string(relay.port());
    writeBytes(f.localFile("m1234001.123"), "m");
    writeBytes(f.remoteFile("ENV/m1234001.err"), "r");
    ASSERT_EQ(f.client.Connect(), ftp::kOk);

    std::string expected = "usuario1234\n";
    const std::function<FtpCode()> calls[] = {
        [&] { return f.client.UploadFile(f.localFile("m1234001.123"), "REC/m1234001.123"); },
        [&] { return f.client.DownloadFile(f.localFile("m1234001.err"), "ENV/m1234001.err"); },
        [&] {
            Names names;
            return f.client.ListNames("ENV", names);
        },
    };
    for (const auto& call : calls) {
        relay.loseOpenConnections();
        EXPECT_TRUE(f.client.IsConnected());
        EXPECT_EQ(call(), ftp::kOk);
        EXPECT_TRUE(f.client.IsConnected());
        expected += "usuario1234\n";
        EXPECT_EQ(readBytes(logins), expected);
    }
    EXPECT_EQ(readBytes(f.remoteFile("REC/m1234001.123")), "m");
    EXPECT_EQ(readBytes(f.localFile("m1234001.err")), "r");
}

}  // namespace
}  // namespace torva
