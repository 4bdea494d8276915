#pragma once

#include "state/Observed.h"

namespace torva {

enum class ServerOption { Primario, Secundario };
enum class Panel { None, Servidor, Fea, Rutas };

// How the configuration tab is shown: edit mode, the open panel, the hidden
// fields and the chosen server.
class EditState : public Observed {
  public:
    bool editing() const { return editing_; }
    void setEditing(bool on);

    // Folio slots 5 and 6 become editable only through the folio change.
    bool folioUnlocked() const { return folioUnlocked_; }
    void setFolioUnlocked(bool on);

    // Slots 0 and 2 with their labels; slot 17 shows only with the toggle.
    bool hiddenFieldsVisible() const { return hiddenFieldsVisible_; }
    bool record500Visible() const { return record500Visible_; }
    void setHiddenFieldsVisible(bool on);
    // The missing-file path shows slots 0 and 2 only.
    void showHostAndPassword();

    Panel panel() const { return panel_; }
    void setPanel(Panel panel);

    ServerOption server() const { return server_; }
    void setServer(ServerOption option);

    // Whether configuration slot i accepts typing now.
    bool slotEditable(int slot) const;
    const char* configureCaption() const;

  private:
    void changed() const;
    bool editing_ = false;
    bool folioUnlocked_ = false;
    bool hiddenFieldsVisible_ = false;
    bool record500Visible_ = false;
    Panel panel_ = Panel::None;
    ServerOption server_ = ServerOption::Primario;
};

}  // namespace torva
