#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace torva::ui {

// A dialog's command button, found by its object name; Return in the
// dialog's fields does not press it.
QPushButton* commandButton(const char* objectName, const QString& caption, QWidget* parent);

}  // namespace torva::ui
