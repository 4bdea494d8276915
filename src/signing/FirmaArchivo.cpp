#include "signing/FirmaArchivo.h"

#include "platform/FileSystem.h"
#include "signing/SigningCodes.h"

namespace torva {
namespace {

// The library may hand back a buffer with a NUL and whatever followed it.
void tomaRuta(std::string& path) {
    if (const auto nul = path.find('\0'); nul != std::string::npos) {
        path.erase(nul);
    }
}

std::string mensajeNoEncontrado(const std::string& path) {
    return "ERROR, no se encontro el archivo '" + path + "' fue movido o borrado.";
}

FirmaResult avisa(OperatorDialogs& dialogs, const std::string& text) {
    showCritical(dialogs, text);
    return firma::kRespuestaAceptar;
}

}  // namespace

std::string mensajeFirma(FirmaCode code, const std::string& path) {
    using namespace firma;
    switch (code) {
        case kArchivoMovido:
            return "ERROR, el archivo '" + path + "' fue movido o borrado.";
        case kKeyNoEncontrado:
            return "ERROR, no se encontro el archivo key.";
        case kContrasenaIncorrecta:
            return "ERROR, no fue posible desencriptar la llave privada es probable que la "
                   "contraseña este incorrecta.";
        case kSinArchivoTemporal:
            return "ERROR, no fue posible crear un archivo temporal.";
        case kArchivoNoLegible:
            return "No se pudo leer el archivo '" + path + "'.";
        case kKeyCorrompido:
            return "ERROR, no fue posible encriptar la llave privada, probablemente el archivo "
                   "key esta corrompido.";
        case kSinDescripcion:
            return "ERROR, esto ERROR no tiene descripción.";
        case kNoSeRenombro:
            return "ERROR, no fue posible renombrar el archivo firmado.";
        case kKeyNoCorresponde:
            return "ERROR, la llave privada no corresponde al certificado del Agente o "
                   "Apoderado Aduanal.";
        case kTipoNoValido:
            return "ERROR, el tipo de documento que se pretende firmar no es un documento "
                   "valido.";
        case kCertificadoIlegible:
            return "ERROR, no fue posible leer el certificado del Agente o Apoderado Aduanal.";
        case kCertificadoVencido:
            return "ERROR, el certificado del Agente o Apoderado Aduanal esta vencido.";
        case kVariosRegistros201:
            return "ERROR, el archivo contiene más de un registro 201, solo debe existir uno.";
        case kSinFirmantes:
            return "ERROR, el archivo '" + path + "' no contiene la CURP de ningún firmante.";
        case kRegistroFeaAjeno:
            return "ERROR, el archivo '" + path +
                   "' termina con un registro FEA que no es una firma del certificado del Agente "
                   "o Apoderado Aduanal; quite ese registro para poder firmar el archivo.";
        case kDatosCortados:
            return "ERROR, la ruta del archivo KEY, la del certificado o la contraseña pasa de 255 "
                   "caracteres y no cabe en el registro de la firma.";
        default:
            return "ERROR, fue imposible generar la Firma Digital del archivo '" + path +
                   "' (código " + std::to_string(codeNumber(code)) + ").";
    }
}

FirmaResult FirmaArchivo(std::string& path, std::uint8_t& tipoDocumento, const ConfigRecord& config,
                         SigningLibrary& library, OperatorDialogs& dialogs) {
    RegistrosFirma registros{};
    const std::string key = config.get(slot::kKeyFile) + '\0';
    const std::string cer = config.get(slot::kCertFile) + '\0';
    const std::string password = config.get(slot::kKeyPassword) + '\0';

    BusyCursor busy(dialogs);

    if (!isRegularFile(config.get(slot::kKeyFile))) {
        dialogs.beep();
        return avisa(dialogs,
                     "ERROR, fue imposible generar la Firma Digital debido a que no se encontró "
                     "el archivo KEY.");
    }
    if (!isRegularFile(path)) {
        dialogs.beep();
        return avisa(dialogs, mensajeNoEncontrado(path));
    }

    FirmaCode r = library.BuscaCurpsG(path, tipoDocumento, registros);
    tomaRuta(path);
    if (r == firma::kBuscaArchivoNoEncontrado) {
        return avisa(dialogs, mensajeNoEncontrado(path));
    }
    if (r == firma::kBuscaArchivoNoLegible) {
        return avisa(dialogs, "ERROR, no se pudo leer el archivo '" + path + "'.");
    }
    if (!ok(r)) {
        // The search's own code, passed on as it is.
        return FirmaResult{codeNumber(r)};
    }

    // Every record, the sixth included: a file may name six signers.
    for (std::size_t i = 0; i < kRegistrosFirma; ++i) {
        if (tieneCurp(registros[i])) {
            escribeCampo(registros[i], CampoFirma::ArchivoKey, key);
            escribeCampo(registros[i], CampoFirma::Contrasena, password);
            escribeCampo(registros[i], CampoFirma::ArchivoCer, cer);
        }
    }

    r = library.GeneraFirmaDigitalG(path, tipoDocumento, registros);
    tomaRuta(path);
    if (ok(r)) {
        return firma::kFirmado;
    }
    return avisa(dialogs, mensajeFirma(r, path));
}

}  // namespace torva
