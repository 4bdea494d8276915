#pragma once

class QLineEdit;

namespace torva::ui {

// Pasted or typed text keeps to one line: line breaks and other control
// characters never reach the field's text.
void keepToOneLine(QLineEdit* field);

}  // namespace torva::ui
