#include "cycle/FallasPasada.h"

namespace torva {
namespace {

constexpr const char* kPrefijo = "ERROR: ";
constexpr const char* kQueFallo = " enviar o recibir";

}  // namespace

std::string reporteFallas(const PassFaults& faults) {
    if (faults.failed == 0) {
        return {};
    }
    if (faults.failed == 1) {
        return std::string(kPrefijo) + "1 archivo no se pudo" + kQueFallo + ": " +
               faults.firstFailed;
    }
    return std::string(kPrefijo) + std::to_string(faults.failed) + " archivos no se pudieron" +
           kQueFallo + ", el primero " + faults.firstFailed;
}

bool muestraReporteFallas(const Captions& captions) {
    const std::string& evento = captions.get(Caption::Evento);
    return evento.rfind(kPrefijo, 0) == 0 && evento.find(kQueFallo) != std::string::npos;
}

}  // namespace torva
