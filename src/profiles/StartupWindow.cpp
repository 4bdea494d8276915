#include "profiles/StartupWindow.h"

#include "platform/FileSystem.h"
#include "profiles/ErrorText.h"
#include "profiles/OneLine.h"

namespace torva {
namespace {

// The first n characters of UTF-8 text, never cutting one in two.
std::string firstChars(const std::string& text, std::size_t n) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && count++ == n) {
            return text.substr(0, i);
        }
    }
    return text;
}

}  // namespace

StartupWindow::StartupWindow(ProfileStore store, OperatorDialogs& dialogs)
    : store_(std::move(store)), dialogs_(dialogs) {}

void StartupWindow::load() {
    keys_.clear();
    selected_.reset();
    listUnreadable_ = false;
    if (!store_.listExists()) {
        height_ = kFirstProfileHeight;
        profileCommandsEnabled_ = false;
    } else if (auto ec = store_.readKeys(keys_)) {
        // Writing a list that could not be read would lose the profiles in it.
        keys_.clear();
        listUnreadable_ = true;
        profileCommandsEnabled_ = false;
        acceptEnabled_ = false;
        height_ = kCollapsedHeight;
        reportListError(ec);
    } else {
        if (!keys_.empty()) {
            selected_ = keys_.size() - 1;
        }
        height_ = kCollapsedHeight;
        profileCommandsEnabled_ = true;
    }
    selectionChanged_ = false;
    changed();
}

void StartupWindow::select(std::size_t index) {
    if (index < keys_.size()) {
        selected_ = index;
        selectionChanged_ = true;
        changed();
    }
}

void StartupWindow::setNewKey(std::string key) {
    newKey_ = firstChars(oneLine(key), kMaxKeyLength);
    acceptEnabled_ = !listUnreadable_;
    changed();
}

void StartupWindow::CmdCrearPatente() {
    if (listUnreadable_) {
        return;
    }
    height_ = kCreateHeight;
    changed();
}

void StartupWindow::CmdAceptar() {
    if (listUnreadable_) {
        return;
    }
    if (newKey_.empty()) {
        showCritical(dialogs_,
                     "No es posible crear un usuario si no se proporciona la clave para "
                     "referenciarlo.");
        return;
    }
    if (keys_.size() >= kMaxProfiles) {
        showCritical(dialogs_, "No es posible crear más de 256 patentes en esta instalación.");
        return;
    }
    std::vector<std::string> keys = profileCommandsEnabled_ ? keys_ : std::vector<std::string>{};
    keys.push_back(newKey_);
    if (auto ec = store_.writeKeys(keys)) {
        reportListError(ec);
        return;
    }
    keys_ = std::move(keys);
    selected_ = keys_.size() - 1;
    profileCommandsEnabled_ = true;
    height_ = kCollapsedHeight;
    changed();
}

std::optional<std::size_t> StartupWindow::CmdEntrar() {
    if (!selected_) {
        showCritical(dialogs_, "Selecione Patente");
        return std::nullopt;
    }
    const bool moves = selectionChanged_ && *selected_ + 1 < keys_.size();
    // Refused before anything moves: the index the main window gets must fit in a byte.
    if ((moves ? keys_.size() - 1 : *selected_) >= kMaxProfiles) {
        showCritical(dialogs_,
                     "La patente seleccionada está fuera de las 256 que admite esta "
                     "instalación; elimine las patentes que no use.");
        return std::nullopt;
    }
    if (moves) {
        MuevePatenteAlFinal();
    }
    return selected_;
}

void StartupWindow::MuevePatenteAlFinal() {
    const std::size_t s = *selected_;
    const std::size_t last = keys_.size() - 1;
    if (!pathExists(store_.configPath(s)) || !pathExists(store_.configPath(last))) {
        showCritical(dialogs_,
                     "No se encontró uno o más archivos de configuración de las patentes. "
                     "Comuníquese al Centro de Prevalidación TORVA.");
        return;
    }
    const std::string what = "reordenar los archivos de configuración";
    const ProfileChange swap = store_.swapConfigFiles(s, last, keys_.size());
    if (swap.outcome != ChangeOutcome::Done) {
        reportChange(swap, what);
        return;
    }
    std::vector<std::string> keys = keys_;
    std::swap(keys[s], keys[last]);
    if (auto ec = store_.writeKeys(keys)) {
        // Put the files back so keys and files still match.
        ProfileChange back = store_.swapConfigFiles(s, last, keys_.size());
        if (back.outcome == ChangeOutcome::Done) {
            back = {ChangeOutcome::Unchanged, ec, {}};
        } else {
            back.detail =
                "La lista de patentes no cambió (" + errorText(ec) + ") y los archivos no " +
                "se pudieron regresar a su lugar: " +
                (back.outcome == ChangeOutcome::Unchanged
                     ? "\"" + store_.configPath(s) + "\" tiene la configuración de " + keys_[last] +
                           " y \"" + store_.configPath(last) + "\" la de " + keys_[s] + "."
                     : back.detail);
            back.outcome = ChangeOutcome::Partial;
        }
        reportChange(back, "grabar la lista de patentes \"" + store_.listPath() + "\"");
        return;
    }
    if (swap.error) {
        reportChange(swap, what);
    }
    keys_ = std::move(keys);
    selected_ = last;
    changed();
}

void StartupWindow::CmdEliminarPatente() {
    if (!selected_ || !profileCommandsEnabled_) {
        showCritical(dialogs_, "Selecione Patente");
        return;
    }
    const std::string key = keys_[*selected_];
    if (!askYesNo(dialogs_,
                  "Precaución al borrar la patente: " + key +
                      " se eliminará el archivo de configuración que corresponde a la patente. "
                      "Desea continuar?",
                  "TORVA Centro de Prevalidación  - Confirmar")) {
        return;
    }
    std::vector<std::string> keys = keys_;
    const ProfileChange change = store_.removeProfile(keys, *selected_);
    reportChange(change, "eliminar la patente " + key);
    load();
}

void StartupWindow::changed() const {
    if (changed_) {
        changed_();
    }
}

void StartupWindow::reportListError(const std::error_code& ec) {
    showCritical(dialogs_, "No fue posible leer o grabar la lista de patentes \"" +
                               store_.listPath() + "\": " + errorText(ec) + ".");
}

void StartupWindow::reportChange(const ProfileChange& change, const std::string& what) {
    const std::string detail = change.detail.empty() ? "" : " (" + change.detail + ")";
    switch (change.outcome) {
        case ChangeOutcome::Done:
            if (change.error) {
                showCritical(dialogs_, "Se terminó de " + what + ", pero " + change.detail +
                                           " Causa: " + errorText(change.error) + ".");
            }
            return;
        case ChangeOutcome::Unchanged:
            showCritical(dialogs_, "No fue posible " + what + detail + ": " +
                                       errorText(change.error) + ". No se realizó ningún cambio.");
            return;
        case ChangeOutcome::Partial:
            showCritical(dialogs_, "No fue posible " + what + ": " + errorText(change.error) +
                                       ". " + change.detail +
                                       " Comuníquese al Centro de Prevalidación TORVA.");
            return;
    }
}

}  // namespace torva
