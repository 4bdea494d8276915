#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/OperatorDialogs.h"

namespace torva::test {

// Records what the logic shows the operator and answers questions from a
// script (No when the script is empty).
class ScriptedDialogs final : public OperatorDialogs {
  public:
    struct Shown {
        std::string title;
        std::string text;
        DialogIcon icon;
        DialogButtons buttons;
    };

    void answer(DialogAnswer a) { answers_.push_back(a); }

    DialogAnswer message(const std::string& title, const std::string& text, DialogIcon icon,
                         DialogButtons buttons) override;
    void beep() override { ++beeps; }
    void setBusy(bool busy) override { busy ? ++busyDepth : --busyDepth; }
    void showComponentError(int code) override { componentErrors.push_back(code); }
    // Runs onChooseFiles as the operator at the window (the close box when unset).
    void chooseFiles(FileSelection& selection) override;

    std::function<void(FileSelection&)> onChooseFiles;
    int fileSelections = 0;

    // Runs while a message box is open, as the event loop would run timers.
    std::function<void()> whileShown;

    std::vector<Shown> shown;
    std::vector<int> componentErrors;
    int beeps = 0;
    int busyDepth = 0;

    // Texts of the boxes shown, in order.
    std::vector<std::string> texts() const;

  private:
    std::deque<DialogAnswer> answers_;
};

}  // namespace torva::test
