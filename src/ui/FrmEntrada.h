#pragma once

#include <optional>
#include <QDialog>

#include "profiles/StartupWindow.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace torva::ui {

// The start-up window: choose, create or delete a patente profile.
class FrmEntrada : public QDialog {
    Q_OBJECT
  public:
    FrmEntrada(const std::string& configDirectory, OperatorDialogs& dialogs,
               QWidget* parent = nullptr);

    // The profile index chosen by "Entrar", once the dialog was accepted.
    std::optional<std::size_t> chosenIndex() const { return chosen_; }
    StartupWindow& model() { return model_; }

  private:
    void build();
    void refresh();
    void enter();

    StartupWindow model_;
    std::optional<std::size_t> chosen_;
    QComboBox* cboPatentes_ = nullptr;
    QLineEdit* txtPatente_ = nullptr;
    QPushButton* cmdEntrar_ = nullptr;
    QPushButton* cmdCrear_ = nullptr;
    QPushButton* cmdEliminar_ = nullptr;
    QPushButton* cmdAceptar_ = nullptr;
    QWidget* creationArea_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace torva::ui
