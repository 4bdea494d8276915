#pragma once

#include <QDialog>
#include <vector>

#include "platform/OperatorDialogs.h"

class QListWidget;
class QPushButton;

namespace torva::ui {

// The modal window where the operator picks which queued files go out in
// this pass. The choice and its effects belong to the selection logic; the
// window shows its rows and hands it the selection.
class FrmArchivosaEnviar : public QDialog {
    Q_OBJECT
  public:
    FrmArchivosaEnviar(FileSelection& selection, QWidget* parent = nullptr);

  protected:
    void done(int result) override;

  private:
    std::vector<bool> selected() const;

    FileSelection& selection_;
    QListWidget* lstEnviar_ = nullptr;
    QListWidget* lstNoEnviar_ = nullptr;
    QPushButton* cmdSelectAll_ = nullptr;
    bool closed_ = false;
};

}  // namespace torva::ui
