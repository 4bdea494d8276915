#include "cycle/CargaAvisoParticular.h"

#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace torva {
namespace {

bool esBlanco(char c) {
    return c == ' ' || c == '\t';
}

bool finDeCampo(char c) {
    return c == ',' || c == '\r';
}

// Past the delimiter at pos: a comma, a CR or a CR LF.
std::size_t trasDelimitador(std::string_view bytes, std::size_t pos) {
    if (pos >= bytes.size()) {
        return pos;
    }
    if (bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n') {
        return pos + 2;
    }
    return pos + 1;
}

}  // namespace

std::vector<std::string> camposSeparados(std::string_view bytes) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        while (pos < bytes.size() && esBlanco(bytes[pos])) {
            ++pos;
        }
        std::string field;
        if (pos < bytes.size() && bytes[pos] == '"') {
            // A quote left open ends with its line.
            const std::size_t close = bytes.find_first_of("\"\r", pos + 1);
            const std::size_t end = close == std::string_view::npos ? bytes.size() : close;
            field = bytes.substr(pos + 1, end - pos - 1);
            pos = end < bytes.size() && bytes[end] == '"' ? end + 1 : end;
            // What follows the closing quote up to the delimiter is dropped.
            while (pos < bytes.size() && !finDeCampo(bytes[pos])) {
                ++pos;
            }
        } else {
            const std::size_t start = pos;
            while (pos < bytes.size() && !finDeCampo(bytes[pos])) {
                ++pos;
            }
            std::size_t end = pos;
            while (end > start && esBlanco(bytes[end - 1])) {
                --end;
            }
            field = bytes.substr(start, end - start);
        }
        fields.push_back(std::move(field));
        pos = trasDelimitador(bytes, pos);
    }
    return fields;
}

std::string avisoParticular(std::string_view bytes) {
    std::string text;
    for (const std::string& field : camposSeparados(bytes)) {
        if (field.find('\n') == std::string::npos) {
            text += field;
            continue;
        }
        std::size_t start = 0;
        while (true) {
            const std::size_t lf = field.find('\n', start);
            text += ' ';
            text.append(field, start, lf == std::string::npos ? std::string::npos : lf - start);
            if (lf == std::string::npos) {
                break;
            }
            start = lf + 1;
        }
    }
    return text;
}

void CargaAvisoParticular(CycleContext& ctx) {
    const std::string path = resolvePath(joinPath(ctx.config.get(slot::kReceiveDir), "aviso.txt"));
    if (!isRegularFile(path)) {
        return;
    }
    std::string bytes;
    if (readFileBytes(path, bytes)) {
        ctx.captions.set(Caption::Evento, "ERROR, no se pudo leer " + path);
        return;
    }
    ctx.captions.set(Caption::LblAvisoParticular, ansiToUtf8(avisoParticular(bytes)));
}

}  // namespace torva
