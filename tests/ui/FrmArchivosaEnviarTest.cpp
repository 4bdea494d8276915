#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "manual/ArchivosaEnviar.h"
#include "platform/Ansi.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/FrmArchivosaEnviar.h"
#include "ui/QtDialogs.h"

namespace torva::ui {
namespace {

using test::ScriptedDialogs;
using test::TempDir;

const std::vector<std::string> kRows = {"m1234001.123", "m1234002.123", "m1234003.123"};

struct Queue {
    TempDir dir;
    Lists lists;
    CycleState cycle;
    ScriptedDialogs dialogs;
    ArchivosaEnviar logic{withRows(), cycle, dialogs, dir.path()};

    Lists& withRows() {
        for (const auto& row : kRows) {
            test::writeBytes(dir.file(row), row);
        }
        lists.set(ListId::SendFiles, kRows);
        return lists;
    }
    std::size_t registryLines() const {
        std::vector<std::string> lines;
        readAnsiLines(dir.file("bitacora"), lines);
        return lines.size();
    }
};

QPushButton* button(QWidget& w, const char* name) {
    auto* b = w.findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

void select(FrmArchivosaEnviar& w, std::initializer_list<int> rows) {
    auto* list = w.findChild<QListWidget*>(QStringLiteral("LstEnviar"));
    for (int row : rows) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
}

TEST(FrmArchivosaEnviar, TheThreeWaysOutAndTheCloseBox) {
    struct Case {
        const char* button;  // nullptr: the close box
        std::vector<std::string> sendFiles;
        const char* txtActualizar;
    };
    const Case cases[] = {
        {"CmdEnviarArchivos", {"m1234001.123", "m1234003.123"}, "0"},
        {"CmdActualizar", {}, "1"},
        {"CmdCancelar", {}, "0"},
        {nullptr, {}, "0"},
    };
    for (const Case& c : cases) {
        Queue s;
        s.dialogs.answer(DialogAnswer::Yes);  // drop the row left out
        FrmArchivosaEnviar window(s.logic);
        window.show();
        EXPECT_EQ(window.windowTitle(), QStringLiteral("TORVA Centro de Prevalidación"));
        EXPECT_EQ(window.findChild<QListWidget*>(QStringLiteral("LstEnviar"))->count(), 3);
        select(window, {0, 2});
        if (c.button) {
            QTest::mouseClick(button(window, c.button), Qt::LeftButton);
        } else {
            window.close();
        }
        const char* what = c.button ? c.button : "close box";
        EXPECT_FALSE(window.isVisible()) << what;
        EXPECT_EQ(s.lists.get(ListId::SendFiles), c.sendFiles) << what;
        EXPECT_EQ(s.cycle.txtActualizar, c.txtActualizar) << what;
        EXPECT_EQ(s.registryLines(), c.sendFiles.empty() ? 0u : 1u) << what;
    }
}

TEST(FrmArchivosaEnviar, SelectAllAndGoingBackToTheList) {
    Queue s;
    FrmArchivosaEnviar window(s.logic);
    window.show();
    auto* list = window.findChild<QListWidget*>(QStringLiteral("LstEnviar"));
    QPushButton* all = button(window, "CmdSelectAll");
    EXPECT_EQ(all->text(), QStringLiteral("Todos"));
    QTest::mouseClick(all, Qt::LeftButton);
    EXPECT_EQ(all->text(), QStringLiteral("Ninguno"));
    EXPECT_EQ(list->selectedItems().size(), 3);
    QTest::mouseClick(all, Qt::LeftButton);
    EXPECT_EQ(all->text(), QStringLiteral("Todos"));
    EXPECT_TRUE(list->selectedItems().isEmpty());

    s.dialogs.answer(DialogAnswer::Yes);  // back to the list
    QTest::mouseClick(button(window, "CmdEnviarArchivos"), Qt::LeftButton);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(s.dialogs.shown.back().title, "TORVA Centro de Prevalidacion");
    EXPECT_EQ(window.findChild<QListWidget*>(QStringLiteral("LstNoEnviar"))->count(), 3);

    select(window, {1});
    QTest::mouseClick(button(window, "CmdEnviarArchivos"), Qt::LeftButton);  // No: keep them
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(s.lists.get(ListId::SendFiles), std::vector<std::string>{"m1234002.123"});
    EXPECT_EQ(s.registryLines(), 0u);
}

TEST(FrmArchivosaEnviar, TheDialogPortOpensItModally) {
    Queue s;
    QtDialogs dialogs;
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        wasModal = modal->objectName() == QStringLiteral("FrmArchivosaEnviar");
        QTest::mouseClick(button(*modal, "CmdActualizar"), Qt::LeftButton);
    });
    dialogs.chooseFiles(s.logic);
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(s.cycle.txtActualizar, "1");
    EXPECT_TRUE(s.lists.get(ListId::SendFiles).empty());
}

}  // namespace
}  // namespace torva::ui
