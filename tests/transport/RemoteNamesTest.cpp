#include <gtest/gtest.h>

#include "transport/RemoteNames.h"

namespace torva {
namespace {

TEST(RemoteNames, OnlyPlainNamesOfTheListedDirectoryAreKept) {
    struct Case {
        const char* line;
        const char* expected;  // nullptr: skipped
    };
    const Case cases[] = {
        {"aviso.gen", "aviso.gen"},
        {"aviso.txt\r", "aviso.txt"},
        {"sin_punto", "sin_punto"},
        {"ENV/general/aviso.gen", "aviso.gen"},  // servers that answer with the path
        {"/ENV/general/aviso.gen", "aviso.gen"},
        {"", nullptr},
        {".", nullptr},
        {"..", nullptr},
        {"../odbc0.reg", nullptr},
        {"ENV/general/../../x", nullptr},
        {"otro/dir/x.txt", nullptr},
        {"/etc/passwd", nullptr},
        {"..\\..\\x.txt", nullptr},
        {"C:x.txt", nullptr},
        {"a*b", nullptr},
        {"con\ttab", nullptr},
        {"fin.", nullptr},
        {"fin ", nullptr},
        // Names Windows keeps for devices, with any case or extension.
        {"CON", nullptr},
        {"nul", nullptr},
        {"nul.txt", nullptr},
        {"Aux .gen", nullptr},
        {"COM1", nullptr},
        {"lpt9.err", nullptr},
        {"COM\u00b9", nullptr},
        {"console.gen", "console.gen"},
        {"com10", "com10"},
        {"nulo.txt", "nulo.txt"},
        // Text that is not UTF-8.
        {"avis\xe9.gen", nullptr},
        {"\xc0\xaf.gen", nullptr},
        {"aviso\u00e9.gen", "aviso\u00e9.gen"},
    };
    for (const Case& c : cases) {
        const auto name = plainListingName(c.line, "ENV/general");
        if (c.expected) {
            EXPECT_EQ(name, std::optional<std::string>(c.expected)) << c.line;
        } else {
            EXPECT_EQ(name, std::nullopt) << c.line;
        }
    }
}

TEST(RemoteNames, NameListInOrderWithoutRepeatsOrJunk) {
    const std::string listing = ".\r\n..\r\nb.txt\r\na.txt\r\nENV/general/b.txt\r\n\r\nc\n";
    EXPECT_EQ(parseNameList(listing, "ENV/general"),
              (std::vector<std::string>{"b.txt", "a.txt", "c"}));
    EXPECT_TRUE(parseNameList("", "ENV/general").empty());
}

TEST(RemoteNames, NamesEqualWithoutRegardToCaseAreOneFile) {
    const std::string listing =
        "A\u00d1O.gen\r\nb.txt\r\na\u00f1o.GEN\r\nB.TXT\r\nb.txt\r\n"
        "\u00e9t\u00e9.txt\r\n";
    std::vector<std::string> twins;
    EXPECT_EQ(parseNameList(listing, "ENV", &twins),
              (std::vector<std::string>{"A\u00d1O.gen", "b.txt", "\u00e9t\u00e9.txt"}));
    EXPECT_EQ(twins, (std::vector<std::string>{"a\u00f1o.GEN", "B.TXT"}));
}

TEST(RemoteNames, MasksMatchAsOnWindows) {
    struct Case {
        const char* name;
        const char* mask;
        bool matches;
    };
    const Case cases[] = {
        {"aviso.gen", "*.*", true},
        {"sin_punto", "*.*", true},
        {"x", "*", true},
        {"AVISO.GEN", "*.gen", true},
        {"aviso.txt", "*.gen", false},
        {"m1234001.err", "m????001.*", true},
        {"m123401.err", "m????001.*", false},
        {"abc", "a*c", true},
        {"abcd", "a*c", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matchesMask(c.name, c.mask), c.matches) << c.name << " " << c.mask;
    }
}

}  // namespace
}  // namespace torva
