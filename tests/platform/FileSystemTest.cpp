#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <thread>

#ifdef __linux__
#include <sys/resource.h>
#endif

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/TempDir.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace torva {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

TEST(FileSystem, FindsEntriesWhoseNameDiffersOnlyInCase) {
    TempDir dir;
    ASSERT_FALSE(makeDirectory(dir.file("Pend")));
    writeBytes(joinPath(dir.file("Pend"), "M1234001.123"), "x");

    const std::string lower = joinPath(dir.file("pend"), "m1234001.123");
    EXPECT_TRUE(pathExists(lower));
    EXPECT_TRUE(isRegularFile(lower));
    EXPECT_TRUE(isDirectory(dir.file("PEND")));
    EXPECT_EQ(readBytes(resolvePath(lower)), "x");
    EXPECT_FALSE(pathExists(dir.file("pendx")));
}

TEST(FileSystem, WritingANameThatDiffersInCaseReplacesTheExistingFile) {
    TempDir dir;
    writeBytes(dir.file("Aviso.TXT"), "old");
    ASSERT_FALSE(writeFileAtomic(dir.file("aviso.txt"), "new"));
    EXPECT_EQ(readBytes(dir.file("Aviso.TXT")), "new");
    std::error_code ec;
    EXPECT_EQ(listDirectory(dir.path(), ec).size(), 1u);
}

TEST(FileSystem, AtomicWriteLeavesNoTemporaryFileAndKeepsOldContentOnFailure) {
    TempDir dir;
    const std::string path = dir.file("odbc0.reg");
    writeBytes(path, "old");
    ASSERT_FALSE(writeFileAtomic(path, "new"));
    EXPECT_EQ(readBytes(path), "new");
    EXPECT_FALSE(pathExists(temporaryPathFor(path)));

    // A large file replaced, and a large file put in its place.
    const std::string large(3 << 20, 'L');
    writeBytes(path, large);
    ASSERT_FALSE(writeFileAtomic(path, "small"));
    EXPECT_EQ(readBytes(path), "small");
    ASSERT_FALSE(writeFileAtomic(path, large + "2"));
    ASSERT_FALSE(writeFileAtomic(path, large + "3"));
    EXPECT_EQ(readBytes(path), large + "3");
    EXPECT_FALSE(pathExists(temporaryPathFor(path)));

    // A target directory that vanished: the write fails and reports it.
    EXPECT_TRUE(writeFileAtomic(joinPath(dir.file("missing"), "a"), "x"));
}

// A file written in pieces well past the size where it starts going to disk
// while it is written: finished, it holds every byte; dropped part way, or
// failing part way, it leaves neither a temporary file nor a changed target.
TEST(FileSystem, AFileWrittenInPiecesIsWholeOrGone) {
    TempDir dir;
    const std::string path = dir.file("m1234001.123");
    std::string bytes(9 << 20, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 7 + (i >> 12));
    }
    const auto writeSome = [&](TemporaryFileWriter& writer, std::size_t upTo) {
        for (std::size_t at = 0, piece = 1; at < upTo; at += piece, piece = piece * 3 % 700001) {
            if (writer.write(std::string_view(bytes).substr(at, std::min(piece, upTo - at)))) {
                return false;
            }
        }
        return true;
    };
    writeBytes(path, "old");
    {
        TemporaryFileWriter dropped(path);
        ASSERT_TRUE(writeSome(dropped, 5 << 20));
    }
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_FALSE(pathExists(temporaryPathFor(path)));

    TemporaryFileWriter writer(path);
    ASSERT_TRUE(writeSome(writer, bytes.size()));
    ASSERT_FALSE(writer.finish());
    ASSERT_FALSE(replaceWithTemporary(writer.temporary(), path));
    EXPECT_TRUE(readBytes(path) == bytes);

#ifdef __linux__
    // The disk full part way (a file size limit stands for it).
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = limit;
    lowered.rlim_cur = 4 << 20;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &lowered), 0);
    writeBytes(path, "old");
    TemporaryFileWriter full(path);
    const bool written = writeSome(full, bytes.size());
    const bool finished = !full.finish();
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_FALSE(finished);
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_FALSE(pathExists(temporaryPathFor(path)));
#endif
}

TEST(FileSystem, AReplacedFileKeepsItsPermissions) {
    TempDir dir;
    const std::string path = dir.file("m1234001.123");
    writeBytes(path, "old");
#ifdef _WIN32
    const std::wstring wide = toFsPath(path).wstring();
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), kKept));
    if ((GetFileAttributesW(wide.c_str()) & kKept) != kKept) {
        GTEST_SKIP() << "the file system keeps no hidden or system attribute";
    }
    ASSERT_FALSE(writeFileAtomic(path, "new"));
    EXPECT_EQ(GetFileAttributesW(wide.c_str()) & kKept, kKept);
#else
    namespace fs = std::filesystem;
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(toFsPath(path), mode);
    ASSERT_FALSE(writeFileAtomic(path, "new"));
    EXPECT_EQ(fs::status(toFsPath(path)).permissions(), mode);  // 0640, whatever the umask
    std::string temporary;
    ASSERT_FALSE(writeTemporaryFile(path, "newer", temporary));
    ASSERT_FALSE(replaceWithTemporary(temporary, path));
    EXPECT_EQ(fs::status(toFsPath(path)).permissions(), mode);
    EXPECT_EQ(readBytes(path), "newer");
#endif
}

TEST(FileSystem, CopyReplacesAndKeepsTheModificationTime) {
    TempDir dir;
    writeBytes(dir.file("a"), "source");
    writeBytes(dir.file("b"), "target");
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(48);
    std::filesystem::last_write_time(toFsPath(dir.file("a")), old);

    ASSERT_FALSE(copyFileKeepTime(dir.file("a"), dir.file("b")));
    EXPECT_EQ(readBytes(dir.file("b")), "source");
    EXPECT_EQ(modificationTime(dir.file("a")), modificationTime(dir.file("b")));
    EXPECT_TRUE(copyFileKeepTime(dir.file("missing"), dir.file("b")));
    EXPECT_EQ(readBytes(dir.file("b")), "source");
}

TEST(FileSystem, CopyKeepsTheExactTimeOfAFreshFileAndReplacesNothingOnFailure) {
    TempDir dir;
    writeBytes(dir.file("a"), "fresh");  // a time with a fraction of a second
    ASSERT_FALSE(copyFileKeepTime(dir.file("a"), dir.file("b")));
    ASSERT_TRUE(modificationTime(dir.file("a")));
    EXPECT_EQ(modificationTime(dir.file("a")), modificationTime(dir.file("b")));
    EXPECT_FALSE(modificationTime(dir.file("missing")));

    // A read-only source gives a copy that can itself be replaced later.
    ASSERT_FALSE(setReadOnly(dir.file("a"), true));
    ASSERT_FALSE(copyFileKeepTime(dir.file("a"), dir.file("c")));
    EXPECT_FALSE(isReadOnly(dir.file("c")));
    EXPECT_FALSE(writeFileAtomic(dir.file("c"), "changed"));
}

// Windows refuses to change a read-only file; the program does the same on
// every platform, so that the rule shows wherever the tests run.
TEST(FileSystem, ReadOnlyFileIsNeitherReplacedNorAppendedToNorDeleted) {
    using Operation = std::error_code (*)(const std::string& dir);
    struct Case {
        const char* what;
        Operation operation;
    };
    const Case cases[] = {
        {"write", [](const std::string& d) { return writeFileAtomic(d + "/RO.dat", "new"); }},
        {"append", [](const std::string& d) { return appendFileBytes(d + "/ro.dat", "new"); }},
        {"copy", [](const std::string& d) { return copyFileKeepTime(d + "/src", d + "/ro.dat"); }},
        {"move", [](const std::string& d) { return moveFileReplace(d + "/src", d + "/ro.dat"); }},
        {"remove", [](const std::string& d) { return removeFile(d + "/ro.DAT"); }},
    };
    for (const auto& c : cases) {
        TempDir dir;
        writeBytes(dir.file("ro.dat"), "old");
        writeBytes(dir.file("src"), "new");
        ASSERT_FALSE(setReadOnly(dir.file("ro.dat"), true));
        EXPECT_TRUE(c.operation(dir.path())) << c.what;
        EXPECT_EQ(readBytes(dir.file("ro.dat")), "old") << c.what;
        EXPECT_TRUE(isReadOnly(dir.file("ro.dat"))) << c.what;
        std::error_code ec;
        EXPECT_EQ(listDirectory(dir.path(), ec).size(), 2u) << c.what;  // no temporary left
    }
}

TEST(FileSystem, ReadOnlyAttributeIsSetAndCleared) {
    TempDir dir;
    writeBytes(dir.file("usuarios.dat"), "A\r\n");
    EXPECT_FALSE(isReadOnly(dir.file("usuarios.dat")));
    ASSERT_FALSE(setReadOnly(dir.file("usuarios.dat"), true));
    EXPECT_TRUE(isReadOnly(dir.file("usuarios.dat")));
    ASSERT_FALSE(setReadOnly(dir.file("usuarios.dat"), false));
    EXPECT_FALSE(isReadOnly(dir.file("usuarios.dat")));
}

// Many files flushed and removed together: each one's result in its place,
// a missing one named without holding up the others.
TEST(FileSystem, FlushesAndRemovesManyFilesEachWithItsResult) {
    TempDir dir;
    std::vector<std::string> paths;
    for (int i = 0; i < 40; ++i) {
        paths.push_back(dir.file("r1234" + std::to_string(100 + i) + ".343"));
        writeBytes(paths.back(), "respuesta");
    }
    paths.insert(paths.begin() + 17, dir.file("ausente.343"));
    const std::vector<std::error_code> flushed = flushFiles(paths);
    ASSERT_EQ(flushed.size(), paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        EXPECT_EQ(static_cast<bool>(flushed[i]), i == 17) << paths[i];
    }
    EXPECT_EQ(readBytes(paths.back()), "respuesta");
    const std::vector<std::error_code> removed = removeFiles(paths);
    ASSERT_EQ(removed.size(), paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        EXPECT_FALSE(removed[i]) << paths[i];  // a missing file is not an error
        EXPECT_FALSE(isRegularFile(paths[i]));
    }
    EXPECT_TRUE(flushFiles({}).empty());
}

TEST(FileSystem, RemovingAMissingFileIsNotAnError) {
    TempDir dir;
    EXPECT_FALSE(removeFile(dir.file("nothing")));
}

TEST(Paths, JoinsWithTheNativeSeparatorAndJudgesLocalDirectories) {
    EXPECT_EQ(joinPath("dir", "name"), std::string("dir") + kNativeSeparator + "name");
    EXPECT_TRUE(endsWithSeparator("c:\\env\\"));
    EXPECT_TRUE(endsWithSeparator("/env/"));
    EXPECT_FALSE(endsWithSeparator("/env"));
    EXPECT_EQ(fileNameOf("c:\\env\\m1234001.123"), "m1234001.123");
    EXPECT_EQ(fileNameOf("/env/m1234001.123"), "m1234001.123");
    EXPECT_FALSE(isValidLocalDirectory(""));
#ifdef _WIN32
    EXPECT_TRUE(isValidLocalDirectory("c:\\env"));
    EXPECT_FALSE(isValidLocalDirectory("\\\\server\\share"));
    EXPECT_FALSE(isValidLocalDirectory("/env"));
#else
    EXPECT_TRUE(isValidLocalDirectory("/env"));
    EXPECT_FALSE(isValidLocalDirectory("env"));
    EXPECT_FALSE(isValidLocalDirectory("c:\\env"));
#endif
}

}  // namespace
}  // namespace torva
