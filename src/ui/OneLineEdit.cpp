#include "ui/OneLineEdit.h"

#include <QLineEdit>
#include <QValidator>

namespace torva::ui {
namespace {

bool isControl(QChar c) {
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

class OneLineValidator final : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        for (qsizetype i = input.size(); i-- > 0;) {
            if (isControl(input.at(i))) {
                input.remove(i, 1);
                if (i < pos) {
                    --pos;
                }
            }
        }
        return Acceptable;
    }
};

}  // namespace

void keepToOneLine(QLineEdit* field) {
    field->setValidator(new OneLineValidator(field));
}

}  // namespace torva::ui
