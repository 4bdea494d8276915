#include "ui/CommandButton.h"

#include <QPushButton>

namespace torva::ui {

QPushButton* commandButton(const char* objectName, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}

}  // namespace torva::ui
