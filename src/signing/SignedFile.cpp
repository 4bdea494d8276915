#include "signing/SignedFile.h"

#include <algorithm>

namespace torva {
namespace {

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Lines split at CR or LF; empty pieces are skipped.
template <typename F>
void forEachRecord(std::string_view bytes, F&& call) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i == bytes.size() || bytes[i] == '\r' || bytes[i] == '\n') {
            if (i > start) {
                call(bytes.substr(start, i - start));
            }
            start = i + 1;
        }
    }
}

template <typename F>
void forEachField(std::string_view record, F&& call) {
    std::size_t start = 0;
    while (start <= record.size()) {
        const std::size_t end = std::min(record.find('|', start), record.size());
        call(record.substr(start, end - start));
        start = end + 1;
    }
}

std::string_view firstField(std::string_view record) {
    return record.substr(0, std::min(record.find('|'), record.size()));
}

bool parseFea(std::string_view line, RegistroFea& out) {
    std::vector<std::string> fields;
    forEachField(line, [&](std::string_view f) { fields.emplace_back(f); });
    // "FEA", curp, certificate, signature, and the empty piece after the last "|".
    if (fields.size() != 5 || fields[0] != kTipoRegistroFea || !fields[4].empty()) {
        return false;
    }
    out = {fields[1], fields[2], fields[3]};
    return true;
}

}  // namespace

FirmasFinales buscaFirmasFinales(std::string_view bytes) {
    FirmasFinales out;
    std::size_t contentEnd = bytes.size();
    std::vector<RegistroFea> reversed;
    // Walk the closing records from the end: each is a whole CR LF line.
    while (contentEnd > 0) {
        std::size_t end = contentEnd;
        if (end < 2 || bytes.substr(end - 2, 2) != "\r\n") {
            break;
        }
        end -= 2;
        if (end == 0) {
            break;
        }
        const std::size_t lineStart = bytes.find_last_of("\r\n", end - 1);
        const std::size_t start = lineStart == std::string_view::npos ? 0 : lineStart + 1;
        RegistroFea registro;
        if (!parseFea(bytes.substr(start, end - start), registro)) {
            break;
        }
        reversed.push_back(std::move(registro));
        contentEnd = start;
    }
    out.inicio = contentEnd;
    out.firmas.assign(std::make_move_iterator(reversed.rbegin()),
                      std::make_move_iterator(reversed.rend()));
    return out;
}

ArchivoFirmado separaFirmas(std::string_view bytes) {
    FirmasFinales finales = buscaFirmasFinales(bytes);
    return {std::string(bytes.substr(0, finales.inicio)), std::move(finales.firmas)};
}

std::string_view finDeLinea(std::string_view contenido) {
    if (contenido.empty() || contenido.back() == '\n' || contenido.back() == '\r') {
        return {};
    }
    return "\r\n";
}

bool terminaEnRegistroFea(std::string_view contenido) {
    // Only the last line matters: the walk from the end stops at the first
    // line that is not a closing record.
    std::string_view last = contenido;
    if (finDeLinea(contenido).empty()) {
        if (last.size() < 2 || last.substr(last.size() - 2) != "\r\n") {
            return false;
        }
        last.remove_suffix(2);
    }
    if (const std::size_t brk = last.find_last_of("\r\n"); brk != std::string_view::npos) {
        last.remove_prefix(brk + 1);
    }
    RegistroFea ignored;
    return !last.empty() && parseFea(last, ignored);
}

std::string lineaFea(const RegistroFea& registro) {
    return std::string(kTipoRegistroFea) + "|" + registro.curp + "|" + registro.certificado + "|" +
           registro.firma + "|\r\n";
}

bool esCurp(std::string_view t) {
    if (t.size() != 18) {
        return false;
    }
    for (std::size_t i = 0; i < 18; ++i) {
        const char c = t[i];
        bool ok = false;
        if (i < 4 || (i >= 11 && i <= 15)) {
            ok = isUpper(c);
        } else if (i < 10 || i == 17) {
            ok = isDigit(c);
        } else if (i == 10) {
            ok = c == 'H' || c == 'M' || c == 'X';
        } else {
            ok = isUpper(c) || isDigit(c);
        }
        if (!ok) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> buscaCurps(std::string_view contenido, std::size_t max) {
    std::vector<std::string> found;
    forEachRecord(contenido, [&](std::string_view record) {
        forEachField(record, [&](std::string_view field) {
            if (found.size() < max && esCurp(field) &&
                std::find(found.begin(), found.end(), field) == found.end()) {
                found.emplace_back(field);
            }
        });
    });
    return found;
}

std::size_t cuentaRegistros(std::string_view contenido, std::string_view tipo) {
    std::size_t count = 0;
    forEachRecord(contenido, [&](std::string_view record) {
        if (firstField(record) == tipo) {
            ++count;
        }
    });
    return count;
}

}  // namespace torva
