#include "signing/RegistroFirma.h"

#include "platform/Utf8.h"

namespace torva {
namespace {

char16_t unitAt(const RegistroFirma& registro, std::size_t offset) {
    return static_cast<char16_t>(registro.bytes[offset] | (registro.bytes[offset + 1] << 8));
}

}  // namespace

void escribeCampo(RegistroFirma& registro, CampoFirma campo, std::string_view utf8) {
    const CampoLayout layout = layoutOf(campo);
    const std::u16string units = utf8ToUtf16(utf8);
    for (std::size_t k = 0; k < layout.units; ++k) {
        const char16_t u = k < units.size() ? units[k] : u' ';
        registro.bytes[layout.offset + 2 * k] = static_cast<std::uint8_t>(u & 0xFF);
        registro.bytes[layout.offset + 2 * k + 1] = static_cast<std::uint8_t>(u >> 8);
    }
}

std::optional<std::string> leeCampo(const RegistroFirma& registro, CampoFirma campo) {
    const CampoLayout layout = layoutOf(campo);
    std::u16string units;
    for (std::size_t k = 0; k < layout.units; ++k) {
        const char16_t u = unitAt(registro, layout.offset + 2 * k);
        if (u == 0) {
            return utf16ToUtf8(units);
        }
        units += u;
    }
    return std::nullopt;
}

bool tieneCurp(const RegistroFirma& registro) {
    return unitAt(registro, layoutOf(CampoFirma::Curp).offset) != 0;
}

}  // namespace torva
