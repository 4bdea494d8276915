// The service's notices: aviso.gen split into the ticker's notices and
// aviso.txt read as comma fields into the particular notice. Input: the
// file's bytes, read both ways.
// Properties: the notices hold every byte of the file but the line ends, in
// order, and no line end; the particular notice holds no line end and is
// made of the file's bytes in order, besides the blanks it puts between
// pieces.
#include <cstdint>
#include <string>

#include "cycle/CargaAvisoParticular.h"
#include "cycle/CargaAvisos.h"
#include "fuzz/FuzzSupport.h"
#include "platform/Ansi.h"

namespace {

std::string without(std::string_view text, std::string_view drop) {
    std::string kept;
    for (const char c : text) {
        if (drop.find(c) == std::string_view::npos) {
            kept += c;
        }
    }
    return kept;
}

bool isSubsequence(std::string_view part, std::string_view whole) {
    std::size_t at = 0;
    for (const char c : part) {
        at = whole.find(c, at);
        if (at == std::string_view::npos) {
            return false;
        }
        ++at;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torva;
    const std::string_view bytes = fuzz::asBytes(data, size);

    std::string joined;
    for (const std::string& notice : avisosGenerales(bytes)) {
        fuzz::require(notice.find_first_of("\r\n") == std::string::npos,
                      "a notice holds no line end");
        joined += notice;
        (void)ansiToUtf8(notice);
    }
    fuzz::require(joined == without(bytes, "\r\n"), "the notices are the file but its line ends");

    const std::string particular = avisoParticular(bytes);
    fuzz::require(particular.find_first_of("\r\n") == std::string::npos,
                  "the particular notice holds no line end");
    fuzz::require(isSubsequence(without(particular, " "), without(bytes, " ")),
                  "the particular notice is made of the file's bytes");
    return 0;
}
