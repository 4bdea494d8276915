#include <gtest/gtest.h>

#include "manual/EliminarBusqueda.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

TEST(EliminarBusqueda, ListsThePlainFilesOfThePatenteOnly) {
    TempDir pend;
    for (const char* name : {
             "m1234001.343",     // characters 2 to 5
             "m5678001.343",     // another patente
             "ea1234001343",     // e without ".": characters 3 to 6
             "ea5678001343",     //
             "e1234002.343",     // e with "." as 9th: characters 2 to 5
             "e5123402.343",     // another patente's, though characters 3 to 6 are 1234
             "s1234000012.045",  //
             "M1234003.343",     //
             "x12",              // too short
         }) {
        writeBytes(pend.file(name), "");
    }
    makeDirectory(pend.file("m1234999.343"));
    std::error_code ec;
    EXPECT_EQ(marcasDeLaPatente(pend.path(), "1234", ec),
              (std::vector<std::string>{"e1234002.343", "ea1234001343", "m1234001.343",
                                        "M1234003.343", "s1234000012.045"}));
    EXPECT_FALSE(ec);

    EXPECT_TRUE(marcasDeLaPatente(pend.file("Pend"), "1234", ec).empty());
    EXPECT_FALSE(ec) << "a missing folder has no markers";
    writeBytes(pend.file("Archivo"), "");
    EXPECT_TRUE(marcasDeLaPatente(pend.file("Archivo"), "1234", ec).empty());
    EXPECT_TRUE(ec) << "a file where the folder should be";
}

TEST(EliminarBusqueda, DeletesTheMarkerOrSaysWhyNot) {
    TempDir pend;
    writeBytes(pend.file("m1234001.343"), "");
    writeBytes(pend.file("M1234002.343"), "");
    writeBytes(pend.file("m1234003.343"), "");
    ASSERT_FALSE(setReadOnly(pend.file("m1234003.343"), true));

    EXPECT_EQ(borraMarca(pend.path(), "m1234001.343"), Cancelacion::Cancelada);
    EXPECT_EQ(borraMarca(pend.path(), "m1234002.343"), Cancelacion::Cancelada);  // any case
    EXPECT_EQ(borraMarca(pend.path(), "m1234001.343"), Cancelacion::YaNoExiste);
    EXPECT_EQ(borraMarca(pend.path(), "m1234003.343"), Cancelacion::NoSeBorro);
    std::error_code ec;
    ASSERT_EQ(listDirectory(pend.path(), ec).size(), 1u);
    setReadOnly(pend.file("m1234003.343"), false);

    ScriptedDialogs dialogs;
    informaCancelacion(dialogs, pend.path(), "m1234001.343", Cancelacion::Cancelada);
    informaCancelacion(dialogs, pend.path(), "m1234001.343", Cancelacion::YaNoExiste);
    informaCancelacion(dialogs, pend.path(), "m1234003.343", Cancelacion::NoSeBorro);
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].text, "La busqueda del archivo m1234001.343 ha sido cancelada");
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::None);
    EXPECT_NE(dialogs.shown[1].text.find("m1234001.343 ya no está en"), std::string::npos);
    EXPECT_EQ(dialogs.shown[2].text, "Error. No se pudo borrar el archivo " +
                                         pend.file("m1234003.343") +
                                         ". La busqueda de su respuesta continúa.");
    for (const auto& shown : dialogs.shown) {
        EXPECT_EQ(shown.title, "TORVA Centro de Prevalidación");
    }
    EXPECT_EQ(dialogs.shown[1].icon, DialogIcon::Critical);
    EXPECT_EQ(dialogs.shown[2].icon, DialogIcon::Critical);
}

}  // namespace
}  // namespace torva
