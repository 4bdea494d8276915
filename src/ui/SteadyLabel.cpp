#include "ui/SteadyLabel.h"

#include <QEvent>
#include <QLabel>

namespace torva::ui {

SteadyLabel::SteadyLabel(QLabel* label, QWidget* parent) : QWidget(parent), label_(label) {
    label_->setParent(this);
    setSizePolicy(label_->sizePolicy());
}

QSize SteadyLabel::sizeHint() const {
    room_ = room_.expandedTo(label_->sizeHint());
    return room_;
}

QSize SteadyLabel::minimumSizeHint() const {
    // Narrower than its text when the window is: the text is cut, the
    // window is not widened by it.
    return {0, sizeHint().height()};
}

bool SteadyLabel::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::LayoutRequest:  // the label's text or font changed
            makeRoom();
            return true;
        case QEvent::Show:  // changes made while hidden were not told
            makeRoom();
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void SteadyLabel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    label_->setGeometry(rect());
}

void SteadyLabel::makeRoom() {
    const QSize wanted = label_->sizeHint();
    if (wanted.width() > room_.width() || wanted.height() > room_.height()) {
        updateGeometry();
    }
}

}  // namespace torva::ui
