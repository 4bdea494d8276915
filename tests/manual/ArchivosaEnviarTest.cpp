#include <gtest/gtest.h>

#include "manual/ArchivosaEnviar.h"
#include "names/SentRegistry.h"
#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

const std::vector<std::string> kRows = {"m1234001.123", "m1234002.123", "m1234003.123"};

struct Window {
    TempDir dir;
    Lists lists;
    CycleState cycle;
    ScriptedDialogs dialogs;
    std::optional<ArchivosaEnviar> logic;

    Window() {
        for (const auto& row : kRows) {
            writeBytes(dir.file(row), row);
        }
        lists.set(ListId::SendFiles, kRows);
        cycle.txtActualizar = "1";
        logic.emplace(lists, cycle, dialogs, dir.path());
    }
    std::vector<std::string> registry() const {
        std::vector<std::string> lines;
        readAnsiLines(dir.file("bitacora"), lines);
        for (auto& line : lines) {
            line = line.substr(0, line.find('|'));
        }
        return lines;
    }
};

TEST(ArchivosaEnviar, WaysOutOfTheWindow) {
    using A = DialogAnswer;
    struct Case {
        const char* what;
        std::vector<bool> selected;
        std::vector<A> answers;
        std::vector<std::string> sendFiles;
        std::vector<std::string> registry;
        std::size_t questions;
    };
    const Case cases[] = {
        {"all selected: no question", {true, true, true}, {}, kRows, {}, 0},
        {"some, keep the rest",
         {true, false, true},
         {A::No},
         {"m1234001.123", "m1234003.123"},
         {},
         1},
        {"some, drop the rest",
         {false, true, false},
         {A::Yes},
         {"m1234002.123"},
         {"m1234001.123", "m1234003.123"},
         1},
        {"none, No then No", {false, false, false}, {A::No, A::No}, {}, {}, 2},
        {"none, No then Yes", {false, false, false}, {A::No, A::Yes}, {}, kRows, 2},
    };
    for (const Case& c : cases) {
        Window w;
        for (A a : c.answers) {
            w.dialogs.answer(a);
        }
        EXPECT_EQ(w.cycle.txtActualizar, "0") << c.what;  // set when the window loads
        EXPECT_TRUE(w.logic->send(c.selected)) << c.what;
        w.logic->closed();
        EXPECT_EQ(w.lists.get(ListId::SendFiles), c.sendFiles) << c.what;
        EXPECT_EQ(w.registry(), c.registry) << c.what;
        EXPECT_EQ(w.cycle.txtActualizar, "0") << c.what;
        ASSERT_EQ(w.dialogs.shown.size(), c.questions) << c.what;
        for (const auto& q : w.dialogs.shown) {
            EXPECT_EQ(q.title, "TORVA Centro de Prevalidacion");
            EXPECT_EQ(q.icon, DialogIcon::Question);
            EXPECT_EQ(q.buttons, DialogButtons::YesNo);
        }
        if (c.questions == 2) {
            EXPECT_EQ(w.dialogs.shown[0].text, kPreguntaVolver);
        }
        if (c.questions > 0) {
            EXPECT_EQ(w.dialogs.shown.back().text,
                      "¿Deseas borrar de la lista los archivos no seleccionados?");
        }
    }

    Window refresh;
    refresh.logic->refresh();
    refresh.logic->closed();
    EXPECT_TRUE(refresh.lists.get(ListId::SendFiles).empty());
    EXPECT_EQ(refresh.cycle.txtActualizar, "1");

    Window cancel;
    cancel.logic->cancel();
    cancel.logic->closed();
    EXPECT_TRUE(cancel.lists.get(ListId::SendFiles).empty());
    EXPECT_EQ(cancel.cycle.txtActualizar, "0");

    Window closeBox;
    closeBox.logic->closed();
    EXPECT_TRUE(closeBox.lists.get(ListId::SendFiles).empty());
    EXPECT_TRUE(closeBox.registry().empty());
}

TEST(ArchivosaEnviar, BackToTheListKeepsTheRowsLeftOutButNeverDropsAChosenOne) {
    Window w;
    w.dialogs.answer(DialogAnswer::Yes);  // back to the list
    EXPECT_FALSE(w.logic->send({false, false, false}));
    EXPECT_EQ(w.logic->lstNoEnviar(), kRows);

    w.dialogs.answer(DialogAnswer::Yes);  // drop the rest
    EXPECT_TRUE(w.logic->send({true, false, false}));
    w.logic->closed();
    EXPECT_EQ(w.lists.get(ListId::SendFiles), std::vector<std::string>{"m1234001.123"});
    EXPECT_EQ(w.logic->lstNoEnviar().size(), 5u);  // gathered again
    // m1234001.123 goes out now: a registry line would stop it after a failed upload.
    EXPECT_EQ(w.registry(), (std::vector<std::string>{"m1234002.123", "m1234003.123",
                                                      "m1234002.123", "m1234003.123"}));
}

TEST(ArchivosaEnviar, SelectAllTogglesBetweenAllAndNone) {
    Window w;
    std::vector<bool> selected = {true, false, false};
    EXPECT_EQ(w.logic->selectAll(selected), "Ninguno");
    EXPECT_EQ(selected, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(w.logic->selectAll(selected), "Todos");
    EXPECT_EQ(selected, (std::vector<bool>{false, false, false}));
}

TEST(ArchivosaEnviar, TheRegistryLineOfADroppedFileHoldsItsTime) {
    Window w;
    w.dialogs.answer(DialogAnswer::Yes);
    w.logic->send({true, true, false});
    std::error_code ec;
    const SentRegistry registry = SentRegistry::read(w.dir.file("bitacora"), ec);
    EXPECT_TRUE(registry.holds("m1234003.123",
                               fileTimeText(*modificationTime(w.dir.file("m1234003.123")))));
}

}  // namespace
}  // namespace torva
