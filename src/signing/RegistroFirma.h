#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The signer record exchanged with the signing library: 1574 bytes, four
// fixed-length fields of UTF-16LE code units.
namespace torva {

enum class CampoFirma { Curp, ArchivoKey, ArchivoCer, Contrasena };

struct CampoLayout {
    std::size_t offset;  // bytes
    std::size_t units;   // UTF-16 code units
};

inline constexpr std::size_t kRegistroFirmaBytes = 1574;
inline constexpr std::size_t kRegistrosFirma = 6;
inline constexpr std::size_t kCurpLength = 18;

constexpr CampoLayout layoutOf(CampoFirma campo) {
    switch (campo) {
        case CampoFirma::Curp:
            return {0, 19};
        case CampoFirma::ArchivoKey:
            return {38, 256};
        case CampoFirma::ArchivoCer:
            return {550, 256};
        case CampoFirma::Contrasena:
            return {1062, 256};
    }
    return {0, 0};
}

struct RegistroFirma {
    std::array<std::uint8_t, kRegistroFirmaBytes> bytes{};
};

// The array handed to the library: six records, contiguous, zero at start.
using RegistrosFirma = std::array<RegistroFirma, kRegistrosFirma>;
static_assert(sizeof(RegistroFirma) == kRegistroFirmaBytes);
static_assert(sizeof(RegistrosFirma) == kRegistrosFirma * kRegistroFirmaBytes);

// Writes UTF-8 text into a field as UTF-16LE: the text is cut at the field's
// length and followed by blanks up to it. A NUL the caller wants goes in text.
void escribeCampo(RegistroFirma& registro, CampoFirma campo, std::string_view utf8);

// The field's text up to its first NUL, as UTF-8; nothing when the field has
// no NUL (a text that was cut).
std::optional<std::string> leeCampo(const RegistroFirma& registro, CampoFirma campo);

// The first code unit of the CURP field is not NUL.
bool tieneCurp(const RegistroFirma& registro);

// UTF-8 to UTF-16 and back; malformed input becomes U+FFFD.

}  // namespace torva
