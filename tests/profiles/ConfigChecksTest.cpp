#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "profiles/ConfigChecks.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

const std::string kRoutesError =
    "ERROR: Es imposible continuar, en la configuración de Rutas Adicionales, ";

struct Checks {
    ConfigRecord config;
    Captions captions;
    Lists lists;
    EditState edit;
    Gauges gauges;
    ScriptedDialogs dialogs;
    ProfileContext view() { return {config, captions, lists, edit, gauges, dialogs}; }
    std::vector<std::string> list(ListId id) const { return lists.get(id); }
};

using Letters = std::vector<std::string>;

TEST(ConfigChecks, SplittingLetterTexts) {
    EXPECT_EQ(splitLetters("m,b,c").letters, (Letters{"m", "b", "c"}));
    EXPECT_EQ(splitLetters("m,b,c").commas, 2);
    EXPECT_EQ(splitLetters("mb,c").letters, (Letters{"m", "b", "c"}));
    EXPECT_EQ(splitLetters("mb,c").commas, 1);
    EXPECT_EQ(splitLetters("m, b").letters, (Letters{"m", " ", "b"}));
}

TEST(ConfigChecks, LetterListsMustPairUp) {
    struct Case {
        std::string send;
        std::string receive;
        TiposCode result;
    };
    const Case cases[] = {{"m,b,c", "m,r,c", TiposCode::Ok},
                          {"m,b,c", "m,r", TiposCode::Error},
                          {"mb,c", "m,r,c", TiposCode::Error}};
    for (const auto& c : cases) {
        Checks k;
        k.config.set(slot::kSendLetters, c.send);
        k.config.set(slot::kReceiveLetters, c.receive);
        EXPECT_EQ(RevisaArchivosTipo(k.view()), c.result) << c.send << " / " << c.receive;
        EXPECT_EQ(k.list(ListId::ArchivosE), splitLetters(c.send).letters);
        EXPECT_EQ(k.dialogs.shown.size(), ok(c.result) ? 0u : 1u);
    }
    Checks k;
    k.config.set(slot::kReceiveLetters, "m,r");
    (void)RevisaArchivosTipo(k.view());
    EXPECT_EQ(k.dialogs.shown.at(0).text,
              "ERROR: Es imposible continuar, en la configuración de tipos de Archivos, no "
              "coinciden el numero de los tipos de archivos de Envio y Recibo");
    EXPECT_EQ(k.dialogs.shown.at(0).icon, DialogIcon::Critical);
}

TEST(ConfigChecks, ExistingRoutesFillTheRouteList) {
    TempDir dir;
    makeDirectory(dir.file("a"));
    makeDirectory(dir.file("b"));
    Checks k;
    EXPECT_EQ(RevisaRutas(k.view(), dir.file("a") + "," + dir.file("b"), "m,b", kSendRoutes),
              kRevisaOk);
    EXPECT_EQ(k.list(ListId::EnvioLocal), (Letters{dir.file("a"), dir.file("b")}));
    EXPECT_EQ(k.list(ListId::ArchivosE), (Letters{"m", "b"}));
    EXPECT_TRUE(k.dialogs.shown.empty());
    EXPECT_EQ(k.edit.panel(), Panel::None);

    // No routes and no commas: nothing to check.
    EXPECT_EQ(RevisaRutas(k.view(), "", "m", kReceiveRoutes), kRevisaOk);
    EXPECT_TRUE(k.list(ListId::ReciboLocal).empty());
}

TEST(ConfigChecks, BadRoutesEmptyBothListsAndOpenTheRoutesPanel) {
    TempDir dir;
    makeDirectory(dir.file("a"));
    makeDirectory(dir.file("b"));
    const std::string a = dir.file("a");
    const std::string b = dir.file("b");
    struct Case {
        std::string routes;
        std::string letters;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {a + ",," + b,
         "m,b,c",
         {kRoutesError + "al menos una de las Rutas de Envio Local esta vacia"}},
        {"\\\\server\\share",
         "m",
         {kRoutesError + "al menos una de las Rutas de Envio Local no es valida"}},
        {"1:\\env", "m", {kRoutesError + "al menos una de las Rutas de Envio Local no es valida"}},
        {a + ",," + dir.file("missing"),
         "m,b,c",
         {kRoutesError + "al menos una de las Rutas de Envio Local esta vacia",
          kRoutesError + "al menos una de las Rutas de Envio Local no es valida"}},
        {a + "," + b,
         "m",
         {kRoutesError +
          "no coinciden el numero de Rutas de Envio Local con los tipos de archivos"}},
    };
    for (const auto& c : cases) {
        Checks k;
        EXPECT_EQ(RevisaRutas(k.view(), c.routes, c.letters, kSendRoutes), kRevisaError)
            << c.routes;
        EXPECT_EQ(k.dialogs.texts(), c.messages) << c.routes;
        EXPECT_TRUE(k.list(ListId::EnvioLocal).empty()) << c.routes;
        EXPECT_EQ(k.edit.panel(), Panel::Rutas) << c.routes;
    }
}

TEST(ConfigChecks, ATrailingCommaBelongsToTheLastRoute) {
    TempDir dir;
    makeDirectory(dir.file("a"));
    Checks k;
    // "a," has one comma and one route "a," which does not exist.
    EXPECT_EQ(RevisaRutas(k.view(), dir.file("a") + ",", "m,b", kSendRoutes), kRevisaError);
    EXPECT_EQ(k.dialogs.texts().at(0),
              kRoutesError + "al menos una de las Rutas de Envio Local no es valida");
}

TEST(ConfigChecks, RoutesPanelOpensOnlyWhileItsButtonIsVisible) {
    Checks k;
    k.edit.setPanel(Panel::Servidor);
    (void)RevisaRutas(k.view(), "", "m,b", kSendRoutes);
    EXPECT_EQ(k.edit.panel(), Panel::Servidor);
}

TEST(ConfigChecks, DirectoriesLoseATrailingSeparatorAndMustExist) {
    TempDir dir;
    Checks k;
    k.config.set(slot::kSendDir, dir.path() + kNativeSeparator);
    k.config.set(slot::kReceiveDir, dir.path());
    k.config.setModified(false);
    EXPECT_EQ(RevisaDir(k.view()), kRevisaOk);
    EXPECT_EQ(k.config.get(slot::kSendDir), dir.path());
    EXPECT_TRUE(k.config.modified());

    for (const std::string& bad : {std::string("1:\\env"), dir.file("missing"), std::string()}) {
        Checks b;
        b.config.set(slot::kSendDir, dir.path());
        b.config.set(slot::kReceiveDir, bad);
        EXPECT_EQ(RevisaDir(b.view()), kRevisaError) << bad;
        ASSERT_EQ(b.dialogs.shown.size(), 1u);
        EXPECT_EQ(b.dialogs.shown[0].text.rfind("ERROR: es imposible continuar, en la "
                                                "Configuración del Sistema, uno o ambos "
                                                "directorios locales no existen",
                                                0),
                  0u);
    }
}

TEST(ConfigChecks, ValidaDirFollowsThePlatformRule) {
    EXPECT_EQ(ValidaDir(""), DirCode::Invalid);
    EXPECT_EQ(ValidaDir("1:\\env"), DirCode::Invalid);
    EXPECT_EQ(ValidaDir("\\\\server\\share"), DirCode::Invalid);
#ifdef _WIN32
    EXPECT_EQ(ValidaDir("c:\\env"), DirCode::Valid);
    EXPECT_EQ(ValidaDir("/env"), DirCode::Invalid);
#else
    EXPECT_EQ(ValidaDir("/env"), DirCode::Valid);
    EXPECT_EQ(ValidaDir("c:\\env"), DirCode::Invalid);
#endif
}

}  // namespace
}  // namespace torva
