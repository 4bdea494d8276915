#include "logview/CargaBitacora.h"

#include "logview/DailyLog.h"
#include "names/FileNames.h"
#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace torva {
namespace {

// The entry of a line: its last n + 11 characters, n the length of the name
// that begins at the 5th character.
std::string entryOf(std::string_view line) {
    std::int16_t offset = 0;
    int n = numLetras(line.size() > 4 ? line.substr(4, 1) : std::string_view(), offset);
    // s, x, f and a names with "." as 9th character are 12 long.
    if (offset == -3 && line.size() > 12 && line[12] == '.') {
        n = 12;
    }
    return ansiToUtf8(rightChars(line, static_cast<std::size_t>(n + 11)));
}

}  // namespace

void CargaBitacora(const ConfigRecord& config, int julianDay, Captions& captions, Lists& lists) {
    captions.set(Caption::Evento, "Cargando Bitácora...");
    if (!isValidLocalDirectory(config.get(slot::kReceiveDir))) {
        return;
    }
    const std::string path = dailyLogPath(config, julianDay);
    if (isRegularFile(path)) {
        std::string bytes;
        if (readFileBytes(path, bytes)) {
            captions.set(Caption::Evento, "ERROR: No se pudo leer la Bitácora " + path);
            return;
        }
        std::vector<std::string> sent = lists.get(ListId::Enviados);
        std::vector<std::string> received = lists.get(ListId::Recibidos);
        const std::size_t sentBefore = sent.size();
        const std::size_t receivedBefore = received.size();
        for (const std::string& line : splitLines(bytes)) {
            if (line.empty()) {
                continue;
            }
            (line[0] == 'E' ? sent : received).push_back(entryOf(line));
        }
        if (sent.size() != sentBefore) {
            lists.set(ListId::Enviados, std::move(sent));
        }
        if (received.size() != receivedBefore) {
            lists.set(ListId::Recibidos, std::move(received));
        }
    }
    captions.set(Caption::Evento, "Listo para Iniciar...");
}

}  // namespace torva
