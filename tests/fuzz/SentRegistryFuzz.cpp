// The sent-file registry "bitacora" of the send folder. Input: a file name,
// then after a LF the registry's bytes.
// Property: once a file the outgoing pass would queue has its line appended,
// the registry read back holds it, so it is not sent again in that state.
#include <chrono>
#include <cstdint>
#include <string>

#include "fuzz/FuzzSupport.h"
#include "names/FileNames.h"
#include "names/SentRegistry.h"
#include "platform/Text.h"
#include "platform/Utf8.h"

namespace {

// Names come from the file system as UTF-8 text, with the characters a
// Windows file name may hold.
bool isFileName(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const char32_t c = torva::nextCodePoint(s, i);
        if (c == torva::kReplacementCharacter || c < 0x20 ||
            std::u32string_view(U"/\\:*?\"<>|").find(c) != std::u32string_view::npos) {
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
    if (lf == std::string_view::npos) {
        return 0;
    }
    const std::string name(input.substr(0, lf));
    const std::string_view bytes = input.substr(lf + 1);
    const std::string path = fuzz::scratchFile("bitacora");
    fuzz::writeFile(path, bytes);

    std::error_code ec;
    const SentRegistry before = SentRegistry::read(path, ec);
    fuzz::require(!ec, "a registry that exists is read");

    // The names the outgoing pass queues: not an error file, the length of
    // their letter, the patente, a send letter.
    const NameParts parts = parseName(name);
    if (!isFileName(name) || esArchivoError(name) || !cumpleLongitud(name, parts) ||
        !cumplePatente(parts, "1234") || !cumpleLetra(name, "m,b,c,s,t,e,f,e")) {
        return 0;
    }
    // A last line left without its end (a write cut short) is glued to the
    // next one; the registry's writer only ever appends whole lines.
    if (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r') {
        return 0;
    }
    const FileTime modified{std::chrono::seconds(1765360800)};
    fuzz::require(!appendRegistryLine(path, name, modified), "the registry line is appended");
    const SentRegistry after = SentRegistry::read(path, ec);
    fuzz::require(!ec, "the registry is read again");
    fuzz::require(after.holds(asciiLower(name), fileTimeText(modified)),
                  "a file sent is held by the registry: " + name);
    return 0;
}
