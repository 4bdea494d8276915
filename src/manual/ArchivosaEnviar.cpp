#include "manual/ArchivosaEnviar.h"

#include <algorithm>

#include "names/SentRegistry.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace torva {

ArchivosaEnviar::ArchivosaEnviar(Lists& lists, CycleState& cycle, OperatorDialogs& dialogs,
                                 std::string sendDirectory)
    : lists_(lists),
      cycle_(cycle),
      dialogs_(dialogs),
      sendDirectory_(std::move(sendDirectory)),
      lstEnviar_(lists.get(ListId::SendFiles)) {
    cycle_.txtActualizar = "0";
}

std::string ArchivosaEnviar::selectAll(std::vector<bool>& selected) {
    selected.resize(lstEnviar_.size(), false);
    if (lstEnviar_.empty()) {
        return "Todos";
    }
    const bool all = std::all_of(selected.begin(), selected.end(), [](bool s) { return s; });
    std::fill(selected.begin(), selected.end(), !all);
    return all ? "Todos" : "Ninguno";
}

bool ArchivosaEnviar::send(const std::vector<bool>& selected) {
    cycle_.txtActualizar = "0";
    lists_.clear(ListId::SendFiles);
    std::vector<std::string> chosen;
    bool anyLeft = false;
    for (std::size_t i = 0; i < lstEnviar_.size(); ++i) {
        if (i < selected.size() && selected[i]) {
            chosen.push_back(lstEnviar_[i]);
        } else {
            lstNoEnviar_.push_back(lstEnviar_[i]);
            anyLeft = true;
        }
    }
    lists_.set(ListId::SendFiles, chosen);
    if (anyLeft) {
        if (chosen.empty() && askYesNo(dialogs_, kPreguntaVolver, kTituloSinAcento)) {
            return false;
        }
        if (askYesNo(dialogs_, kPreguntaBorrar, kTituloSinAcento)) {
            registraNoEnviados();
        }
    }
    keepSelection_ = true;
    keepRefresh_ = false;
    return true;
}

// One registry line per dropped row, the registry opened for each. A row
// gathered at an earlier attempt and chosen now is left out: its line would
// keep the file from being sent again should its upload fail.
void ArchivosaEnviar::registraNoEnviados() {
    const std::vector<std::string>& chosen = lists_.get(ListId::SendFiles);
    const std::string registry = joinPath(sendDirectory_, "bitacora");
    for (const std::string& name : lstNoEnviar_) {
        if (std::find(chosen.begin(), chosen.end(), name) != chosen.end()) {
            continue;
        }
        // A file gone since the scan has no time to record.
        const auto modified = modificationTime(joinPath(sendDirectory_, name));
        if (modified && appendRegistryLine(registry, name, *modified)) {
            showCritical(dialogs_, "No se pudo escribir en " + registry + " el archivo " + name +
                                       "; se volverá a presentar en la lista.");
        }
    }
}

void ArchivosaEnviar::refresh() {
    keepRefresh_ = true;
    cycle_.txtActualizar = "1";
}

void ArchivosaEnviar::cancel() {
    keepRefresh_ = false;
    keepSelection_ = false;
    cycle_.txtActualizar = "0";
}

void ArchivosaEnviar::closed() {
    if (!keepRefresh_) {
        cycle_.txtActualizar = "0";
    }
    if (!keepSelection_) {
        lists_.clear(ListId::SendFiles);
    }
}

}  // namespace torva
