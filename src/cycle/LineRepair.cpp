#include "cycle/LineRepair.h"

#include <algorithm>
#include <vector>

#include "cycle/PrevalidatorKey.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"

namespace torva {
namespace {

constexpr std::string_view kRegistro801 = "801|";
constexpr int kCamposAntesDeClave = 4;  // "|" kept before the key

// Lines end at CR or CR LF; an LF alone stays inside its line.
std::vector<std::string_view> lineasCr(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t cr = bytes.find('\r', start);
        if (cr == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, cr - start));
        start = cr + 1;
        if (start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

class Reparador {
  public:
    explicit Reparador(double headerLength) : headerLength_(headerLength) {}

    void linea(std::string_view x, bool first) {
        const std::size_t n = x.size();
        if (first) {
            const auto length = static_cast<double>(n);
            wellFormed_ = x.find('\n') == std::string_view::npos &&
                          (length == headerLength_ || length == headerLength_ + 8);
        }
        std::size_t p = 0;
        // A piece never starts at the line's last character.
        while (p + 1 < n) {
            if (x.substr(p, kRegistro801.size()) == kRegistro801) {
                registro801(x, p);
                return;
            }
            const std::size_t brk = std::min(x.find('\n', p), n);
            buffer_.append(x.substr(p, brk - p));
            const bool atBreak = brk < n;
            if ((atBreak || wellFormed_) && !buffer_.empty()) {
                emite();
            } else if (!atBreak) {
                return;  // carried over to the next line
            }
            p = brk + 1;
        }
    }

    std::string termina() {
        if (!buffer_.empty()) {
            emite();
        }
        return std::move(out_);
    }

  private:
    // Keeps "801" and the next three fields, then the key as the fifth.
    // The record ends at its fourth "|", at a break or at the end of the
    // line; a record cut short still gets the "|" before the key.
    void registro801(std::string_view x, std::size_t p) {
        int pipes = 0;
        while (p < x.size() && x[p] != '\n' && pipes < kCamposAntesDeClave) {
            if (x[p] == '|') {
                ++pipes;
            }
            buffer_ += x[p++];
        }
        if (buffer_.back() != '|') {
            buffer_ += '|';
        }
        buffer_ += kClavePrevalidador;
        buffer_ += '|';
        emite();
    }

    void emite() {
        out_ += buffer_;
        out_ += "\r\n";
        buffer_.clear();
    }

    double headerLength_;
    bool wellFormed_ = false;
    std::string buffer_;
    std::string out_;
};

std::string mensajeFalla(const std::string& path) {
    return "ERROR, no fue posible ajustar los registros del archivo '" + path +
           "', se conserva sin cambios.";
}

// A read-only copy left by an earlier failure would refuse the new one.
std::error_code haceRespaldo(const std::string& path, const std::string& backup) {
    if (isRegularFile(backup) && isReadOnly(backup)) {
        if (auto ec = setReadOnly(backup, false)) {
            return ec;
        }
    }
    return copyFileKeepTime(path, backup);
}

}  // namespace

std::string ajustaContenido(std::string_view bytes, double headerLength) {
    Reparador reparador(headerLength);
    bool first = true;
    for (std::string_view line : lineasCr(bytes)) {
        reparador.linea(line, first);
        first = false;
    }
    return reparador.termina();
}

AjusteCode AjustaRegistros(const std::string& path, ConfigRecord& config, OperatorDialogs& dialogs,
                           std::error_code (*remove)(const std::string&)) {
    if (!isNumeric(config.get(slot::kRecord500Length))) {
        config.set(slot::kRecord500Length, "24");
    }
    const double headerLength = leadingNumber(config.get(slot::kRecord500Length));

    const std::string backup = path + "b";
    if (haceRespaldo(path, backup)) {
        showCritical(dialogs, mensajeFalla(path) + "\rNo se pudo crear la copia de respaldo '" +
                                  backup + "'.");
        return ajuste::kSinRespaldo;
    }
    std::string bytes;
    AjusteCode result = ajuste::kOk;
    if (readFileBytes(backup, bytes)) {
        result = ajuste::kSinLectura;
    } else if (writeFileAtomic(path, ajustaContenido(bytes, headerLength))) {
        // The atomic write left the original in place.
        result = ajuste::kSinEscritura;
    }
    std::vector<std::string> lines;
    if (result != ajuste::kOk) {
        lines.push_back(mensajeFalla(path));
    }
    if (remove(backup)) {
        lines.push_back("ERROR, no fue posible borrar la copia de respaldo '" + backup + "'.");
        if (result == ajuste::kOk) {
            result = ajuste::kRespaldoSinBorrar;
        }
    }
    if (!lines.empty()) {
        std::string text = lines[0];
        for (std::size_t i = 1; i < lines.size(); ++i) {
            text += "\r" + lines[i];
        }
        showCritical(dialogs, text);
    }
    return result;
}

}  // namespace torva
