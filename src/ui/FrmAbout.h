#pragma once

#include <QDialog>

namespace torva::ui {

// "Acerca de ...": title, version, description and the notice of use.
class FrmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit FrmAbout(QWidget* parent = nullptr);

    static QString applicationTitle();

  private:
    void startSystemInfo();
};

}  // namespace torva::ui
