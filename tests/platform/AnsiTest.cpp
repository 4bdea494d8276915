#include <gtest/gtest.h>

#include "platform/Ansi.h"
#include "support/TempDir.h"

namespace torva {
namespace {

TEST(Ansi, ConvertsBothWaysIncludingTheHighControlRange) {
    struct Case {
        std::string ansi;
        std::string utf8;
    };
    const Case cases[] = {
        {"abc", "abc"},
        {"Versi\xF3n", "Versión"},
        {"Contrase\xF1"
         "a",
         "Contraseña"},
        {"\x80", "€"},
        {"\x9F", "Ÿ"},
        {"\xA0\xFF", "\xC2\xA0ÿ"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ansiToUtf8(c.ansi), c.utf8) << c.utf8;
        EXPECT_EQ(utf8ToAnsi(c.utf8), c.ansi) << c.utf8;
    }
}

TEST(Ansi, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToAnsi("a\xE2\x86\x92z"), "a?z");  // U+2192 has no Windows-1252 code
    EXPECT_EQ(utf8ToAnsi("\xE2\x82"), "?");          // a cut sequence
}

TEST(Ansi, SplitsCrLfLfAndLoneCr) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(Ansi, WritesCrLfAnsiAndReadsItBack) {
    test::TempDir dir;
    const std::string path = dir.file("x.txt");
    ASSERT_FALSE(writeAnsiLines(path, {"Versión", ""}));
    EXPECT_EQ(test::readBytes(path), "Versi\xF3n\r\n\r\n");
    std::vector<std::string> lines;
    ASSERT_FALSE(readAnsiLines(path, lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"Versión", ""}));
}

// A log or registry whose last write was cut short by a crash: the next line
// must not be glued onto the cut one, or neither would ever be read back.
TEST(Ansi, AppendsOnALineOfItsOwnAfterACutLine) {
    struct Case {
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"", "R - b\r\n"},
        {"E - a\r\n", "E - a\r\nR - b\r\n"},
        {"E - a", "E - a\r\nR - b\r\n"},
        {"E - a\r", "E - a\rR - b\r\n"},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        const std::string path = dir.file("log.txt");
        test::writeBytes(path, c.before);
        ASSERT_FALSE(appendAnsiLines(path, {"R - b"}));
        EXPECT_EQ(test::readBytes(path), c.after) << c.before;
    }
}

}  // namespace
}  // namespace torva
