// The split of a signed file into its content and its closing records.
// Properties: content and records put back together are the file; a content
// the library agrees to sign (one that does not end in a line of
// closing-record form) splits back from its signed file exactly as it was
// signed; every CURP found is one of its fields; the scan in pieces finds
// what the whole-file functions find.
#include <cstdint>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "signing/SignedFile.h"
#include "signing/SignedFileScan.h"

namespace {

void requireSplitsBack(std::string_view contenido) {
    using namespace torva;
    if (terminaEnRegistroFea(contenido)) {
        return;  // refused before signing
    }
    const std::string firmado = std::string(contenido) + std::string(finDeLinea(contenido));
    const RegistroFea registro{"GODE561231HDFRRN09", "3030", "QUJD"};
    const ArchivoFirmado archivo = separaFirmas(firmado + lineaFea(registro));
    fuzz::require(archivo.contenido == firmado && archivo.firmas.size() == 1,
                  "a signed content splits back from its closing record as it was signed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torva;
    const std::string_view bytes = fuzz::asBytes(data, size);

    const ArchivoFirmado archivo = separaFirmas(bytes);
    std::string joined = archivo.contenido;
    for (const RegistroFea& registro : archivo.firmas) {
        joined += lineaFea(registro);
    }
    fuzz::require(joined == bytes, "content and closing records make up the file");

    // A file signed again keeps either all of its text or only its content.
    requireSplitsBack(bytes);
    requireSplitsBack(archivo.contenido);

    for (const std::string& curp : buscaCurps(archivo.contenido, 6)) {
        fuzz::require(esCurp(curp) && archivo.contenido.find(curp) != std::string::npos,
                      "every CURP found is a field of the content in CURP form");
    }
    cuentaRegistros(archivo.contenido, "201");

    const FirmasFinales finales = buscaFirmasFinales(bytes);
    for (const std::size_t piece : {1u, 5u, 19u}) {
        const EscaneoArchivo scan = escaneaBytes(bytes, 6, piece);
        fuzz::require(scan.curps == buscaCurps(bytes, 6) &&
                          scan.registros201 == cuentaRegistros(bytes, "201") &&
                          scan.inicioFirmas == finales.inicio &&
                          scan.firmasFinales == finales.firmas.size() &&
                          scan.terminaEnFeaSinFin ==
                              (!finDeLinea(bytes).empty() && terminaEnRegistroFea(bytes)) &&
                          scan.terminaEnSalto == (!bytes.empty() && finDeLinea(bytes).empty()),
                      "the scan in pieces finds what the whole-file functions find");
    }
    return 0;
}
