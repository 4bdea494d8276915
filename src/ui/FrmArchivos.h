#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <QWidget>
#include <string>
#include <utility>

#include "logview/FileViewer.h"
#include "logview/Printers.h"

class QComboBox;
class QLineEdit;
class QListView;
class QPushButton;

namespace torva::ui {

class QtPrinters;
class ViewerRowsModel;
class WorkerThread;

// The viewer window `frmArchivos`: the rows of a file in a fixed-width list,
// the record number of the selected row, go to record, and printing. It shows
// its logic and hands it what the operator does; closing it only hides it.
class FrmArchivos final : public QWidget, public FileViewerObserver {
    Q_OBJECT
  public:
    // printers: the system's when none is given.
    FrmArchivos(Printers* printers, OperatorDialogs& dialogs, QWidget* parent);
    ~FrmArchivos() override;

    FileViewer& logic() { return logic_; }
    // Runs a file's reading on the viewer's own thread while the window keeps
    // processing events.
    void runLoad(const std::function<void()>& call);

    // A load runs: a file asked for meanwhile waits, the last one asked for
    // wins. beginLoad is false while a load runs; endLoad gives the file that
    // waits, if any.
    bool beginLoad(const std::string& name, const std::string& dir);
    std::optional<std::pair<std::string, std::string>> endLoad();

    // FileViewerObserver
    void rowsChanged() override;
    void shownChanged() override;
    void registroChanged() override;
    void rowSelected(std::size_t row) override;
    void focusRegistro() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void imprime();

    FileViewer logic_;
    std::unique_ptr<QtPrinters> ownPrinters_;
    Printers& printers_;
    OperatorDialogs& dialogs_;
    std::unique_ptr<WorkerThread> loader_;
    std::unique_ptr<WorkerThread> printer_;
    bool loading_ = false;
    std::optional<std::pair<std::string, std::string>> waiting_;

    ViewerRowsModel* model_ = nullptr;
    QListView* lstArchivos_ = nullptr;
    QLineEdit* txtRegistro_ = nullptr;
    QComboBox* cboPrinters_ = nullptr;
    QPushButton* cmdImprimir_ = nullptr;
};

}  // namespace torva::ui
