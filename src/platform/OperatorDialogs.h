#pragma once

#include <string>
#include <vector>

// What the core asks of the operator: message boxes, beeps, the busy cursor
// and the error window. The Qt windows implement it; tests script it.
namespace torva {

inline constexpr const char* kAppTitle = "TORVA Centro de Prevalidación";

enum class DialogIcon { None, Critical, Exclamation, Question, Information };
enum class DialogButtons { Ok, YesNo };
enum class DialogAnswer { Ok, Yes, No };

// The logic behind the modal file-selection window: its rows and what each
// button does. The window shows the rows, keeps the selection and calls back.
class FileSelection {
  public:
    virtual ~FileSelection() = default;
    virtual const std::vector<std::string>& rows() const = 0;
    // The select-all button: changes the selection; returns its new caption.
    virtual std::string selectAll(std::vector<bool>& selected) = 0;
    // The send button; true when the window closes.
    virtual bool send(const std::vector<bool>& selected) = 0;
    virtual void refresh() = 0;
    virtual void cancel() = 0;
    // The window closes, by any way.
    virtual void closed() = 0;
};

class OperatorDialogs {
  public:
    virtual ~OperatorDialogs() = default;

    // A modal message box; lines of the text are separated by "\r".
    virtual DialogAnswer message(const std::string& title, const std::string& text, DialogIcon icon,
                                 DialogButtons buttons) = 0;
    virtual void beep() = 0;
    // Arrow-and-hourglass pointer while busy.
    virtual void setBusy(bool busy) = 0;
    // The self-closing window that explains an FTP component result code.
    virtual void showComponentError(int code) = 0;
    // Opens the file-selection window modally and returns when it has closed.
    // Without a window it closes at once, as by its close box.
    virtual void chooseFiles(FileSelection& selection) {
        selection.cancel();
        selection.closed();
    }
};

// The usual error box: the system's title, the critical icon and OK.
inline void showCritical(OperatorDialogs& dialogs, const std::string& text) {
    dialogs.message(kAppTitle, text, DialogIcon::Critical, DialogButtons::Ok);
}

// A Yes/No question where only Yes proceeds.
inline bool askYesNo(OperatorDialogs& dialogs, const std::string& text,
                     const std::string& title = kAppTitle) {
    return dialogs.message(title, text, DialogIcon::Question, DialogButtons::YesNo) ==
           DialogAnswer::Yes;
}

// Shows the busy pointer for the lifetime of the guard.
class BusyCursor {
  public:
    explicit BusyCursor(OperatorDialogs& dialogs) : dialogs_(dialogs) { dialogs_.setBusy(true); }
    ~BusyCursor() { dialogs_.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    OperatorDialogs& dialogs_;
};

}  // namespace torva
