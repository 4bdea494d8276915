#include <gtest/gtest.h>

#include "names/FileNames.h"
#include "names/JulianDay.h"
#include "names/WorkDirs.h"
#include "platform/Paths.h"

namespace torva {
namespace {

TEST(FileNames, NumLetrasGivesLengthAndOffset) {
    struct Case {
        std::string letter;
        int length;
        int offset;
    };
    const Case cases[] = {{"m", 12, 0},  {"e", 12, 1},  {"E", 12, 1},  {"s", 15, -3},
                          {"S", 15, -3}, {"x", 15, -3}, {"f", 15, -3}, {"A", 15, -3},
                          {"", 12, 0},   {"b", 12, 0},  {"ea", 12, 0}};
    for (const auto& c : cases) {
        std::int16_t offset = 99;
        EXPECT_EQ(numLetras(c.letter, offset), c.length) << c.letter;
        EXPECT_EQ(offset, c.offset) << c.letter;
    }
}

TEST(FileNames, NamesAreTakenApartByTheirFirstLetter) {
    struct Case {
        std::string name;
        bool lengthOk;
        std::string patente;
        std::string folio;
        std::string day;
    };
    const Case cases[] = {
        {"m1234001.123", true, "1234", "001", "123"},
        {"e1234001.123", true, "1234", "001", "123"},  // 9th is ".": offset 0
        {"ea1234001123", true, "1234", "001", "123"},  // offset 1
        {"ea12340011235", false, "1234", "001", "235"},
        {"s1234000012.045", true, "1234", "012", "045"},
        {"s123400000123.045", false, "1234", "001", "045"},
        {"x1234012345.045", true, "1234", "012", "045"},
        {"m12", false, "12", "", "m12"},
        {"", true, "", "", ""},
    };
    for (const auto& c : cases) {
        const NameParts p = parseName(c.name);
        EXPECT_EQ(cumpleLongitud(c.name, p), c.lengthOk && !c.name.empty()) << c.name;
        EXPECT_EQ(p.patente, c.patente) << c.name;
        EXPECT_EQ(p.folio, c.folio) << c.name;
        EXPECT_EQ(p.dayEnding, c.day) << c.name;
    }
}

// Lengths and positions count characters (of the Windows-1252 form), not the
// bytes of the UTF-8 text.
TEST(FileNames, NonAsciiNamesAreCountedInCharacters) {
    struct Case {
        std::string name;
        bool lengthOk;
        std::string patente;
        std::string folio;
        std::string day;
    };
    const Case cases[] = {
        {"m1234001.12é", true, "1234", "001", "12é"},
        {"ñ1234001.123", true, "1234", "001", "123"},
        {"mÑ234001.123", true, "Ñ234", "001", "123"},
        {"m1234€01.123", true, "1234", "€01", "123"},
        {"eñ1234001123", true, "1234", "001", "123"},  // 9th is not ".": offset 1
        {"sáé34000012.045", true, "áé34", "012", "045"},
        {"m1234001.1é3x", false, "1234", "001", "é3x"},
    };
    for (const auto& c : cases) {
        const NameParts p = parseName(c.name);
        EXPECT_EQ(cumpleLongitud(c.name, p), c.lengthOk) << c.name;
        EXPECT_EQ(p.patente, c.patente) << c.name;
        EXPECT_EQ(p.folio, c.folio) << c.name;
        EXPECT_EQ(p.dayEnding, c.day) << c.name;
    }
    EXPECT_TRUE(cumpleLetra("Ñ1234001.123", "m,ñ"));
    EXPECT_TRUE(cumpleLetra("ñ1234001.123", "m,ñ"));
    EXPECT_FALSE(cumpleLetra("ñ1234001.123", "m,ó"));  // "ñ" and "ó" share a UTF-8 lead byte
    EXPECT_FALSE(cumpleLetra("é1234001.123", "m,e"));
}

TEST(FileNames, RulesForAWellFormedNameAndTheirEdges) {
    const NameParts p = parseName("m1234001.123");
    EXPECT_TRUE(cumplePatente(p, "1234"));
    EXPECT_FALSE(cumplePatente(p, "1235"));
    EXPECT_TRUE(cumpleLetra("m1234001.123", "m,b,c,s,t,e,f,e"));
    EXPECT_TRUE(cumpleLetra("M1234001.123", "m,b"));
    EXPECT_FALSE(cumpleLetra("r1234001.123", "m,b"));
    EXPECT_FALSE(cumpleLetra(",1234001.123", "m,b"));
    EXPECT_TRUE(cumpleDia(p, 123));
    EXPECT_FALSE(cumpleDia(p, 124));
    EXPECT_TRUE(cumpleDia(parseName("m1234001.005"), 5));
    EXPECT_FALSE(cumpleDia(parseName("m1234001.0a5"), 5));
    EXPECT_TRUE(esArchivoError("m1234001.err"));
    EXPECT_FALSE(esArchivoError("m1234001.ERR"));
}

TEST(FileNames, FolioBoundsCompareAsText) {
    struct Case {
        std::string folio;
        std::string lower;
        std::string upper;
        bool passes;
    };
    const Case cases[] = {
        {"050", "001", "500", true}, {"501", "001", "500", false}, {"001", "001", "500", true},
        {"500", "001", "500", true}, {"050", "1", "500", false},   {"150", "1", "500", true},
    };
    for (const auto& c : cases) {
        const NameParts p = parseName("m1234" + c.folio + ".123");
        EXPECT_EQ(cumpleFolio(p, c.lower, c.upper), c.passes)
            << c.folio << " in " << c.lower << ".." << c.upper;
    }
}

TEST(FileNames, NtfsOrderAndControlCharacters) {
    struct Case {
        const char* a;
        const char* b;
        bool less;
    };
    for (const Case& c :
         {Case{"m1234002.123", "M1234003.123", true}, Case{"M1234003.123", "m1234002.123", false},
          Case{"aab", "a_b", true},  // "_" sorts after the upper-case letters
          Case{"ab", "abc", true},
          Case{"\xC3\xA9"
               "1",
               "\xC3\x89"
               "2",
               true},
          Case{"M1", "m1", true}, Case{"m1", "M1", false}}) {
        EXPECT_EQ(ordenNtfs(c.a, c.b), c.less) << c.a << " " << c.b;
    }
    for (const char* name : {"m1234001\t123", "m1234001.12\r", "\nm1234001.123", "m\x7f"}) {
        EXPECT_TRUE(tieneControl(name)) << name;
    }
    EXPECT_FALSE(tieneControl("m1234001.123"));
    EXPECT_FALSE(tieneControl("\xC3\xB1"));
}

TEST(JulianDay, FirstAndLastDayOfTheYear) {
    EXPECT_EQ(Get_Juliano(SettableClock({2026, 1, 1, 0, 0, 0})), 1);
    EXPECT_EQ(Get_Juliano(SettableClock({2024, 12, 31, 23, 59, 59})), 366);
    EXPECT_EQ(Get_Juliano(SettableClock({2026, 12, 31, 12, 0, 0})), 365);
}

TEST(WorkDirs, LocalDirectoriesAndRemotePaths) {
    ConfigRecord config;
    config.set(slot::kSendDir, "S");
    config.set(slot::kReceiveDir, "R");
    config.set(slot::kUser, "user1234");
    const WorkDirs d = workDirs(config);
    EXPECT_EQ(d.pending, joinPath("S", "Pend"));
    EXPECT_EQ(d.sent, joinPath("S", "Enviados"));
    EXPECT_EQ(d.rejected, joinPath("S", "Rechaza"));
    EXPECT_EQ(d.registry, joinPath("S", "bitacora"));
    EXPECT_EQ(d.backup, joinPath("R", "Respalda"));
    EXPECT_EQ(remote::uploadPath("M1234001.123"), "REC/m1234001.123");
    EXPECT_EQ(remote::configUploadPath(config, 3), "REC/user1234odbc3.reg");
    EXPECT_EQ(remote::responsePath("m1234001.err"), "ENV/m1234001.err");
}

}  // namespace
}  // namespace torva
