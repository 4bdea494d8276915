#pragma once

#include <cstdint>

namespace torva {

// Result codes of the signing library's two entry points: 0 is signed (or
// found), anything else a failure.
enum class [[nodiscard]] FirmaCode : std::int32_t{};

// What `FirmaArchivo` returns: 0 only when the file was signed; 1 when the
// operator answered a box; else the search's own code.
enum class [[nodiscard]] FirmaResult : std::int32_t{};

namespace firma {

inline constexpr FirmaCode kOk{0};

// `_BuscaCurpsG@12`: any other non-zero value is a failure without a text.
inline constexpr FirmaCode kBuscaArchivoNoEncontrado{1};
inline constexpr FirmaCode kBuscaArchivoNoLegible{2};

// `_GeneraFirmaDigitalG@12`.
inline constexpr FirmaCode kArchivoMovido{1};
inline constexpr FirmaCode kKeyNoEncontrado{2};
inline constexpr FirmaCode kContrasenaIncorrecta{3};
inline constexpr FirmaCode kSinArchivoTemporal{4};
inline constexpr FirmaCode kArchivoNoLegible{5};
inline constexpr FirmaCode kKeyCorrompido{6};
inline constexpr FirmaCode kSinDescripcion{7};
inline constexpr FirmaCode kNoSeRenombro{8};
// The key is not the one the certificate was issued for.
inline constexpr FirmaCode kKeyNoCorresponde{9};
inline constexpr FirmaCode kTipoNoValido{10};
inline constexpr FirmaCode kCertificadoIlegible{11};
inline constexpr FirmaCode kCertificadoVencido{12};
inline constexpr FirmaCode kVariosRegistros201{13};
// The file names no signer (no field in CURP form).
inline constexpr FirmaCode kSinFirmantes{14};
// The content ends in a line of closing-record form that no signer's
// certificate verifies: the signed file would not split back into it.
inline constexpr FirmaCode kRegistroFeaAjeno{15};
// A KEY or CER path or the pass phrase was cut to its field's 255 characters.
inline constexpr FirmaCode kDatosCortados{16};

// What `FirmaArchivo` returns when the file was signed, and after showing a
// message: the answer of a box whose only button is OK.
inline constexpr FirmaResult kFirmado{0};
inline constexpr FirmaResult kRespuestaAceptar{1};

// Document types the caller chooses from the file name.
inline constexpr std::uint8_t kTipoPedimento = 0;  // "m"
inline constexpr std::uint8_t kTipoC = 1;          // "c"
inline constexpr std::uint8_t kTipoT = 2;          // "t"
inline constexpr std::uint8_t kTipoEA = 6;         // "e" then "a"
inline constexpr std::uint8_t kTipoEB = 7;         // "e" then "b"

}  // namespace firma

constexpr bool ok(FirmaCode code) {
    return code == firma::kOk;
}
constexpr bool ok(FirmaResult result) {
    return result == firma::kFirmado;
}
constexpr std::int32_t codeNumber(FirmaCode code) {
    return static_cast<std::int32_t>(code);
}

}  // namespace torva
