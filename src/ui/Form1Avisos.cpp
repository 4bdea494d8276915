// The notice ticker `LblDespliega`: its colours and the double click that
// shows every general notice.
#include <QApplication>
#include <QPalette>

#include "ui/ClickableLabel.h"
#include "ui/Form1.h"

namespace torva::ui {

void Form1::bindAvisos() {
    auto* despliega = qobject_cast<ClickableLabel*>(labels_.at(Caption::LblDespliega));
    despliega->setAutoFillBackground(true);
    connect(despliega, &ClickableLabel::doubleClicked, this, [this] {
        std::string text;
        for (const std::string& notice : state_.lists.get(ListId::Mensajes)) {
            text += notice + "\r";
        }
        ports_.dialogs.message(kAppTitle, text, DialogIcon::None, DialogButtons::Ok);
    });
    tickerColourChanged();
}

void Form1::tickerColourChanged() {
    QLabel* despliega = labels_.at(Caption::LblDespliega);
    const QPalette system = QApplication::palette();
    QPalette palette = despliega->palette();
    if (state_.cycle.tickerAlert()) {
        palette.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
        palette.setColor(QPalette::Window, system.color(QPalette::Base));
    } else {
        palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xC0));
        palette.setColor(QPalette::Window, system.color(QPalette::Button));
    }
    despliega->setPalette(palette);
}

}  // namespace torva::ui
