#pragma once

#include <string>

#include "cycle/CycleContext.h"

namespace torva {

// The status line at the end of a pass with failures: how many files failed
// and the first of them. Empty for a pass without failures.
std::string reporteFallas(const PassFaults& faults);

// `Evento` shows such a report: the countdown leaves it in place until a
// pass without failures replaces it.
bool muestraReporteFallas(const Captions& captions);

}  // namespace torva
