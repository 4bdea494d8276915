#pragma once

#include <QLabel>

namespace torva::ui {

// A label that reports double clicks (pictures and the notice ticker).
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void doubleClicked();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace torva::ui
