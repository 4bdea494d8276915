#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/FolderIndex.h"
#include "platform/Paths.h"
#include "support/TempDir.h"

namespace torva {
namespace {

// The same answers from a whole listing and from one kept to a few names.
class FolderIndexModes : public ::testing::TestWithParam<bool> {
  protected:
    FolderIndex make(const std::string& directory) const {
        if (!GetParam()) {
            return FolderIndex(directory);
        }
        return FolderIndex(directory,
                           std::vector<std::string>{"m1234001.123", "ÑANDÚ.txt", "m1234002.123"});
    }
};

TEST_P(FolderIndexModes, FindsNamesWithoutRegardToCaseAndFollowsItsOwner) {
    test::TempDir dir;
    test::writeBytes(dir.file("M1234001.123"), "x");
    test::writeBytes(dir.file("Ñandú.TXT"), "y");
    test::writeBytes(dir.file("otro.TXT"), "z");
    FolderIndex index = make(dir.path());
    EXPECT_EQ(index.pathOf("m1234001.123"), dir.file("M1234001.123"));
    EXPECT_EQ(index.pathOf("ñANDÚ.txt"), dir.file("Ñandú.TXT"));
    EXPECT_EQ(index.pathOf("m1234002.123"), dir.file("m1234002.123"));
    EXPECT_FALSE(index.contains("m1234002.123"));
    // A name the listing did not keep is still found, on disk.
    EXPECT_TRUE(index.contains("OTRO.txt"));
    EXPECT_FALSE(index.contains("otro2.txt"));
    std::string bytes;
    ASSERT_FALSE(readFileBytes(index.pathOf("OTRO.txt"), bytes));
    EXPECT_EQ(bytes, "z");

    index.added("M1234002.123");
    EXPECT_EQ(index.pathOf("m1234002.123"), dir.file("M1234002.123"));
    index.removed("m1234001.123");
    EXPECT_FALSE(index.contains("M1234001.123"));

    FolderIndex missing = make(dir.file("nada"));
    EXPECT_TRUE(missing.error());
    EXPECT_EQ(missing.pathOf("m1234001.123"), joinPath(dir.file("nada"), "m1234001.123"));
}

INSTANTIATE_TEST_SUITE_P(WholeAndWanted, FolderIndexModes, ::testing::Bool());

}  // namespace
}  // namespace torva
