// Real message boxes of the dialog port, answered by a single-shot timer.
#include <gtest/gtest.h>

#include <functional>
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "ui/QtDialogs.h"

namespace torva::ui {
namespace {

// Runs check on the next modal box once it is open; the check answers it.
void whenBoxOpens(std::function<void(QMessageBox*)> check) {
    QTimer::singleShot(0, [check = std::move(check)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        check(box);
        if (box->isVisible()) {
            box->done(QMessageBox::Cancel);  // an unanswered box must not hang the test
        }
    });
}

QStringList buttonTexts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* b : box->buttons()) {
        texts << b->text();
    }
    texts.sort();
    return texts;
}

TEST(QtDialogs, EveryBoxAndAnswerWithSpanishButtonsCentredOnItsWindow) {
    enum class Press { Si, No, Aceptar, Escape };
    struct Case {
        DialogIcon icon;
        DialogButtons buttons;
        Press press;
        DialogAnswer answer;
        QMessageBox::Icon qtIcon;
        QStringList texts;
    };
    const QStringList yesNo{QStringLiteral("No"), QStringLiteral("Sí")};
    const QStringList ok{QStringLiteral("Aceptar")};
    const Case cases[] = {
        {DialogIcon::Critical, DialogButtons::Ok, Press::Aceptar, DialogAnswer::Ok,
         QMessageBox::Critical, ok},
        {DialogIcon::Exclamation, DialogButtons::Ok, Press::Escape, DialogAnswer::Ok,
         QMessageBox::Warning, ok},
        {DialogIcon::Information, DialogButtons::Ok, Press::Aceptar, DialogAnswer::Ok,
         QMessageBox::Information, ok},
        {DialogIcon::None, DialogButtons::Ok, Press::Aceptar, DialogAnswer::Ok, QMessageBox::NoIcon,
         ok},
        {DialogIcon::Question, DialogButtons::YesNo, Press::Si, DialogAnswer::Yes,
         QMessageBox::Question, yesNo},
        {DialogIcon::Question, DialogButtons::YesNo, Press::No, DialogAnswer::No,
         QMessageBox::Question, yesNo},
        // Closing the box is not Yes.
        {DialogIcon::Question, DialogButtons::YesNo, Press::Escape, DialogAnswer::No,
         QMessageBox::Question, yesNo},
    };
    QMainWindow window;
    window.resize(600, 400);
    window.move(200, 150);
    window.show();
    QtDialogs dialogs(&window);
    for (const auto& c : cases) {
        whenBoxOpens([&](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("TORVA Centro de Prevalidación"));
            EXPECT_EQ(box->text(), QStringLiteral("Primera línea\nSegunda"));
            EXPECT_EQ(box->icon(), c.qtIcon);
            EXPECT_EQ(buttonTexts(box), c.texts);
            EXPECT_LE(
                (box->frameGeometry().center() - window.frameGeometry().center()).manhattanLength(),
                4);
            switch (c.press) {
                case Press::Si:
                case Press::No:
                case Press::Aceptar: {
                    const QString wanted = c.press == Press::Si   ? QStringLiteral("Sí")
                                           : c.press == Press::No ? QStringLiteral("No")
                                                                  : QStringLiteral("Aceptar");
                    for (QAbstractButton* b : box->buttons()) {
                        if (b->text() == wanted) {
                            QTest::mouseClick(b, Qt::LeftButton);
                        }
                    }
                    break;
                }
                case Press::Escape:
                    QTest::keyClick(box, Qt::Key_Escape);
                    break;
            }
        });
        EXPECT_EQ(dialogs.message(kAppTitle, "Primera línea\rSegunda", c.icon, c.buttons),
                  c.answer);
    }
}

TEST(QtDialogs, TheBusyPointerGivesWayToTheArrowWhileABoxIsOpen) {
    QtDialogs dialogs;
    dialogs.setBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    Qt::CursorShape during = Qt::BusyCursor;
    whenBoxOpens([&](QMessageBox* box) {
        during = QApplication::overrideCursor()->shape();
        box->button(QMessageBox::Ok)->click();
    });
    showCritical(dialogs, "Error");
    EXPECT_EQ(during, Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    dialogs.setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(QtDialogs, QtsOwnTextsAreSpanishWhenTheTranslationIsInstalled) {
    if (!loadSpanishTranslation()) {
        GTEST_SKIP() << "qt6-translations-l10n is not installed";
    }
    // The context menu of every text field.
    EXPECT_NE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Undo"));
}

}  // namespace
}  // namespace torva::ui
