#include "ui/QtDialogs.h"

#include <QApplication>
#include <QLayout>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTranslator>

#include "ui/FrmArchivosaEnviar.h"
#include "ui/FrmMessage.h"

namespace torva::ui {
namespace {

QMessageBox::Icon toQt(DialogIcon icon) {
    switch (icon) {
        case DialogIcon::Critical:
            return QMessageBox::Critical;
        case DialogIcon::Exclamation:
            return QMessageBox::Warning;
        case DialogIcon::Question:
            return QMessageBox::Question;
        case DialogIcon::Information:
            return QMessageBox::Information;
        case DialogIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// The buttons read in Spanish whatever translation Qt has.
void spanishButtons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {
        {QMessageBox::Ok, "Aceptar"},
        {QMessageBox::Cancel, "Cancelar"},
        {QMessageBox::Yes, "Sí"},
        {QMessageBox::No, "No"},
    };
    for (const auto& [which, text] : texts) {
        if (QAbstractButton* button = box.button(which)) {
            button->setText(QString::fromUtf8(text));
        }
    }
}

}  // namespace

bool loadSpanishTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void centreOnScreen(QWidget* window) {
    if (QLayout* layout = window->layout()) {
        layout->activate();  // the size the window will show with
    }
    if (const QScreen* screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - window->rect().center());
    }
}

DialogAnswer QtDialogs::message(const std::string& title, const std::string& text, DialogIcon icon,
                                DialogButtons buttons) {
    QMessageBox box(
        toQt(icon), QString::fromStdString(title),
        QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
        buttons == DialogButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        parent_);
    box.setObjectName(QStringLiteral("MessageBox"));
    spanishButtons(box);
    // The busy pointer must not hide the arrow while the operator answers.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    const int answer = box.exec();
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
    if (buttons == DialogButtons::Ok) {
        return DialogAnswer::Ok;
    }
    return answer == QMessageBox::Yes ? DialogAnswer::Yes : DialogAnswer::No;
}

void QtDialogs::beep() {
    QApplication::beep();
}

void QtDialogs::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void QtDialogs::showComponentError(int code) {
    // An open window keeps the code it shows; it only takes the new one.
    if (!errorWindow_) {
        errorWindow_ = new FrmMessage(parent_);
        errorWindow_->show();
    }
    errorWindow_->CodigoError = code;
}

void QtDialogs::chooseFiles(FileSelection& selection) {
    FrmArchivosaEnviar window(selection, parent_);
    // The operator picks with the arrow, also in the middle of a busy pass.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    window.exec();
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace torva::ui
