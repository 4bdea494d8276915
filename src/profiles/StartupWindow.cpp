#include "profiles/StartupWindow.h"

#include "platform/FileSystem.h"

namespace torva {

StartupWindow::StartupWindow(ProfileStore store, OperatorDialogs& dialogs)
    : store_(std::move(store)), dialogs_(dialogs) {}

void StartupWindow::load() {
    keys_.clear();
    selected_.reset();
    if (!store_.listExists()) {
        height_ = kFirstProfileHeight;
        profileCommandsEnabled_ = false;
    } else {
        if (auto ec = store_.readKeys(keys_)) {
            reportListError(ec);
        }
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
    if (key.size() > kMaxKeyLength) {
        key.resize(kMaxKeyLength);
    }
    newKey_ = std::move(key);
    acceptEnabled_ = true;
    changed();
}

void StartupWindow::CmdCrearPatente() {
    height_ = kCreateHeight;
    changed();
}

void StartupWindow::CmdAceptar() {
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
    if (selectionChanged_ && *selected_ + 1 < keys_.size()) {
        MuevePatenteAlFinal();
    }
    if (*selected_ >= kMaxProfiles) {
        showCritical(dialogs_,
                     "La patente seleccionada está fuera de las 256 que admite esta "
                     "instalación; elimine las patentes que no use.");
        return std::nullopt;
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
    if (auto ec = store_.swapConfigFiles(s, last, keys_.size())) {
        showCritical(dialogs_, "No fue posible reordenar los archivos de configuración: " +
                                   ec.message() + ". No se realizó ningún cambio.");
        return;
    }
    std::vector<std::string> keys = keys_;
    std::swap(keys[s], keys[last]);
    if (auto ec = store_.writeKeys(keys)) {
        // Put the files back so keys and files still match.
        store_.swapConfigFiles(s, last, keys_.size());
        reportListError(ec);
        return;
    }
    keys_ = std::move(keys);
    selected_ = last;
    changed();
}

void StartupWindow::CmdEliminarPatente() {
    if (!selected_) {
        showCritical(dialogs_, "Selecione Patente");
        return;
    }
    const std::string& key = keys_[*selected_];
    if (!askYesNo(dialogs_,
                  "Precaución al borrar la patente: " + key +
                      " se eliminará el archivo de configuración que corresponde a la patente. "
                      "Desea continuar?",
                  "TORVA Centro de Prevalidación  - Confirmar")) {
        return;
    }
    std::vector<std::string> keys = keys_;
    if (auto ec = store_.removeProfile(keys, *selected_)) {
        showCritical(dialogs_, "No fue posible eliminar la patente por completo: " + ec.message() +
                                   ". Revise los archivos de configuración.");
    }
    load();
}

void StartupWindow::changed() const {
    if (changed_) {
        changed_();
    }
}

void StartupWindow::reportListError(const std::error_code& ec) {
    showCritical(dialogs_, "No fue posible leer o grabar la lista de patentes \"" +
                               store_.listPath() + "\": " + ec.message());
}

}  // namespace torva
