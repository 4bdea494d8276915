// The split of a signed file into its content and its closing records.
// Properties: content and records put back together are the file; the
// content to sign ends in a line end; every CURP found is one of its fields.
#include <cstdint>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "signing/SignedFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torva;
    const std::string_view bytes = fuzz::asBytes(data, size);

    const ArchivoFirmado archivo = separaFirmas(bytes);
    std::string joined = archivo.contenido;
    for (const RegistroFea& registro : archivo.firmas) {
        joined += lineaFea(registro);
    }
    fuzz::require(joined == bytes, "content and closing records make up the file");

    const std::string contenido = contenidoAFirmar(bytes);
    fuzz::require(contenido.empty() || contenido.back() == '\n' || contenido.back() == '\r',
                  "the content to sign ends in a line end");

    for (const std::string& curp : buscaCurps(archivo.contenido, 6)) {
        fuzz::require(esCurp(curp) && archivo.contenido.find(curp) != std::string::npos,
                      "every CURP found is a field of the content in CURP form");
    }
    cuentaRegistros(archivo.contenido, "201");
    return 0;
}
