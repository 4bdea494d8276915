// Widgets of the main window: the three tabs, the panels, the work controls
// and the menu bar. Every control carries its name as objectName.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "form/MainWindowLogic.h"
#include "profiles/EditMode.h"
#include "ui/ClickableLabel.h"
#include "ui/DayListModel.h"
#include "ui/Form1.h"
#include "ui/OneLineEdit.h"
#include "ui/SteadyLabel.h"

namespace torva::ui {
namespace {

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* text(const QString& caption, QWidget* parent) {
    return new QLabel(caption, parent);
}

// A field whose typed characters show as "*", whatever the style's own mark.
void secretField(QLineEdit* field) {
    field->setEchoMode(QLineEdit::Password);
    field->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    return named(new QPushButton(caption, parent), name);
}

QGroupBox* frame(const char* name, const QString& caption, QWidget* parent) {
    return named(new QGroupBox(caption, parent), name);
}

// Tool tips of the configuration fields: the meaning of their slot.
const char* slotToolTip(int i) {
    switch (i) {
        case slot::kUser:
            return "Usuario autorizado para validar";
        case slot::kSendDir:
            return "Directorio de Envio";
        case slot::kReceiveDir:
            return "Directorio de Recepción";
        case slot::kLowerFolio:
            return "Folio inferior permitido para enviar a validar";
        case slot::kUpperFolio:
            return "Folio Superior permitido para enviar a validar";
        case slot::kPort:
            return "Puerto por el cual se da la salida a Internet al servicio de FTP";
        case slot::kSendRoutes:
            return "Rutas de Envio Local";
        case slot::kReceiveRoutes:
            return "Rutas de Recibo Local";
        default:
            return nullptr;
    }
}

// A read-only field takes the window's background, so it does not look editable.
class ReadOnlyLook final : public QObject {
  public:
    using QObject::QObject;

    static void apply(QLineEdit* field) {
        QPalette palette = QApplication::palette(field);
        if (field->isReadOnly()) {
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        }
        field->setPalette(palette);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ReadOnlyChange) {
            apply(static_cast<QLineEdit*>(watched));
        }
        return false;
    }
};

// Keeps the widget's place in the layout while it is hidden, so showing it
// does not make the window grow.
template <typename W>
W* keepsPlace(W* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    return widget;
}

}  // namespace

QLineEdit* Form1::slotField(int i, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QStringLiteral("TxtConfiguration(%1)").arg(i));
    field->setReadOnly(true);
    ReadOnlyLook::apply(field);
    field->installEventFilter(new ReadOnlyLook(field));
    keepToOneLine(field);
    if (const char* tip = slotToolTip(i)) {
        field->setToolTip(QString::fromUtf8(tip));
    }
    fields_[static_cast<std::size_t>(i)] = field;
    return field;
}

QCheckBox* Form1::flagBox(const char* name, const QString& caption, int slot, QWidget* parent) {
    auto* box = named(new QCheckBox(caption, parent), name);
    flagBoxes_[slot] = box;
    return box;
}

QLabel* Form1::captionLabel(const char* name, Caption caption, QWidget* parent) {
    auto* label = named(new QLabel(parent), name);
    labels_[caption] = label;
    return label;
}

QWidget* Form1::steadyCaption(const char* name, Caption caption, QWidget* parent) {
    return new SteadyLabel(captionLabel(name, caption, parent), parent);
}

QListView* Form1::list(const char* name, ListId id, QWidget* parent) {
    auto* view = named(new QListView(parent), name);
    auto* model = new DayListModel(state_.lists.get(id), view);
    view->setModel(model);
    view->setUniformItemSizes(true);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    lists_[id] = view;
    models_[id] = model;
    return view;
}

QWidget* Form1::buildConfigurationTab() {
    auto* tab = new QWidget;
    auto* root = new QVBoxLayout(tab);

    auto* frame2 = frame("Frame2", QStringLiteral("Configuración del Sistema "), tab);
    auto* grid = new QGridLayout(frame2);
    int row = 0;
    auto addRow = [&](const QString& caption, int slot) {
        fieldLabels_[static_cast<std::size_t>(slot)] = text(caption, frame2);
        grid->addWidget(fieldLabels_[static_cast<std::size_t>(slot)], row, 0);
        grid->addWidget(slotField(slot, frame2), row, 1, 1, 3);
        ++row;
    };
    addRow(QStringLiteral("Usuario:"), slot::kUser);
    addRow(QStringLiteral("Puerto:"), slot::kPort);
    addRow(QStringLiteral("Envio Local:"), slot::kSendDir);
    addRow(QStringLiteral("Recibo Local:"), slot::kReceiveDir);
    grid->addWidget(text(QStringLiteral("Folios de Archivos:"), frame2), row, 0);
    grid->addWidget(slotField(slot::kLowerFolio, frame2), row, 1);
    grid->addWidget(slotField(slot::kUpperFolio, frame2), row, 2);
    ++row;
    grid->addWidget(text(QStringLiteral("Validar Archivos:"), frame2), row++, 0);
    addRow(QStringLiteral("Enviar:"), slot::kSendLetters);
    addRow(QStringLiteral("Recibir:"), slot::kReceiveLetters);

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(flagBox("ChkPasivo", QStringLiteral("Pasivo:"), slot::kPassive, frame2));
    boxes->addWidget(
        flagBox("ChkAutoEnvio", QStringLiteral("Envio Automático"), slot::kAutoSend, frame2));
    boxes->addWidget(
        flagBox("ChkDepurarArchivos", QStringLiteral("Depurar Archivos"), slot::kPurge, frame2));
    grid->addLayout(boxes, row++, 0, 1, 4);

    auto* panelButtons = new QHBoxLayout;
    cmdServidor_ = button("CmdServidor", QStringLiteral("Servidor"), frame2);
    cmdDatosFirma_ = button("CmdDatosFirma", QStringLiteral("Datos Firma"), frame2);
    cmdRutas_ = button("CmdRutas", QStringLiteral("Rutas"), frame2);
    panelButtons->addWidget(cmdServidor_);
    panelButtons->addWidget(cmdDatosFirma_);
    panelButtons->addWidget(cmdRutas_);
    grid->addLayout(panelButtons, row++, 0, 1, 4);

    // Fields shown only through the double click on the pictures; their rows
    // stay reserved so that showing them does not grow the window.
    addRow(QStringLiteral("Host:"), slot::kHost);
    addRow(QStringLiteral("Password:"), slot::kPassword);
    addRow(QStringLiteral("Caracteres del Registros 500:"), slot::kRecord500Length);
    secretField(fields_[slot::kPassword]);
    fieldLabels_[slot::kHost]->setObjectName(QStringLiteral("LblHost"));
    fieldLabels_[slot::kPassword]->setObjectName(QStringLiteral("LblPassword"));
    fieldLabels_[slot::kRecord500Length]->setObjectName(QStringLiteral("LblRegistro500"));
    for (int i : {slot::kHost, slot::kPassword, slot::kRecord500Length}) {
        keepsPlace(fields_[static_cast<std::size_t>(i)]);
        keepsPlace(fieldLabels_[static_cast<std::size_t>(i)]);
    }
    grid->setRowStretch(row, 1);

    // The panels open beside the frame, one at a time in one reserved place,
    // so the window keeps its size whichever is open.
    auto* columns = new QHBoxLayout;
    columns->addWidget(frame2, 3);
    auto* panels = new QGridLayout;
    for (QWidget* panel : {buildServerPanel(), buildSignaturePanel(), buildRoutesPanel()}) {
        panels->addWidget(keepsPlace(panel), 0, 0, Qt::AlignTop);
    }
    columns->addLayout(panels, 2);
    root->addLayout(columns);

    auto* bottom = new QHBoxLayout;
    for (int k = 0; k < 2; ++k) {
        auto* picture = new ClickableLabel(QStringLiteral("\u2699"), tab);
        image3_[static_cast<std::size_t>(k)] = picture;
        picture->setObjectName(QStringLiteral("Image3(%1)").arg(k));
        picture->setToolTip(QStringLiteral("TORVA"));
        bottom->addWidget(picture);
    }
    bottom->addWidget(text(QStringLiteral("Procesar cada:"), tab));
    txtMin_ = named(new QLineEdit(QStringLiteral("0"), tab), "TxtMinSldControl");
    txtMin_->setMaxLength(1);
    txtMin_->setMaximumWidth(30);
    txtMin_->setToolTip(QStringLiteral("Minutos del lapso de validación"));
    txtSeg_ = named(new QLineEdit(QStringLiteral("10"), tab), "TxtSegSldControl");
    txtSeg_->setMaxLength(2);
    txtSeg_->setMaximumWidth(40);
    txtSeg_->setToolTip(QStringLiteral("Segundos del lapso de validación"));
    bottom->addWidget(txtMin_);
    bottom->addWidget(text(QStringLiteral("Min."), tab));
    bottom->addWidget(txtSeg_);
    bottom->addWidget(text(QStringLiteral("Seg."), tab));
    sldControl_ = named(new QSlider(Qt::Horizontal, tab), "SldControl");
    sldControl_->setRange(Gauges::kMinCycleSeconds, Gauges::kMaxCycleSeconds);
    sldControl_->setSingleStep(1);
    sldControl_->setPageStep(5);
    sldControl_->setTickInterval(30);
    sldControl_->setTickPosition(QSlider::TicksBelow);
    sldControl_->setToolTip(QStringLiteral("Ajustar tiempo de espera de los ciclos de busqueda"));
    bottom->addWidget(sldControl_, 1);
    root->addLayout(bottom);

    auto* patente = new QHBoxLayout;
    patente->addWidget(text(QStringLiteral("Patente:"), tab));
    patente->addWidget(captionLabel("LblPatente", Caption::LblPatente, tab));
    patente->addStretch();
    patente->addWidget(steadyCaption("Fecha", Caption::Fecha, tab));
    root->addLayout(patente);
    root->addWidget(captionLabel("LblAvisoParticular", Caption::LblAvisoParticular, tab));
    root->addStretch();
    return tab;
}

QWidget* Form1::buildServerPanel() {
    fmeServidor_ = frame("FmeServidor", QStringLiteral("Configuración Servidor de MARLO"), this);
    auto* grid = new QGridLayout(fmeServidor_);
    opnPrimario_ =
        named(new QRadioButton(QStringLiteral("Predeterminado"), fmeServidor_), "OpnPrimario");
    opnSecundario_ =
        named(new QRadioButton(QStringLiteral("Secundario"), fmeServidor_), "OpnSecundario");
    grid->addWidget(opnPrimario_, 0, 0);
    grid->addWidget(slotField(slot::kPrimaryServer, fmeServidor_), 0, 1);
    grid->addWidget(opnSecundario_, 1, 0);
    grid->addWidget(slotField(slot::kSecondaryServer, fmeServidor_), 1, 1);
    auto* notice = text(QStringLiteral("Precaución: No modifique la configuración del servidor, "
                                       "a menos que personal de TORVA lo indique, o el sistema "
                                       "lo realice automáticamente."),
                        fmeServidor_);
    notice->setWordWrap(true);
    grid->addWidget(notice, 2, 0, 1, 2);
    cmdOcultar_[0] = button("CmdFmeservidor", QStringLiteral("Ocultar"), fmeServidor_);
    grid->addWidget(cmdOcultar_[0], 3, 1, Qt::AlignRight);
    return fmeServidor_;
}

QWidget* Form1::buildSignaturePanel() {
    fmeFea_ = frame("FmeFEA", QStringLiteral(" Datos de Firma Electrónica "), this);
    auto* grid = new QGridLayout(fmeFea_);
    grid->addWidget(text(QStringLiteral("Archivo KEY:"), fmeFea_), 0, 0);
    grid->addWidget(slotField(slot::kKeyFile, fmeFea_), 0, 1);
    grid->addWidget(text(QStringLiteral("Archivo CER:"), fmeFea_), 1, 0);
    grid->addWidget(slotField(slot::kCertFile, fmeFea_), 1, 1);
    grid->addWidget(text(QStringLiteral("Contraseña:"), fmeFea_), 2, 0);
    grid->addWidget(slotField(slot::kKeyPassword, fmeFea_), 2, 1);
    secretField(fields_[slot::kKeyPassword]);
    grid->addWidget(flagBox("ChkFirmar", QStringLiteral("Firmar Archivos"), slot::kSign, fmeFea_),
                    3, 0, 1, 2);
    auto* notice = text(
        QStringLiteral("Aviso: al activar esta opción se autoriza al programa a que modifique "
                       "los archivos de validación, para cambiarle la clave del prevalidador y "
                       "agregarle la Firma Electrónica Avanzada (FEA)."),
        fmeFea_);
    notice->setWordWrap(true);
    grid->addWidget(notice, 4, 0, 1, 2);
    cmdOcultar_[1] = button("CmdOcultarfmeFEA", QStringLiteral("Ocultar"), fmeFea_);
    grid->addWidget(cmdOcultar_[1], 5, 1, Qt::AlignRight);
    return fmeFea_;
}

QWidget* Form1::buildRoutesPanel() {
    fmeRutas_ = frame("FmeRutas", QStringLiteral("Rutas Adicionales"), this);
    auto* grid = new QGridLayout(fmeRutas_);
    grid->addWidget(
        flagBox("ChkRutas", QStringLiteral("Usar rutas adicionales"), slot::kRoutes, fmeRutas_), 0,
        0, 1, 3);
    grid->addWidget(text(QStringLiteral("Envio Local:"), fmeRutas_), 1, 0);
    grid->addWidget(slotField(slot::kSendRoutes, fmeRutas_), 1, 1, 1, 2);
    auto* envioLocal = list("LstEnvioLocal", ListId::EnvioLocal, fmeRutas_);
    envioLocal->setToolTip(QStringLiteral("Rutas de Envio Local"));
    grid->addWidget(envioLocal, 2, 1);
    grid->addWidget(list("LstArchivosE", ListId::ArchivosE, fmeRutas_), 2, 2);
    grid->addWidget(text(QStringLiteral("Recibo Local:"), fmeRutas_), 3, 0);
    grid->addWidget(slotField(slot::kReceiveRoutes, fmeRutas_), 3, 1, 1, 2);
    auto* reciboLocal = list("LstReciboLocal", ListId::ReciboLocal, fmeRutas_);
    reciboLocal->setToolTip(QStringLiteral("Rutas de Recibo Local"));
    grid->addWidget(reciboLocal, 4, 1);
    grid->addWidget(list("LstArchivosR", ListId::ArchivosR, fmeRutas_), 4, 2);
    for (auto id :
         {ListId::EnvioLocal, ListId::ArchivosE, ListId::ReciboLocal, ListId::ArchivosR}) {
        lists_[id]->setMaximumHeight(70);
    }
    auto* notice = text(
        QStringLiteral("Aviso: En estos campos se separan las rutas por comas y sin espacios en "
                       "blanco, en el mismo orden que aparecen en Enviar y Recibir (ej. "
                       "m,b,c,s,...)"),
        fmeRutas_);
    notice->setWordWrap(true);
    grid->addWidget(notice, 5, 0, 1, 3);
    cmdOcultar_[2] = button("CmdOcultarFmeRutas", QStringLiteral("Ocultar"), fmeRutas_);
    grid->addWidget(cmdOcultar_[2], 6, 2, Qt::AlignRight);
    return fmeRutas_;
}

QWidget* Form1::buildStatusTab() {
    auto* tab = new QWidget;
    auto* root = new QVBoxLayout(tab);
    auto* evento = captionLabel("Evento", Caption::Evento, tab);
    evento->setFrameShape(QFrame::Panel);
    evento->setFrameShadow(QFrame::Sunken);
    root->addWidget(new SteadyLabel(evento, tab));

    auto* dayRow = new QHBoxLayout;
    dayRow->addWidget(named(text(QStringLiteral("Día Juliano"), tab), "LabelJuliano"));
    dayRow->addWidget(steadyCaption("DiaJuliano", Caption::DiaJuliano, tab));
    dayRow->addStretch();
    dayRow->addWidget(steadyCaption("Hora", Caption::Hora, tab));
    root->addLayout(dayRow);

    const QFont courier = [] {
        QFont f(QStringLiteral("Courier"));
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
        return f;
    }();
    struct DayList {
        const char* frameName;
        const char* caption;
        const char* listName;
        ListId id;
        const char* tip;
    };
    static constexpr DayList kDayLists[] = {
        {"FmeEnviados", "Enviados", "LstEnviados", ListId::Enviados,
         "Archivos enviados a Validación"},
        {"FmeRecibidos", "Recibidos", "LstRecibidos", ListId::Recibidos,
         "Archivos recibidos de TORVA"},
        {"FmePendientes", "Pendientes", "LstPendientes", ListId::Pendientes,
         "Archivos pedientes de Respuesta"},
        {"FmeRechazados", "Rechazados", "LstRechazados", ListId::Rechazados,
         "Archivos rechazados (ver motivo)"},
    };
    auto* grid = new QGridLayout;
    int k = 0;
    for (const auto& d : kDayLists) {
        auto* box = frame(d.frameName, QString::fromUtf8(d.caption), tab);
        auto* layout = new QVBoxLayout(box);
        auto* widget = list(d.listName, d.id, box);
        widget->setFont(courier);
        widget->setToolTip(QString::fromUtf8(d.tip));
        layout->addWidget(widget);
        grid->addWidget(box, k / 2, k % 2);
        ++k;
    }
    root->addLayout(grid, 1);
    auto* mensajes = list("LstMensajes", ListId::Mensajes, tab);
    mensajes->setMaximumHeight(80);
    root->addWidget(mensajes);
    progressBar_ = named(new QProgressBar(tab), "ProgressBar1");
    progressBar_->setToolTip(QStringLiteral("Tiemp transcurrido para el siguiente ciclo"));
    progressBar_->setTextVisible(false);
    root->addWidget(progressBar_);
    bindViewer();
    return tab;
}

QWidget* Form1::buildConnectionTab() {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    // "&" marks the access key that moves to the host field.
    auto* website = text(QStringLiteral("&WebSite:"), tab);
    auto* hostName = named(new QLineEdit(tab), "HostName");
    website->setBuddy(hostName);
    grid->addWidget(website, 0, 0);
    grid->addWidget(hostName, 0, 1, 1, 3);
    testButtons_ = {button("PingTest", QStringLiteral("P&rueba con TORVA"), tab),
                    button("ComdProbar", QStringLiteral("&Una Prueba"), tab),
                    button("CmdPruebas", QStringLiteral("I&niciar Prueba"), tab)};
    for (int column = 0; column < 3; ++column) {
        grid->addWidget(testButtons_[static_cast<std::size_t>(column)], 1, column);
    }
    auto* check1 = named(new QCheckBox(QStringLiteral("Síncrono"), tab), "Check1");
    check1->setToolTip(
        QStringLiteral("Modo de prueba Síncrono o Asíncrono, se recomiendo Síncrono"));
    grid->addWidget(check1, 1, 3);
    auto* output = named(new QTextEdit(tab), "PingOutPut");
    output->setReadOnly(true);
    grid->addWidget(output, 2, 0, 1, 4);
    auto counter = [&](int row, int col, const QString& caption, const char* name) {
        grid->addWidget(text(caption, tab), row, col);
        grid->addWidget(named(new QLabel(tab), name), row, col + 1);
    };
    counter(3, 0, QStringLiteral("Paquetes Enviados"), "SendLabel");
    counter(3, 2, QStringLiteral("Recibidos:"), "RecvLabel");
    counter(4, 0, QStringLiteral("Pérdida:"), "LossLabel");
    counter(4, 2, QStringLiteral("Comunicación:"), "LblResultado");
    auto* localName = captionLabel("LocalNameLabel", Caption::LocalNameLabel, tab);
    localName->setToolTip(QStringLiteral("Identificador del DNS"));
    auto* localAddress = captionLabel("LocalAddressLabel", Caption::LocalAddressLabel, tab);
    localAddress->setToolTip(QStringLiteral("Dirección IP de usuario"));
    grid->addWidget(localName, 5, 0, 1, 2);
    grid->addWidget(localAddress, 5, 2, 1, 2);
    auto* comment = captionLabel("LblComentario", Caption::LblComentario, tab);
    comment->setWordWrap(true);
    grid->addWidget(comment, 6, 0, 1, 4);
    return tab;
}

void Form1::buildWorkControls(QWidget* parent) {
    // Data holders of the logic; never shown.
    // Text boxes of the flag slots, shown through their check boxes only.
    for (int i = 0; i < slot::kCount; ++i) {
        if (!fields_[static_cast<std::size_t>(i)]) {
            slotField(i, parent)->hide();
        }
    }
    named(new QLineEdit(parent), "TxtActualizar")->hide();
    list("LstSendFiles", ListId::SendFiles, parent)->hide();
    list("LstBitacora", ListId::Bitacora, parent)->hide();
    named(new QListView(parent), "RemoteFileListBox")->hide();
    button("CmdTest", QStringLiteral("Tests"), parent)->hide();
    button("Command1", QString(), parent)->hide();
    tmrControl_ = named(new QTimer(this), "TmrControl");
    tmrControl_->setInterval(1000);
}

void Form1::buildMenus() {
    auto action = [this](QMenu* menu, const char* name, const QString& caption) {
        auto* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto* file = menuBar()->addMenu(QStringLiteral("&Programa"));
    file->setObjectName(QStringLiteral("Menu_File"));
    menuStart_ = action(file, "Menu_Start", QStringLiteral("&Iniciar"));
    auto* exit = action(file, "Menu_Exit", QStringLiteral("&Salir"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    auto* system = menuBar()->addMenu(QStringLiteral("Siste&ma"));
    system->setObjectName(QStringLiteral("Menu_SysTray"));
    menuConfigure_ = action(system, "Menu_Configure", QStringLiteral("&Configuración"));
    menuFolios_ = action(system, "Menu_Folios", QStringLiteral("C&ambiar Folios"));
    auto* save = action(system, "Menu_GuardaConf", QStringLiteral("&Guardar Configuración"));
    auto* backup = system->addMenu(QStringLiteral("&Respaldar Configuración"));
    backup->setObjectName(QStringLiteral("Menu_RespaldaConf"));
    auto* hazRespaldo = action(backup, "Menu_HaceRespaldo", QStringLiteral("&Hacer Respaldo"));
    auto* recupera = action(backup, "Menu_RecuperaConf", QStringLiteral("Recuperar Configuración"));

    auto* tools = menuBar()->addMenu(QStringLiteral("&Utilerias"));
    tools->setObjectName(QStringLiteral("utilerias"));
    // Open during a pass too: their writes wait for its end.
    action(tools, "SolicitaArchivo", QStringLiteral("S&olicitar Archivo"));
    action(tools, "EliminarBuscqueda", QStringLiteral("Eliminar Busqueda"));
    // What would change the files, folders or settings a running pass works on.
    passLocked_ = {menuConfigure_, menuFolios_, save, hazRespaldo, recupera};

    auto* help = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    help->setObjectName(QStringLiteral("Menu_Help"));
    auto* about = action(help, "Menu_About", QStringLiteral("Acerca de..."));
    connect(about, &QAction::triggered, this, &Form1::showAbout);

    connect(menuConfigure_, &QAction::triggered, this,
            [this] { AlternaEdicion(state_.profiles(ports_.dialogs)); });
    connect(save, &QAction::triggered, this,
            [this] { GuardaConfiguracion(state_, ports_.dialogs); });
}

}  // namespace torva::ui
