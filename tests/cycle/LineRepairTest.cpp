#include <gtest/gtest.h>

#include "cycle/LineRepair.h"
#include "cycle/PrevalidatorKey.h"
#include "platform/FileSystem.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::readBytes;
using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

const std::string K(kClavePrevalidador);
const std::string kHeader24 = "500|1|1234|3420|0|123456";  // 24 characters

TEST(LineRepair, RewritesByTheHeaderRule) {
    struct Case {
        const char* what;
        std::string in;
        std::string out;
    };
    const std::string h32 = kHeader24 + "ABCDEFGH";
    const std::string h25 = kHeader24 + "X";
    const Case cases[] = {
        {"24-character header: lines copied, 801 rewritten",
         kHeader24 + "\r\n501|a|b|\r\n801|m1234001.123|1|2|3|4|\r\n",
         kHeader24 + "\r\n501|a|b|\r\n801|m1234001.123|1|2|" + K + "|\r\n"},
        {"32-character header is well-formed", h32 + "\r\n501|a|\r\n502|b|\r\n",
         h32 + "\r\n501|a|\r\n502|b|\r\n"},
        {"25-character header: plain lines are joined, 801 appended to them",
         h25 + "\r\n501|a|\r\n502|b|\r\n801|m|1|2|3|4|\r\n",
         h25 + "501|a|502|b|801|m|1|2|" + K + "|\r\n"},
        {"one-character lines and empty lines are dropped", kHeader24 + "\r\nx\r\n\r\n501|a|\r\n",
         kHeader24 + "\r\n501|a|\r\n"},
        {"LF-only file is split at each LF; two LF in a row write nothing",
         kHeader24 + "\n501|a|\n\n502|b|\n801|f|1|2|3|4|\n",
         kHeader24 + "\r\n501|a|\r\n502|b|\r\n801|f|1|2|" + K + "|\r\n"},
        {"inner LF splits a line even under a bad header", h25 + "\r\n501|a\n502|b|\r\n",
         h25 + "501|a\r\n502|b|\r\n"},
        {"CR alone ends a line", kHeader24 + "\r501|a|\r", kHeader24 + "\r\n501|a|\r\n"},
        {"anything after the 801 record on its line is dropped",
         kHeader24 + "\n801|f|1|2|3|4|\n501|late|\n", kHeader24 + "\r\n801|f|1|2|" + K + "|\r\n"},
        {"bytes are copied as they are", kHeader24 + "\r\n501|\xD1\xC1\xE9|\x01\xFF|\r\n",
         kHeader24 + "\r\n501|\xD1\xC1\xE9|\x01\xFF|\r\n"},
        {"text still pending at the end is kept", h25 + "\r\n501|a|\r\n502|b|",
         h25 + "501|a|502|b|\r\n"},
        {"empty file", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ajustaContenido(c.in, 24), c.out) << c.what;
    }
}

TEST(LineRepair, ShortOr801RecordsKeepEveryCharacterBeforeTheKey) {
    const std::pair<std::string, std::string> cases[] = {
        {"801|f|1|2|", "801|f|1|2|" + K + "|"},   // the fourth "|" ends the line
        {"801|f|1|2", "801|f|1|2|" + K + "|"},    // three "|"
        {"801|f", "801|f|" + K + "|"},            // one field
        {"801|f\n500|x|", "801|f|" + K + "|"},    // cut at its LF
        {"801|f|1|2|3", "801|f|1|2|" + K + "|"},  // the fifth field is replaced
    };
    for (const auto& [record, repaired] : cases) {
        EXPECT_EQ(ajustaContenido(kHeader24 + "\r\n" + record + "\r\n", 24),
                  kHeader24 + "\r\n" + repaired + "\r\n")
            << record;
    }
}

class AjustaRegistrosTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path = dir.file("m1234001.123");
        writeBytes(path, original);
    }
    TempDir dir;
    std::string path;
    std::string original = kHeader24 + "\n501|a|\n801|m1234001.123|1|2|3|4|\n";
    ConfigRecord config;
    ScriptedDialogs dialogs;
};

TEST_F(AjustaRegistrosTest, RewritesInPlaceAndLeavesNoBackup) {
    config.set(slot::kRecord500Length, "abc");
    config.setModified(false);
    EXPECT_EQ(AjustaRegistros(path, config, dialogs), ajuste::kOk);
    EXPECT_EQ(config.get(slot::kRecord500Length), "24");
    EXPECT_TRUE(config.modified());
    EXPECT_EQ(readBytes(path), kHeader24 + "\r\n501|a|\r\n801|m1234001.123|1|2|" + K + "|\r\n");
    EXPECT_FALSE(pathExists(path + "b"));
    EXPECT_TRUE(dialogs.shown.empty());

    // H comes from slot 17: with 30, the 24-character header is not well-formed.
    writeBytes(path, kHeader24 + "\r\n501|a|\r\n502|b|\r\n");
    config.set(slot::kRecord500Length, "30");
    EXPECT_EQ(AjustaRegistros(path, config, dialogs), ajuste::kOk);
    EXPECT_EQ(readBytes(path), kHeader24 + "501|a|502|b|\r\n");
}

TEST_F(AjustaRegistrosTest, AFailureKeepsTheOriginalAndTellsTheOperator) {
    struct Case {
        const char* what;
        std::string blocker;  // a directory where the operation needs a file
        AjusteCode code;
        std::string message;
    };
    const std::string failed = "ERROR, no fue posible ajustar los registros del archivo '" + path +
                               "', se conserva sin cambios.";
    const Case cases[] = {
        {"backup impossible", temporaryPathFor(path + "b"), ajuste::kSinRespaldo,
         failed + "\rNo se pudo crear la copia de respaldo '" + path + "b'."},
        {"write impossible", temporaryPathFor(path), ajuste::kSinEscritura, failed},
    };
    for (const auto& c : cases) {
        ScriptedDialogs shown;
        ASSERT_FALSE(makeDirectory(c.blocker));
        EXPECT_EQ(AjustaRegistros(path, config, shown), c.code) << c.what;
        EXPECT_EQ(readBytes(path), original) << c.what;
        EXPECT_FALSE(pathExists(path + "b")) << c.what;
        EXPECT_EQ(shown.texts(), std::vector<std::string>{c.message}) << c.what;
        removeFile(c.blocker);
    }
}

TEST_F(AjustaRegistrosTest, AStaleReadOnlyBackupIsReplaced) {
    writeBytes(path + "b", "left by an earlier failure");
    ASSERT_FALSE(setReadOnly(path + "b", true));
    for (int pass = 0; pass < 2; ++pass) {
        writeBytes(path, original);
        EXPECT_EQ(AjustaRegistros(path, config, dialogs), ajuste::kOk) << pass;
        EXPECT_EQ(readBytes(path), kHeader24 + "\r\n501|a|\r\n801|m1234001.123|1|2|" + K + "|\r\n");
        EXPECT_FALSE(pathExists(path + "b"));
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(AjustaRegistrosTest, ABackupThatCannotBeRemovedIsReported) {
    const auto refuse = [](const std::string&) {
        return std::make_error_code(std::errc::permission_denied);
    };
    const std::string notRemoved =
        "ERROR, no fue posible borrar la copia de respaldo '" + path + "b'.";
    EXPECT_EQ(AjustaRegistros(path, config, dialogs, refuse), ajuste::kRespaldoSinBorrar);
    EXPECT_EQ(readBytes(path), kHeader24 + "\r\n501|a|\r\n801|m1234001.123|1|2|" + K + "|\r\n");
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{notRemoved});

    // After a failed repair the box says both.
    ScriptedDialogs shown;
    ASSERT_FALSE(makeDirectory(temporaryPathFor(path)));
    EXPECT_EQ(AjustaRegistros(path, config, shown, refuse), ajuste::kSinEscritura);
    EXPECT_EQ(shown.texts(),
              std::vector<std::string>{"ERROR, no fue posible ajustar los registros del archivo '" +
                                       path + "', se conserva sin cambios.\r" + notRemoved});
}

}  // namespace
}  // namespace torva
