// The rules that differ between Windows and POSIX, each asserted for the
// platform the test runs on and checked against the system's own view.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/ProgramDirectory.h"
#include "support/TempDir.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace torva {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

TEST(NativeRules, LocalDirectoryStartsWithADriveLetterOnWindowsAndASlashOnPosix) {
    struct Case {
        const char* path;
        bool windows;
        bool posix;
    };
    const Case cases[] = {
        {"c:\\env", true, false},  {"Z:\\", true, false},
        {"c", true, false},  // only the first character counts
        {"1:\\env", false, false}, {"\\\\server\\share", false, false},
        {"\\env", false, false},   {"/env", false, true},
        {"/", false, true},        {"env", true, false},  // relative, yet it starts with a letter
        {"", false, false},        {"\xC3\x91:\\env", false, false},  // "Ñ" is not a drive letter
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isValidLocalDirectory(c.path), kWindows ? c.windows : c.posix) << c.path;
    }
}

TEST(NativeRules, PathsJoinWithTheNativeSeparator) {
    if (kWindows) {
        EXPECT_EQ(kNativeSeparator, '\\');
        EXPECT_EQ(joinPath("c:\\env", "Pend"), "c:\\env\\Pend");
    } else {
        EXPECT_EQ(kNativeSeparator, '/');
        EXPECT_EQ(joinPath("/env", "Pend"), "/env/Pend");
    }
    // The system reads the joined path as directory and name.
    TempDir dir;
    ASSERT_FALSE(makeDirectory(dir.file("Pend")));
    writeBytes(joinPath(dir.file("Pend"), "m1234001.123"), "x");
    EXPECT_TRUE(fs::is_regular_file(toFsPath(dir.path()) / "Pend" / "m1234001.123"));
}

TEST(NativeRules, NamesThatDifferOnlyInCaseMeetOnBothTheSystemAndTheProgram) {
    TempDir dir;
    ASSERT_FALSE(makeDirectory(dir.file("Pend")));
    writeBytes(joinPath(dir.file("Pend"), "M1234001.123"), "x");
    const std::string other = joinPath(dir.file("PEND"), "m1234001.123");

    // Windows itself ignores case; POSIX does not, and the program makes up for it.
    EXPECT_EQ(fs::exists(toFsPath(other)), kWindows);
    EXPECT_TRUE(pathExists(other));
    std::string bytes;
    ASSERT_FALSE(readFileBytes(other, bytes));
    EXPECT_EQ(bytes, "x");

    ASSERT_FALSE(writeFileAtomic(other, "y"));
    std::error_code ec;
    const auto entries = listDirectory(dir.file("Pend"), ec);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "M1234001.123");
    EXPECT_EQ(readBytes(joinPath(dir.file("Pend"), "M1234001.123")), "y");
}

TEST(NativeRules, Utf8NamesReachTheSystemAsTheSameCharacters) {
    TempDir dir;
    const std::string name = "Recepci\xC3\xB3n \xC3\x91";  // "Recepción Ñ"
    ASSERT_FALSE(makeDirectory(dir.file(name)));
    ASSERT_FALSE(writeFileAtomic(joinPath(dir.file(name), "aviso.txt"), "x"));
#ifdef _WIN32
    const fs::path native = fs::path(toFsPath(dir.path()).wstring() + L"\\Recepci\u00F3n \u00D1");
#else
    const fs::path native = fs::path(dir.path() + "/Recepci\xC3\xB3n \xC3\x91");
#endif
    EXPECT_TRUE(fs::is_regular_file(native / "aviso.txt"));
    std::error_code ec;
    const auto entries = listDirectory(dir.path(), ec);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, name);
    EXPECT_TRUE(entries[0].isDirectory);

    // Accented capitals match as Windows matches them.
    EXPECT_TRUE(isDirectory(dir.file("RECEPCI\xC3\x93N \xC3\xB1")));  // "RECEPCIÓN ñ"
    EXPECT_FALSE(isDirectory(dir.file("RECEPCION N")));
}

TEST(NativeRules, ReadOnlyIsTheAttributeOnWindowsAndTheOwnersWriteBitOnPosix) {
    TempDir dir;
    const std::string path = dir.file("usuarios.dat");
    writeBytes(path, "1234\r\n");
    ASSERT_FALSE(setReadOnly(path, true));
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(toFsPath(path).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_READONLY);
#else
    EXPECT_EQ(fs::status(toFsPath(path)).permissions() & fs::perms::owner_write, fs::perms::none);
#endif
    std::error_code ec;
    const auto entries = listDirectoryWithAttributes(dir.path(), ec);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].readOnly);
}

TEST(NativeRules, ProgramDirectoryIsTheTestProgramsOwn) {
    const std::string directory = programDirectory();
    EXPECT_FALSE(endsWithSeparator(directory));
    EXPECT_TRUE(isValidLocalDirectory(directory)) << directory;
    EXPECT_TRUE(
        isRegularFile(joinPath(directory, kWindows ? "test_platform.exe" : "test_platform")))
        << directory;
    if (kWindows) {
        EXPECT_EQ(directory.substr(1, 2), ":\\") << directory;
    }
}

TEST(NativeRules, LocalHostHasANameAndAnIpv4Address) {
    EXPECT_FALSE(localHostName().empty());
    const std::string address = localHostAddress();
    int parts[4] = {-1, -1, -1, -1};
    char end = 0;
    ASSERT_EQ(std::sscanf(address.c_str(), "%d.%d.%d.%d%c", &parts[0], &parts[1], &parts[2],
                          &parts[3], &end),
              4)
        << address;
    for (int part : parts) {
        EXPECT_TRUE(part >= 0 && part <= 255) << address;
    }
}

}  // namespace
}  // namespace torva
