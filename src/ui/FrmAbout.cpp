#include "ui/FrmAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ProgramDirectory.h"

namespace torva::ui {
namespace {

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    return l;
}

}  // namespace

QString FrmAbout::applicationTitle() {
    return QStringLiteral("MARLOVAL - Sistema de Comunicación Segura");
}

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Acerca de ") + applicationTitle());

    auto* root = new QVBoxLayout(this);
    auto* title = label("lblTitle", applicationTitle(), this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    title->setFont(big);
    root->addWidget(title);
    root->addWidget(label("lblVersion",
                          QStringLiteral("Version %1.%2.%3")
                              .arg(TORVA_VERSION_MAJOR)
                              .arg(TORVA_VERSION_MINOR)
                              .arg(TORVA_VERSION_PATCH),
                          this));
    root->addWidget(
        label("lblDescription", QStringLiteral("Sistema de Comunicación Segura  -  TCP/IP"), this));
    root->addWidget(label(
        "lblDisclaimer",
        QStringLiteral("Advertencia: este programa es para uso exclusivo de los agentes y "
                       "apoderados aduanales usuarios de TORVA Centro de Prevalidación. Su uso, "
                       "copia o distribución sin autorización están prohibidos."),
        this));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("CmdOk"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    root->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(sysInfo, &QPushButton::clicked, this, &FrmAbout::startSystemInfo);
}

void FrmAbout::startSystemInfo() {
    const QString program = QString::fromStdString(systemInfoProgram());
    if (program.isEmpty() || !QProcess::startDetached(program, {})) {
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("System Information Is Unavailable At This Time"),
                                 QMessageBox::Ok);
    }
}

}  // namespace torva::ui
