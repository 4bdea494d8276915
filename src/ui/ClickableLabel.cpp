#include "ui/ClickableLabel.h"

namespace torva::ui {

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

}  // namespace torva::ui
