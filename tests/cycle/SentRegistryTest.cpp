#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "cycle/SentRegistry.h"

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

}  // namespace
}  // namespace torva
