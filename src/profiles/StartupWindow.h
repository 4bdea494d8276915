#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/OperatorDialogs.h"
#include "profiles/ProfileStore.h"

namespace torva {

// The logic of the start-up window `FrmEntrada`: pick, create or delete a
// patente profile and enter. The Qt window shows this state.
class StartupWindow {
  public:
    // Window heights in twips.
    static constexpr int kCollapsedHeight = 1620;
    static constexpr int kCreateHeight = 2910;
    static constexpr int kFirstProfileHeight = 2925;
    static constexpr std::size_t kMaxKeyLength = 15;

    StartupWindow(ProfileStore store, OperatorDialogs& dialogs);

    // Loading the window (also after a deletion).
    void load();

    const std::vector<std::string>& keys() const { return keys_; }
    std::optional<std::size_t> selected() const { return selected_; }
    int height() const { return height_; }
    bool creationAreaVisible() const { return height_ != kCollapsedHeight; }
    bool profileCommandsEnabled() const { return profileCommandsEnabled_; }
    // False while the list exists but cannot be read: nothing may write it.
    bool creationEnabled() const { return !listUnreadable_; }
    bool acceptEnabled() const { return acceptEnabled_; }
    const std::string& newKey() const { return newKey_; }

    // `CboPatentes`: the operator picks an entry.
    void select(std::size_t index);
    // `TxtPatente` changes; control characters are dropped and the text is
    // cut to 15 characters.
    void setNewKey(std::string key);

    void CmdCrearPatente();
    void CmdAceptar();
    // Returns the profile index to enter, or nothing when entering is refused.
    std::optional<std::size_t> CmdEntrar();
    void CmdEliminarPatente();

    // Moves the selected profile to the end of the list with its file.
    void MuevePatenteAlFinal();

    // Called by the view after any change.
    void setChangedCallback(std::function<void()> callback) { changed_ = std::move(callback); }

  private:
    void changed() const;
    void reportListError(const std::error_code& ec);
    void reportChange(const ProfileChange& change, const std::string& what);

    ProfileStore store_;
    OperatorDialogs& dialogs_;
    std::vector<std::string> keys_;
    std::optional<std::size_t> selected_;
    bool selectionChanged_ = false;
    bool profileCommandsEnabled_ = true;
    bool listUnreadable_ = false;
    bool acceptEnabled_ = false;
    int height_ = kCollapsedHeight;
    std::string newKey_;
    std::function<void()> changed_;
};

}  // namespace torva
