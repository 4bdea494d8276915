#include "support/ScriptedDialogs.h"

namespace torva::test {

DialogAnswer ScriptedDialogs::message(const std::string& title, const std::string& text,
                                      DialogIcon icon, DialogButtons buttons) {
    shown.push_back({title, text, icon, buttons});
    if (whileShown) {
        whileShown();
    }
    if (buttons == DialogButtons::Ok) {
        return DialogAnswer::Ok;
    }
    if (answers_.empty()) {
        return DialogAnswer::No;
    }
    const DialogAnswer a = answers_.front();
    answers_.pop_front();
    return a;
}

void ScriptedDialogs::chooseFiles(FileSelection& selection) {
    ++fileSelections;
    if (onChooseFiles) {
        onChooseFiles(selection);
    } else {
        OperatorDialogs::chooseFiles(selection);
    }
}

std::vector<std::string> ScriptedDialogs::texts() const {
    std::vector<std::string> out;
    for (const auto& s : shown) {
        out.push_back(s.text);
    }
    return out;
}

}  // namespace torva::test
