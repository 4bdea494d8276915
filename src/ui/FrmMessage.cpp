#include "ui/FrmMessage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include "platform/OperatorDialogs.h"
#include "transport/DescripcionError.h"

namespace torva::ui {
namespace {

constexpr int kTicksShown = 20;

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

}  // namespace

FrmMessage::FrmMessage(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmMessage"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QString::fromUtf8(kAppTitle));

    auto* picture = label("Image1", {}, this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(48, 48));
    lblErrorCve_ = label("LblErrorCve", {}, this);
    lblError_ = label("LblError", {}, this);
    lblError_->setWordWrap(true);
    lblError_->setMinimumWidth(360);
    auto* cmdOk = new QPushButton(QStringLiteral("&Aceptar"), this);
    cmdOk->setObjectName(QStringLiteral("CmdOk"));
    cmdOk->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(label("LblTituloError", QStringLiteral("Error:"), this), 0, 0);
    grid->addWidget(lblErrorCve_, 0, 1);
    grid->addWidget(label("LblTituloDescripcion", QStringLiteral("Descripción:"), this), 1, 0,
                    Qt::AlignTop);
    grid->addWidget(lblError_, 1, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(picture, 0, Qt::AlignTop);
    body->addLayout(grid, 1);
    auto* root = new QVBoxLayout(this);
    root->addLayout(body);
    root->addWidget(cmdOk, 0, Qt::AlignRight);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &FrmMessage::Timer1_Timer);
    connect(cmdOk, &QPushButton::clicked, this, &QWidget::close);
    timer1_->start();
}

void FrmMessage::Timer1_Timer() {
    if (ticks_ >= kTicksShown) {
        timer1_->stop();
        close();
        return;
    }
    if (ticks_ == 0) {
        lblErrorCve_->setText(QString::number(CodigoError));
        lblError_->setText(QString::fromStdString(DescripcionError(CodigoError)));
        // The window was laid out for empty labels: make room for the whole text.
        layout()->activate();
        resize(size().expandedTo(sizeHint()));
    }
    ++ticks_;
    setWindowTitle(QString::fromUtf8(kAppTitle) + QStringLiteral(" Este mensaje desaparecerá en ") +
                   QString::number(kTicksShown - ticks_) + QStringLiteral(" Seg."));
}

}  // namespace torva::ui
