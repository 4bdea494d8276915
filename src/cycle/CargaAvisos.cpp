#include "cycle/CargaAvisos.h"

#include "cycle/CargaAvisoParticular.h"
#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "profiles/ConfigChecks.h"

namespace torva {
namespace {

void agregaLinea(std::string_view line, std::vector<std::string>& notices) {
    if (line.find('\n') == std::string_view::npos) {
        notices.emplace_back(line);
        return;
    }
    std::string gathered;
    for (const char c : line) {
        if (c == '\n') {
            notices.push_back(std::move(gathered));
            gathered.clear();
        } else {
            gathered += c;
        }
    }
    if (!gathered.empty()) {
        notices.push_back(std::move(gathered));
    }
}

}  // namespace

std::vector<std::string> avisosGenerales(std::string_view bytes) {
    std::vector<std::string> notices;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t cr = bytes.find('\r', start);
        if (cr == std::string_view::npos) {
            agregaLinea(bytes.substr(start), notices);
            break;
        }
        agregaLinea(bytes.substr(start, cr - start), notices);
        start = cr + 1;
        if (start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
    }
    return notices;
}

void CargaAvisos(CycleContext& ctx) {
    ctx.lists.clear(ListId::Mensajes);
    ctx.captions.set(Caption::Evento, "Cargando Avisos Generales...");
    const std::string& receive = ctx.config.get(slot::kReceiveDir);
    if (!ok(ValidaDir(receive))) {
        return;
    }
    const std::string path = resolvePath(joinPath(receive, "aviso.gen"));
    if (!isRegularFile(path)) {
        ctx.lists.set(ListId::Mensajes, {"No hay avisos"});
        CargaAvisoParticular(ctx);
        return;
    }
    std::string bytes;
    if (readFileBytes(path, bytes)) {
        ctx.captions.set(Caption::Evento, "ERROR, no se pudo leer " + path);
    }
    std::vector<std::string> notices = avisosGenerales(bytes);
    for (std::string& notice : notices) {
        notice = ansiToUtf8(notice);
    }
    ctx.captions.set(Caption::LblDespliega, notices.empty() ? std::string() : notices.front());
    ctx.lists.set(ListId::Mensajes, std::move(notices));
    CargaAvisoParticular(ctx);
}

}  // namespace torva
