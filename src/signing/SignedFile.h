#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The layout of a signed validation file. The signed file is the original
// content, ended by CR LF if it had no line end, followed by one closing record
// per signer:
//
//   FEA|<CURP>|<certificate serial number, hex>|<Base64 signature>|CR LF
//
// The signature is SHA-256 with the signer's private key (RSA PKCS#1 v1.5 for
// an RSA key) over every byte before the first closing record. Signing a file
// that already ends in closing records replaces them only when they verify
// with the signer's certificate; other lines of that form are content, and a
// content that ends in one cannot be signed (it would not split back).
namespace torva {

inline constexpr std::string_view kTipoRegistroFea = "FEA";

struct RegistroFea {
    std::string curp;
    std::string certificado;
    std::string firma;
};

struct ArchivoFirmado {
    std::string contenido;  // the bytes that were signed
    std::vector<RegistroFea> firmas;
};

// The trailing closing records of a file and where they begin (the size of
// the file when there are none). Each is a whole line ended by CR LF.
struct FirmasFinales {
    std::size_t inicio = 0;
    std::vector<RegistroFea> firmas;
};
FirmasFinales buscaFirmasFinales(std::string_view bytes);

// Splits a file into its content and its trailing closing records.
ArchivoFirmado separaFirmas(std::string_view bytes);

// What is signed after the content: CR LF when the content has no line end
// of its own, nothing otherwise (an empty content needs none).
std::string_view finDeLinea(std::string_view contenido);

// The content, ended as it is signed, has a last line in closing-record form,
// so the signed file would split before it and never verify.
bool terminaEnRegistroFea(std::string_view contenido);

// One closing record with its CR LF.
std::string lineaFea(const RegistroFea& registro);

// Four letters, six digits, H, M or X, five letters, a letter or digit, a digit.
bool esCurp(std::string_view text);

// Distinct fields in CURP form, in the order they first appear, at most max.
std::vector<std::string> buscaCurps(std::string_view contenido, std::size_t max);

// Records (lines) whose first field is tipo.
std::size_t cuentaRegistros(std::string_view contenido, std::string_view tipo);

}  // namespace torva
