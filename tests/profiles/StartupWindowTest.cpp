#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileSystem.h"
#include "profiles/StartupWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::readBytes;
using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

// An installation with profiles whose configuration files hold their key.
struct Installation {
    TempDir dir;
    ScriptedDialogs dialogs;
    ProfileStore store{dir.path()};

    explicit Installation(const std::vector<std::string>& keys) {
        if (keys.empty()) {
            return;
        }
        EXPECT_FALSE(store.writeKeys(keys));
        for (std::size_t i = 0; i < keys.size(); ++i) {
            writeBytes(store.configPath(i), "config of " + keys[i]);
        }
    }
    std::string config(std::size_t i) const { return readBytes(store.configPath(i)); }
    std::string list() const { return readBytes(store.listPath()); }
};

TEST(StartupWindow, WithoutAProfileFileOnlyCreationWorks) {
    Installation inst({});
    StartupWindow w(inst.store, inst.dialogs);
    w.load();
    EXPECT_FALSE(w.profileCommandsEnabled());
    EXPECT_EQ(w.height(), StartupWindow::kFirstProfileHeight);
    EXPECT_FALSE(w.acceptEnabled());

    w.setNewKey("");
    w.CmdAceptar();
    EXPECT_EQ(inst.dialogs.texts(),
              std::vector<std::string>{"No es posible crear un usuario si no se proporciona la "
                                       "clave para referenciarlo."});

    w.setNewKey("1234 Aduana Nuevo Laredo");  // cut to 15 characters
    w.CmdAceptar();
    EXPECT_EQ(inst.list(), "1234 Aduana Nue\r\n");
    EXPECT_TRUE(isReadOnly(inst.store.listPath()));
    EXPECT_TRUE(w.profileCommandsEnabled());
    EXPECT_EQ(w.selected(), 0u);
    EXPECT_EQ(w.height(), StartupWindow::kCollapsedHeight);
    EXPECT_FALSE(pathExists(inst.store.configPath(0)));  // made by the first save
}

TEST(StartupWindow, CreatingAppendsAndSelectsTheNewKey) {
    Installation inst({"A", "A"});
    StartupWindow w(inst.store, inst.dialogs);
    w.load();
    w.CmdCrearPatente();
    EXPECT_EQ(w.height(), StartupWindow::kCreateHeight);
    w.setNewKey("B");
    w.CmdAceptar();
    EXPECT_EQ(inst.list(), "A\r\nA\r\nB\r\n");
    EXPECT_EQ(w.selected(), 2u);
    EXPECT_TRUE(isReadOnly(inst.store.listPath()));
}

TEST(StartupWindow, EnteringAnEarlierProfileMovesItToTheEndWithItsFile) {
    Installation inst({"A", "B", "C"});
    StartupWindow w(inst.store, inst.dialogs);
    w.load();
    EXPECT_EQ(w.selected(), 2u);
    w.select(0);
    EXPECT_EQ(w.CmdEntrar(), 2u);
    EXPECT_EQ(inst.list(), "C\r\nB\r\nA\r\n");
    EXPECT_EQ(inst.config(0), "config of C");
    EXPECT_EQ(inst.config(1), "config of B");
    EXPECT_EQ(inst.config(2), "config of A");
    EXPECT_FALSE(pathExists(inst.store.configPath(3)));
    EXPECT_TRUE(isReadOnly(inst.store.listPath()));
}

TEST(StartupWindow, EnteringWithoutTouchingTheListMovesNothing) {
    Installation inst({"A", "B", "C"});
    StartupWindow w(inst.store, inst.dialogs);
    w.load();
    EXPECT_EQ(w.CmdEntrar(), 2u);
    EXPECT_EQ(inst.list(), "A\r\nB\r\nC\r\n");
    EXPECT_EQ(inst.config(0), "config of A");
}

TEST(StartupWindow, MissingConfigurationStopsTheMoveButNotTheEntry) {
    Installation inst({"A", "B", "C"});
    removeFile(inst.store.configPath(2));
    StartupWindow w(inst.store, inst.dialogs);
    w.load();
    w.select(0);
    EXPECT_EQ(w.CmdEntrar(), 0u);
    EXPECT_EQ(inst.dialogs.shown.size(), 1u);
    EXPECT_EQ(inst.list(), "A\r\nB\r\nC\r\n");
    EXPECT_EQ(inst.config(0), "config of A");
}

TEST(StartupWindow, AFailedCopyDuringTheMoveLosesNoConfiguration) {
    Installation inst({"A", "B", "C"});
    // The spare name past the end cannot be written.
    std::filesystem::create_directory(toFsPath(inst.store.configPath(3)));
    StartupWindow w(inst.store, inst.dialogs);
    w.load();
    w.select(0);
    EXPECT_EQ(w.CmdEntrar(), 0u);
    EXPECT_EQ(inst.dialogs.shown.size(), 1u);
    EXPECT_EQ(inst.list(), "A\r\nB\r\nC\r\n");
    EXPECT_EQ(inst.config(0), "config of A");
    EXPECT_EQ(inst.config(2), "config of C");
}

TEST(StartupWindow, DeletingAProfileShiftsTheLaterFilesDown) {
    Installation inst({"A", "B", "C"});
    StartupWindow w(inst.store, inst.dialogs);
    w.load();
    w.select(1);
    inst.dialogs.answer(DialogAnswer::Yes);
    w.CmdEliminarPatente();

    ASSERT_EQ(inst.dialogs.shown.size(), 1u);
    EXPECT_EQ(inst.dialogs.shown[0].title, "TORVA Centro de Prevalidación  - Confirmar");
    EXPECT_EQ(inst.dialogs.shown[0].text,
              "Precaución al borrar la patente: B se eliminará el archivo de configuración que "
              "corresponde a la patente. Desea continuar?");
    EXPECT_EQ(inst.list(), "A\r\nC\r\n");
    EXPECT_EQ(inst.config(0), "config of A");
    EXPECT_EQ(inst.config(1), "config of C");
    EXPECT_FALSE(pathExists(inst.store.configPath(2)));
    EXPECT_EQ(w.keys(), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(w.selected(), 1u);
}

TEST(StartupWindow, AnsweringNoDeletesNothing) {
    Installation inst({"A", "B"});
    StartupWindow w(inst.store, inst.dialogs);
    w.load();
    inst.dialogs.answer(DialogAnswer::No);
    w.CmdEliminarPatente();
    EXPECT_EQ(inst.list(), "A\r\nB\r\n");
    EXPECT_EQ(inst.config(1), "config of B");
}

TEST(StartupWindow, DeletingTheOnlyProfileLeavesAnEmptyList) {
    Installation inst({"A"});
    StartupWindow w(inst.store, inst.dialogs);
    w.load();
    inst.dialogs.answer(DialogAnswer::Yes);
    w.CmdEliminarPatente();
    EXPECT_EQ(inst.list(), "");
    EXPECT_FALSE(pathExists(inst.store.configPath(0)));
    EXPECT_TRUE(w.keys().empty());
    EXPECT_TRUE(w.profileCommandsEnabled());
    EXPECT_FALSE(w.CmdEntrar());
    EXPECT_EQ(inst.dialogs.shown.back().text, "Selecione Patente");
}

TEST(StartupWindow, APastedKeyKeepsToOneLineOfTheList) {
    Installation inst({"A"});
    StartupWindow w(inst.store, inst.dialogs);
    w.load();
    w.setNewKey("12\r\n34\tÑ\u2028ABCDEFGHIJKLMN");  // cut after 15 characters, "Ñ" whole
    EXPECT_EQ(w.newKey(), "1234ÑABCDEFGHIJ");
    w.CmdAceptar();
    EXPECT_EQ(inst.list(),
              "A\r\n1234\xD1"
              "ABCDEFGHIJ\r\n");
    // Keys that reach the list some other way are written as one line each too.
    ASSERT_FALSE(inst.store.writeKeys({"X\nY", "Z"}));
    EXPECT_EQ(inst.list(), "XY\r\nZ\r\n");
}

TEST(StartupWindow, DuplicateKeysStaySeparateProfiles) {
    Installation inst({"1234", "1234"});
    StartupWindow w(inst.store, inst.dialogs);
    w.load();
    w.select(0);
    EXPECT_EQ(w.CmdEntrar(), 1u);
    EXPECT_EQ(inst.config(1), "config of 1234");
    EXPECT_EQ(w.keys().size(), 2u);
}

}  // namespace
}  // namespace torva
