#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/OperatorDialogs.h"

namespace torva::ui {

class FrmMessage;

// Loads Qt's own Spanish texts (context menus, standard dialogs) when the
// system has them; the program works in Spanish without them too. The
// translator belongs to the application.
bool loadSpanishTranslation();

// Places a top-level window in the middle of its screen's work area, so the
// boxes centred on it are where the operator looks, even before it is shown.
void centreOnScreen(QWidget* window);

// Message boxes, beeps, the busy pointer and the error window on Qt.
class QtDialogs final : public OperatorDialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    // The window the boxes belong to and are centred on.
    void setParent(QWidget* parent) { parent_ = parent; }

    DialogAnswer message(const std::string& title, const std::string& text, DialogIcon icon,
                         DialogButtons buttons) override;
    void beep() override;
    void setBusy(bool busy) override;
    void showComponentError(int code) override;
    void chooseFiles(FileSelection& selection) override;

  private:
    QPointer<QWidget> parent_;
    QPointer<FrmMessage> errorWindow_;  // one error window at a time
};

}  // namespace torva::ui
