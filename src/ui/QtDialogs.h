#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/OperatorDialogs.h"

namespace torva::ui {

class FrmMessage;

// Message boxes, beeps, the busy pointer and the error window on Qt.
class QtDialogs final : public OperatorDialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
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
