#include <gtest/gtest.h>

#include "manual/PedirArchivo.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

TEST(PedirArchivo, LetterListKeepsRepeatsAndSplitsE) {
    struct Case {
        const char* sendLetters;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"m,b,c,s,t,e,f,e", {"m", "b", "c", "s", "t", "ea", "eb", "f", "ea", "eb"}},
        {"E,m", {"Ea", "Eb", "m"}},
        {"ñ,,m", {"ñ", "m"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(letrasSolicitables(c.sendLetters), c.items) << c.sendLetters;
    }
    EXPECT_EQ(largoFolio("s"), 6);
    for (const char* other : {"S", "m", "ea", "f", ""}) {
        EXPECT_EQ(largoFolio(other), 3) << other;
    }
}

TEST(PedirArchivo, ChecksInOrderWithTheRangeComparedAsText) {
    struct Case {
        const char* item;
        const char* folio;
        const char* lower;
        const char* upper;
        const char* error;  // nullptr: accepted
    };
    const Case cases[] = {
        {"m", "099", "100", "999", kErrorFolioRango},
        {"m", "100", "100", "999", nullptr},
        {"m", "999", "100", "999", nullptr},
        // As text: "100" sorts before "50", "6" after it.
        {"m", "100", "1", "50", nullptr},
        {"m", "6", "1", "50", kErrorFolioRango},
        {"m", "050", "1", "50", kErrorFolioRango},
        {"s", "123456", "100", "999", nullptr},
        {"s", "123456", "100", "120", kErrorFolioRango},
        {"s", "12345", "001", "999", kErrorSagarpa},
        {"s", "abc", "001", "999", kErrorSagarpa},  // the length is checked first
        {"s", "12a456", "001", "999", kErrorFolioNumerico},
        {"m", "", "001", "999", kErrorFolioNumerico},
        // Digits only: a sign, a point or a blank would give a name no file bears.
        {"m", "1.5", "001", "999", kErrorFolioNumerico},
        {"m", "-12", "001", "999", kErrorFolioNumerico},
        {"m", " 12", "001", "999", kErrorFolioNumerico},
    };
    for (const Case& c : cases) {
        const auto error = revisaFolio(c.item, c.folio, c.lower, c.upper);
        SCOPED_TRACE(std::string(c.item) + " " + c.folio + " " + c.lower + ".." + c.upper);
        if (c.error) {
            EXPECT_EQ(error, std::optional<std::string>(c.error));
        } else {
            EXPECT_EQ(error, std::nullopt);
        }
    }
}

TEST(PedirArchivo, MarkerNames) {
    struct Case {
        const char* item;
        const char* folio;
        int day;
        const char* name;
    };
    const Case cases[] = {
        {"m", "045", 7, "m1234045.007"},   {"ea", "045", 7, "ea1234045007"},
        {"Eb", "045", 7, "Eb1234045007"},  {"c", "001", 45, "c1234001.045"},
        {"c", "001", 200, "c1234001.200"}, {"s", "123456", 45, "s1234123456.045"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nombreSolicitado(c.item, "1234", c.folio, c.day), c.name);
    }
}

struct Office {
    TempDir dir;
    ConfigRecord config;
    Captions captions;
    ScriptedDialogs dialogs;
    std::string pending = joinPath(dir.path(), "Pend");

    Office() {
        config.set(slot::kUser, "usuario1234");
        config.set(slot::kSendDir, dir.path());
        config.set(slot::kSendLetters, "m,b,c,s,t,e,f,e");
        config.set(slot::kLowerFolio, "001");
        config.set(slot::kUpperFolio, "999");
        captions.set(Caption::DiaJuliano, "45");
    }
    // `CmdAceptar` when no pass runs: checks, write, report.
    std::optional<Solicitud> aceptar(const char* item, const char* folio) {
        auto s = revisaSolicitud(config, captions, dialogs, item, folio);
        if (s) {
            informaMarca(dialogs, *s, creaMarca(*s));
        }
        return s;
    }
};

TEST(PedirArchivo, MakesTheFolderAndAnEmptyMarkerAndEmptiesOneAgain) {
    Office o;
    ASSERT_TRUE(o.aceptar("m", "045"));
    const std::string marker = joinPath(o.pending, "m1234045.045");
    ASSERT_TRUE(isRegularFile(marker));
    EXPECT_EQ(fileSize(marker), 0u);
    ASSERT_EQ(o.dialogs.shown.size(), 1u);
    EXPECT_EQ(o.dialogs.shown[0].title, "TORVA Centro de Prevalidación");
    EXPECT_EQ(o.dialogs.shown[0].text,
              "Se buscará respuesta del archivo m1234045.045. Espere el siguiente ciclo para ver "
              "los resultados.");
    EXPECT_EQ(o.dialogs.shown[0].icon, DialogIcon::None);

    // A marker there already, even under another case, is emptied, not doubled.
    ASSERT_FALSE(removeFile(marker));
    test::writeBytes(joinPath(o.pending, "M1234045.045"), "500|copia|\r\n");
    ASSERT_TRUE(o.aceptar("m", "045"));
    std::error_code ec;
    ASSERT_EQ(listDirectory(o.pending, ec).size(), 1u);
    EXPECT_EQ(fileSize(joinPath(o.pending, "M1234045.045")), 0u);
    EXPECT_EQ(o.dialogs.shown.size(), 2u);
}

TEST(PedirArchivo, RefusalsShowTheirBoxAndWriteNothing) {
    Office o;
    o.config.set(slot::kLowerFolio, "100");
    EXPECT_FALSE(o.aceptar("m", "099"));
    o.config.set(slot::kSendLetters, "m,/");  // a separator as letter
    EXPECT_FALSE(o.aceptar("/", "100"));
    ASSERT_EQ(o.dialogs.shown.size(), 2u);
    for (const auto& shown : o.dialogs.shown) {
        EXPECT_EQ(shown.icon, DialogIcon::Critical);
        EXPECT_EQ(shown.title, "TORVA Centro de Prevalidación");
    }
    EXPECT_EQ(o.dialogs.shown[0].text, kErrorFolioRango);
    EXPECT_FALSE(pathExists(o.pending));
}

TEST(PedirArchivo, AFolderOrFileThatCannotBeMadeIsReported) {
    {
        Office o;
        test::writeBytes(o.pending, "not a folder");
        ASSERT_TRUE(o.aceptar("b", "002"));
        ASSERT_EQ(o.dialogs.shown.size(), 1u);
        EXPECT_EQ(o.dialogs.shown[0].icon, DialogIcon::Critical);
        EXPECT_EQ(o.dialogs.shown[0].text, "Error. No se pudo crear la carpeta " + o.pending +
                                               ". No se buscará respuesta del archivo "
                                               "b1234002.045.");
        EXPECT_EQ(test::readBytes(o.pending), "not a folder");
    }
    {
        Office o;
        makeDirectory(o.pending);
        const std::string marker = joinPath(o.pending, "b1234002.045");
        test::writeBytes(marker, "copia");
        ASSERT_FALSE(setReadOnly(marker, true));
        ASSERT_TRUE(o.aceptar("b", "002"));
        ASSERT_EQ(o.dialogs.shown.size(), 1u);
        EXPECT_EQ(o.dialogs.shown[0].icon, DialogIcon::Critical);
        EXPECT_EQ(o.dialogs.shown[0].text, "Error. No se pudo crear el archivo " + marker +
                                               ". No se buscará respuesta del archivo "
                                               "b1234002.045.");
        EXPECT_EQ(test::readBytes(marker), "copia");
        setReadOnly(marker, false);
    }
}

}  // namespace
}  // namespace torva
