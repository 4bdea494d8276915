#pragma once

#include <string>
#include <vector>

#include "platform/OperatorDialogs.h"
#include "state/CycleState.h"
#include "state/Lists.h"

namespace torva {

inline constexpr const char* kPreguntaBorrar =
    "¿Deseas borrar de la lista los archivos no seleccionados?";
inline constexpr const char* kPreguntaVolver =
    "No has seleccionado ningun archivo ¿Deseas volver a la lista para seleccionar archivos?";
// The selection window's questions carry the title without its accent.
inline constexpr const char* kTituloSinAcento = "TORVA Centro de Prevalidacion";

// The logic of the window `FrmArchivosaEnviar`: the operator picks which of
// the queued files (`LstSendFiles`) go out in this pass. On close
// `LstSendFiles` holds exactly the files to send and `TxtActualizar` says
// whether a new pass was asked for. Dropped files get a registry line.
class ArchivosaEnviar final : public FileSelection {
  public:
    // The window loads: `LstEnviar` gets the queue, `TxtActualizar` "0".
    ArchivosaEnviar(Lists& lists, CycleState& cycle, OperatorDialogs& dialogs,
                    std::string sendDirectory);

    const std::vector<std::string>& rows() const override { return lstEnviar_; }
    // `CmdSelectAll`: all selected -> none ("Todos"); otherwise all ("Ninguno").
    std::string selectAll(std::vector<bool>& selected) override;
    // `CmdEnviarArchivos`; false when the operator goes back to the list.
    bool send(const std::vector<bool>& selected) override;
    // `CmdActualizar`.
    void refresh() override;
    // `CmdCancelar`.
    void cancel() override;
    void closed() override;

    const std::vector<std::string>& lstNoEnviar() const { return lstNoEnviar_; }

  private:
    void registraNoEnviados();

    Lists& lists_;
    CycleState& cycle_;
    OperatorDialogs& dialogs_;
    std::string sendDirectory_;
    std::vector<std::string> lstEnviar_;
    std::vector<std::string> lstNoEnviar_;
    bool keepRefresh_ = false;
    bool keepSelection_ = false;
};

}  // namespace torva
