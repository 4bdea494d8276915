// The file-name grammar on any name. Input: the name, then after a LF the
// send letters.
// Properties: the parts are pieces of the name; a name of the right length
// has every part; each rule accepts the parts it took from the name.
#include <cstdint>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "names/FileNames.h"
#include "platform/Text.h"

namespace {

bool isAscii(std::string_view s) {
    for (char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torva;
    const std::string_view input = fuzz::asBytes(data, size);
    const std::size_t lf = input.find('\n');
    const std::string_view name = input.substr(0, lf);
    const std::string_view letters =
        lf == std::string_view::npos ? std::string_view() : input.substr(lf + 1);

    const NameParts parts = parseName(name);
    fuzz::require(parts.length == 12 || parts.length == 15, "a name is 12 or 15 long");
    fuzz::require(name.find(parts.patente) != std::string_view::npos &&
                      name.find(parts.folio) != std::string_view::npos,
                  "the patente and the folio are pieces of the name");
    fuzz::require(
        name.substr(name.size() - std::min(name.size(), parts.dayEnding.size())) == parts.dayEnding,
        "the day ending ends the name");
    if (cumpleLongitud(name, parts)) {
        fuzz::require(!parts.patente.empty() && !parts.folio.empty() && !parts.dayEnding.empty(),
                      "a name of the right length has a patente, a folio and a day");
        if (isAscii(name)) {
            fuzz::require(
                parts.patente.size() == 4 && parts.folio.size() == 3 && parts.dayEnding.size() == 3,
                "patente, folio and day have 4, 3 and 3 characters");
        }
    }
    fuzz::require(cumplePatente(parts, parts.patente), "the patente rule takes its own patente");
    fuzz::require(cumpleFolio(parts, parts.folio, parts.folio), "the folio is in its own range");
    const double day = leadingNumber(parts.dayEnding);
    for (const int julianDay : {0, 1, 123, 366}) {
        if (cumpleDia(parts, julianDay)) {
            fuzz::require(day == julianDay, "the day rule reads the day ending");
        }
    }
    if (cumpleLetra(name, letters)) {
        fuzz::require(!name.empty() && name[0] != ',', "a letter is never a comma");
    }
    fuzz::require(
        esArchivoError(name) == (name.size() >= 3 && name.substr(name.size() - 3) == "err"),
        "an error file ends in err");
    std::int16_t offset = 0;
    const int length = numLetras(name.substr(0, std::min<std::size_t>(name.size(), 1)), offset);
    fuzz::require((length == 12 && (offset == 0 || offset == 1)) || (length == 15 && offset == -3),
                  "numLetras gives a known length and offset");
    return 0;
}
