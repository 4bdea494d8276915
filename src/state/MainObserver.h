#pragma once

// The main window's state tells its view what changed through this interface;
// the view never polls. Every call has an empty default.
namespace torva {

// Lists held by the main window.
enum class ListId {
    Enviados,
    Recibidos,
    Pendientes,
    Rechazados,
    Mensajes,
    ArchivosE,
    ArchivosR,
    EnvioLocal,
    ReciboLocal,
    SendFiles,
    Bitacora,
};
inline constexpr int kListCount = 11;

// Labels and captions whose text the logic sets.
enum class Caption {
    Title,
    Evento,
    Fecha,
    LblPatente,
    DiaJuliano,
    Hora,
    LocalNameLabel,
    LocalAddressLabel,
    LblAvisoParticular,
    LblDespliega,
    StartButton,
    MenuFolios,
    LblComentario,
};
inline constexpr int kCaptionCount = 13;

class MainObserver {
  public:
    virtual ~MainObserver() = default;
    virtual void slotChanged(int /*slot*/) {}
    // One entry added at the end of a list.
    virtual void listAppended(ListId) {}
    // The entry at index removed; the later ones moved up.
    virtual void listRemoved(ListId, int /*index*/) {}
    // A list cleared or given new entries.
    virtual void listReset(ListId) {}
    // The selected entry or the background colour of a list.
    virtual void listLookChanged(ListId) {}
    virtual void captionChanged(Caption) {}
    // Edit mode, panels, hidden fields, server choice.
    virtual void editStateChanged() {}
    // Progress bar and cycle-length slider.
    virtual void gaugesChanged() {}
    // A tab of `SSTab1` comes to the front.
    virtual void showTab(int /*tab*/) {}
    // The test buttons `PingTest`, `CmdPruebas` and `ComdProbar`.
    virtual void testsEnabledChanged() {}
    // A pass began or ended.
    virtual void passChanged() {}
    // The colours of the notice ticker `LblDespliega`.
    virtual void tickerColourChanged() {}
};

}  // namespace torva
