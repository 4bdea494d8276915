#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "names/SentRegistry.h"
#include "support/TempDir.h"

namespace torva {
namespace {

TEST(SentRegistry, LineIsLowerCaseNameAndAStableTimeText) {
    const FileTime t = std::chrono::system_clock::from_time_t(1765300000);
    const std::string line = registryLine("M1234001.123", t);
    EXPECT_EQ(line.rfind("m1234001.123|", 0), 0u);
    EXPECT_EQ(line, registryLine("m1234001.123", t));
    EXPECT_NE(line, registryLine("m1234001.123", t + std::chrono::seconds(1)));
    EXPECT_EQ(fileTimeText(t).size(), 19u);  // dd/mm/yyyy HH:MM:SS
}

TEST(SentRegistry, HoldsOnlyTheExactNameAndTimeOfEachField) {
    test::TempDir dir;
    const std::string path = dir.file("bitacora");
    std::error_code ec;
    EXPECT_EQ(SentRegistry::read(path, ec).size(), 0u);  // missing: empty
    EXPECT_FALSE(ec);
    test::writeBytes(path,
                     "m1234001.123|03/05/2026 09:00:00\r\nm1234002.123|03/05/2026 09:00:00,"
                     "m1234003.123|03/05/2026 09:00:01\r\n");
    const SentRegistry registry = SentRegistry::read(path, ec);
    EXPECT_TRUE(registry.holds("m1234001.123", "03/05/2026 09:00:00"));
    EXPECT_TRUE(registry.holds("m1234003.123", "03/05/2026 09:00:01"));  // after a comma
    EXPECT_FALSE(registry.holds("m1234001.123", "03/05/2026 09:00:01"));
    EXPECT_FALSE(registry.holds("m1234002.12", "3|03/05/2026 09:00:00"));
}

}  // namespace
}  // namespace torva
