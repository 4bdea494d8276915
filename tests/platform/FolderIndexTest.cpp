#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/FolderIndex.h"
#include "platform/Paths.h"
#include "support/TempDir.h"

namespace torva {
namespace {

TEST(FolderIndex, FindsNamesWithoutRegardToCaseAndFollowsItsOwner) {
    test::TempDir dir;
    test::writeBytes(dir.file("M1234001.123"), "x");
    test::writeBytes(dir.file("Ñandú.TXT"), "y");
    FolderIndex index(dir.path());
    EXPECT_EQ(index.pathOf("m1234001.123"), dir.file("M1234001.123"));
    EXPECT_EQ(index.pathOf("ñANDÚ.txt"), dir.file("Ñandú.TXT"));
    EXPECT_EQ(index.pathOf("m1234002.123"), dir.file("m1234002.123"));
    EXPECT_FALSE(index.contains("m1234002.123"));

    index.added("M1234002.123");
    EXPECT_EQ(index.pathOf("m1234002.123"), dir.file("M1234002.123"));
    index.removed("m1234001.123");
    EXPECT_FALSE(index.contains("M1234001.123"));

    FolderIndex missing(dir.file("nada"));
    EXPECT_TRUE(missing.error());
    EXPECT_EQ(missing.pathOf("a"), joinPath(dir.file("nada"), "a"));
}

}  // namespace
}  // namespace torva
