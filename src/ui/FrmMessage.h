#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace torva::ui {

// The self-closing error window: the code of a failed FTP operation and its
// explanation, filled at the first tick; the title counts down and the window
// closes on the 21st tick or with "Aceptar". Modeless; deletes itself on close.
class FrmMessage : public QDialog {
    Q_OBJECT
  public:
    explicit FrmMessage(QWidget* parent = nullptr);

    // The code to show; a change after the first tick is not shown.
    int CodigoError = 0;

  public slots:
    // One tick of `Timer1`.
    void Timer1_Timer();

  private:
    int ticks_ = 0;
    QLabel* lblErrorCve_ = nullptr;
    QLabel* lblError_ = nullptr;
    QTimer* timer1_ = nullptr;
};

}  // namespace torva::ui
