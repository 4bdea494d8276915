#pragma once

#include <QWidget>

class QLabel;

namespace torva::ui {

// Holds a one-line label whose text changes often (the status line, the
// clock) so that a new text repaints the label alone. A label placed in a
// layout has the window laid out again at each new text, and its tab
// repainted whole. The holder keeps the room of the longest text it has
// shown and asks for a new layout only when a text needs more.
class SteadyLabel final : public QWidget {
  public:
    // Takes label as its child.
    SteadyLabel(QLabel* label, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Asks for more room when the label's text does not fit in what it has.
    void makeRoom();

    QLabel* label_;
    mutable QSize room_;
};

}  // namespace torva::ui
