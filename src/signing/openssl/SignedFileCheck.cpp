#include "signing/openssl/SignedFileCheck.h"

#include <algorithm>

#include "platform/FileSystem.h"
#include "signing/openssl/Credentials.h"
#include "signing/openssl/Signature.h"
#include "signing/SignedFile.h"

namespace torva {

ResultadoVerificacion verificaArchivoFirmado(const std::string& path, const std::string& cer) {
    ResultadoVerificacion out;
    const auto fail = [&](int code, std::string line) {
        if (out.code == verifica::kValida) {
            out.code = code;
        }
        out.lines.push_back(std::move(line));
    };
    std::string bytes;
    if (!isRegularFile(path) || readFileBytes(path, bytes)) {
        fail(verifica::kArchivoIlegible, "cannot read " + path);
        return out;
    }
    const ossl::Cert cert = ossl::readCertificate(cer);
    if (!cert) {
        fail(verifica::kCertificadoIlegible, "cannot read the certificate " + cer);
        return out;
    }
    const ArchivoFirmado archivo = separaFirmas(bytes);
    if (archivo.firmas.empty()) {
        fail(verifica::kSinFirmas, "no signature record in " + path);
        return out;
    }
    const std::string serial = ossl::serialHex(cert.get());
    out.lines.push_back("certificate " + serial + ", subject " + ossl::subjectText(cert.get()));
    const auto curps = buscaCurps(archivo.contenido, archivo.contenido.size());
    for (const RegistroFea& f : archivo.firmas) {
        if (f.certificado != serial) {
            fail(verifica::kOtroCertificado,
                 f.curp + ": signed with certificate " + f.certificado + ", not " + serial);
        } else if (std::find(curps.begin(), curps.end(), f.curp) == curps.end()) {
            fail(verifica::kCurpAjena, f.curp + ": not named in the file");
        } else if (!ossl::verifySha256(X509_get0_pubkey(cert.get()), archivo.contenido, f.firma)) {
            fail(verifica::kFirmaInvalida,
                 f.curp + ": signature does NOT verify with certificate " + serial);
        } else {
            out.lines.push_back(f.curp + ": certificate " + serial +
                                " signed the content on behalf of this CURP, which the file "
                                "names (whether the CURP is the certificate holder's is not "
                                "checked)");
        }
    }
    return out;
}

}  // namespace torva
