#pragma once

#include <cstdint>

// Result codes of the signing library's two entry points.
namespace torva::firma {

inline constexpr std::int32_t kOk = 0;

// `_BuscaCurpsG@12`: any other non-zero value is a failure without a text.
inline constexpr std::int32_t kBuscaArchivoNoEncontrado = 1;
inline constexpr std::int32_t kBuscaArchivoNoLegible = 2;

// `_GeneraFirmaDigitalG@12`.
inline constexpr std::int32_t kArchivoMovido = 1;
inline constexpr std::int32_t kKeyNoEncontrado = 2;
inline constexpr std::int32_t kContrasenaIncorrecta = 3;
inline constexpr std::int32_t kSinArchivoTemporal = 4;
inline constexpr std::int32_t kArchivoNoLegible = 5;
inline constexpr std::int32_t kKeyCorrompido = 6;
inline constexpr std::int32_t kSinDescripcion = 7;
inline constexpr std::int32_t kNoSeRenombro = 8;
// The key is not the one the certificate was issued for.
inline constexpr std::int32_t kKeyNoCorresponde = 9;
inline constexpr std::int32_t kTipoNoValido = 10;
inline constexpr std::int32_t kCertificadoIlegible = 11;
inline constexpr std::int32_t kCertificadoVencido = 12;
inline constexpr std::int32_t kVariosRegistros201 = 13;
// The file names no signer (no field in CURP form).
inline constexpr std::int32_t kSinFirmantes = 14;
// The content ends in a line of closing-record form that no signer's
// certificate verifies: the signed file would not split back into it.
inline constexpr std::int32_t kRegistroFeaAjeno = 15;
// A KEY or CER path or the pass phrase was cut to its field's 255 characters.
inline constexpr std::int32_t kDatosCortados = 16;

// What `FirmaArchivo` returns after showing a message: the answer of a box
// whose only button is OK.
inline constexpr std::int32_t kRespuestaAceptar = 1;

// Document types the caller chooses from the file name.
inline constexpr std::uint8_t kTipoPedimento = 0;  // "m"
inline constexpr std::uint8_t kTipoC = 1;          // "c"
inline constexpr std::uint8_t kTipoT = 2;          // "t"
inline constexpr std::uint8_t kTipoEA = 6;         // "e" then "a"
inline constexpr std::uint8_t kTipoEB = 7;         // "e" then "b"

}  // namespace torva::firma
