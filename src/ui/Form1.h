#pragma once

#include <array>
#include <bitset>
#include <map>
#include <memory>
#include <QMainWindow>
#include <QPointer>
#include <vector>

#include "form/MainState.h"
#include "logview/Printers.h"
#include "manual/EsperaDePasada.h"
#include "state/MainObserver.h"

class QAction;
class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QTimer;
class QWidget;

namespace torva::ui {

class ClickableLabel;
class ConexionTab;
class DayListModel;
class FrmArchivos;
class WaitingFtpClient;
class WaitingSigningLibrary;
class WorkerThread;

// The main window: owns the main state and shows it. Every handler goes
// through the operations of the core.
class Form1 : public QMainWindow, public MainObserver {
    Q_OBJECT
  public:
    Form1(OperatorDialogs& dialogs, const Clock& clock, HostIdentity host,
          QWidget* parent = nullptr);
    ~Form1() override;

    // The window's load for the chosen profile.
    void load(std::uint8_t profileIndex, const std::string& configDirectory);

    MainState& state() { return state_; }
    // The FTP client of the cycle, whose session the window closes when it
    // closes. Its calls run off the GUI thread.
    void setFtpClient(FtpClient* ftp);
    // The signing library the outgoing pass signs with, if any. Its calls run
    // off the GUI thread.
    void setSigningLibrary(SigningLibrary* signer);
    // The system's ICMP echo for the connection tab's tests; their requests
    // run off the GUI thread.
    void setEchoTransport(EchoTransport* transport, NameResolver* resolver);
    // Loads the file name of folder dir into the viewer and shows it.
    void MuestraArchivo(const std::string& name, const std::string& dir);
    // The printers the viewer offers, set before its first use; else the system's.
    void setPrinters(Printers* printers) { printers_ = printers; }

    // MainObserver
    void slotChanged(int slot) override;
    void listAppended(ListId which) override;
    void listRemoved(ListId which, int index) override;
    void listReset(ListId which) override;
    void listLookChanged(ListId which) override;
    void captionChanged(Caption which) override;
    void editStateChanged() override;
    void gaugesChanged() override;
    void showTab(int tab) override;
    void testsEnabledChanged() override;
    void passChanged() override;
    void tickerColourChanged() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Building, one tab or bar each.
    QWidget* buildConfigurationTab();
    QWidget* buildStatusTab();
    QWidget* buildConnectionTab();
    QWidget* buildServerPanel();
    QWidget* buildSignaturePanel();
    QWidget* buildRoutesPanel();
    void buildMenus();
    void buildWorkControls(QWidget* parent);
    QLineEdit* slotField(int slot, QWidget* parent);
    QCheckBox* flagBox(const char* name, const QString& caption, int slot, QWidget* parent);
    QLabel* captionLabel(const char* name, Caption caption, QWidget* parent);
    // A caption that changes during passes: a new text repaints it alone.
    QWidget* steadyCaption(const char* name, Caption caption, QWidget* parent);
    QListView* list(const char* name, ListId id, QWidget* parent);
    void showAll();
    void showCaption(Caption which);
    void showSelection(ListId which);
    // The day lists' double click opens a row's file in the viewer.
    void bindViewer();
    FrmArchivos& frmArchivos();
    // Shows what a pass changed since the last time: during a pass the view
    // takes the changes at most every kRefreshMs, not one per file.
    void refresh();
    void scheduleRefresh();
    void bindSettingsControls();
    void bindRespaldo();
    void bindPruebas();
    void bindAvisos();
    void bindManual();
    // A pass ended: the manual windows' writes held for it run.
    void finishManualWrites();

    void showAbout();

    MainState state_;
    MainPorts ports_;
    std::unique_ptr<WorkerThread> worker_;
    std::unique_ptr<WaitingFtpClient> waitingFtp_;
    std::unique_ptr<WaitingSigningLibrary> waitingSigner_;
    std::unique_ptr<ConexionTab> conexion_;
    // Captions changed during a pass and not shown yet.
    std::bitset<kCaptionCount> staleCaptions_;
    QTimer* refreshTimer_ = nullptr;
    // The operator closed the window during a pass: it closes when the pass ends.
    bool closePending_ = false;
    // The request and cancel windows, one of each at a time, and their writes.
    QPointer<QDialog> frmPedirArchivo_;
    QPointer<QDialog> frmEliminarBusqueda_;
    EsperaDePasada manualWrites_{state_.cycle};

    QTabWidget* tabs_ = nullptr;
    std::array<QLineEdit*, slot::kCount> fields_{};
    std::array<QLabel*, slot::kCount> fieldLabels_{};
    std::map<int, QCheckBox*> flagBoxes_;
    std::map<Caption, QLabel*> labels_;
    std::map<ListId, QListView*> lists_;
    std::map<ListId, DayListModel*> models_;
    FrmArchivos* frmArchivos_ = nullptr;  // loaded at first use
    Printers* printers_ = nullptr;
    // Commands disabled while a pass runs.
    std::vector<QAction*> passLocked_;
    std::array<QPushButton*, 3> testButtons_{};
    QPushButton* startButton_ = nullptr;
    QAction* menuStart_ = nullptr;
    QAction* menuConfigure_ = nullptr;
    QAction* menuFolios_ = nullptr;
    QRadioButton* opnPrimario_ = nullptr;
    QRadioButton* opnSecundario_ = nullptr;
    QGroupBox* fmeServidor_ = nullptr;
    QGroupBox* fmeFea_ = nullptr;
    QGroupBox* fmeRutas_ = nullptr;
    QPushButton* cmdServidor_ = nullptr;
    QPushButton* cmdDatosFirma_ = nullptr;
    QPushButton* cmdRutas_ = nullptr;
    // "Ocultar" of the server, signature and routes panels.
    std::array<QPushButton*, 3> cmdOcultar_{};
    // The pictures `Image3` whose double click shows the hidden fields.
    std::array<ClickableLabel*, 2> image3_{};
    QSlider* sldControl_ = nullptr;
    QLineEdit* txtMin_ = nullptr;
    QLineEdit* txtSeg_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QTimer* tmrControl_ = nullptr;
};

}  // namespace torva::ui
