#include "logview/ArchivoDeLista.h"

#include <algorithm>
#include <vector>

#include "names/FileNames.h"
#include "names/WorkDirs.h"
#include "platform/Utf8.h"

namespace torva {
namespace {

// Where each character of the UTF-8 text begins, and its end.
std::vector<std::size_t> characterStarts(std::string_view utf8) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < utf8.size();) {
        starts.push_back(i);
        nextCodePoint(utf8, i);
    }
    starts.push_back(utf8.size());
    return starts;
}

std::string_view character(std::string_view utf8, const std::vector<std::size_t>& starts,
                           std::size_t index) {
    if (index + 1 >= starts.size()) {
        return {};
    }
    return utf8.substr(starts[index], starts[index + 1] - starts[index]);
}

}  // namespace

std::optional<ArchivoDeLista> archivoDeLista(ListId list, std::string_view row,
                                             const ConfigRecord& config,
                                             std::int16_t& letterOffset) {
    const std::vector<std::size_t> starts = characterStarts(row);
    const std::string_view first = character(row, starts, 0);
    const WorkDirs dirs = workDirs(config);
    ArchivoDeLista file;
    switch (list) {
        case ListId::Enviados:
            file.dir = dirs.sent;
            break;
        case ListId::Pendientes:
            file.dir = dirs.pending;
            break;
        case ListId::Rechazados:
            file.dir = dirs.rejected;
            break;
        case ListId::Recibidos:
            file.dir = dirs.receive;
            break;
        default:
            return std::nullopt;
    }
    if (list == ListId::Recibidos) {
        const bool longLetter = first == "x" || first == "X" || first == "a" || first == "A";
        file.length = longLetter && character(row, starts, 8) != "." ? 15 : 12;
    } else {
        file.length = numLetras(first, letterOffset);
    }
    const std::size_t count = std::min(static_cast<std::size_t>(file.length), starts.size() - 1);
    file.name = std::string(row.substr(0, starts[count]));
    return file;
}

}  // namespace torva
