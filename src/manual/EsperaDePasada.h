#pragma once

#include <functional>
#include <vector>

#include "state/CycleState.h"

namespace torva {

// The manual windows' writes to the pending folder wait while a pass runs:
// the pass looks for the markers it listed when it began and deletes those
// whose response arrives, so a marker made or deleted under it would be
// missed or reported as a failure. Held writes run, in the order given, as
// soon as the pass ends, and are not lost when their window closes.
class EsperaDePasada {
  public:
    // What the operator is told once a write is done.
    using Informe = std::function<void()>;
    // Makes the change on disk and says how to report it.
    using Escritura = std::function<Informe()>;

    explicit EsperaDePasada(const CycleState& cycle) : cycle_(cycle) {}

    // No pass runs: the write runs and is reported now. A pass runs: the
    // write is held; true then.
    bool escribe(Escritura escritura);

    // The pass has ended: the held writes run, all of them before any
    // report, and their reports are returned for the caller to show outside
    // the operation that ended the pass.
    std::vector<Informe> finDePasada();

    bool enEspera() const { return !held_.empty(); }

  private:
    const CycleState& cycle_;
    std::vector<Escritura> held_;
};

}  // namespace torva
