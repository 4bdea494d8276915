#include "signing/SignedFileScan.h"

#include <algorithm>
#include <array>

#include "platform/FileSystem.h"
#include "signing/RecordStream.h"
#include "signing/SignedFile.h"

namespace torva {
namespace {

constexpr std::size_t kLargoCurp = 18;

// Follows the records as they come: the CURPs, the 201 records, and the run
// of closing records (each a whole line followed by exactly CR LF) that the
// stream ends in so far.
class Escaner {
  public:
    explicit Escaner(std::size_t maxCurps) : max_(maxCurps) {}

    void record(std::uint64_t offset) {
        cierraSaltos();
        inicioLinea_ = offset;
        campos_ = 0;
        primero_ = Primero::Otro;
        ultimoVacio_ = false;
    }

    void field(std::string_view kept, std::size_t length) {
        if (length == kLargoCurp) [[unlikely]] {
            curp(kept);
        }
        if (campos_ == 0 && length == 3) {
            primero_ = kept == "201"              ? Primero::R201
                       : kept == kTipoRegistroFea ? Primero::Fea
                                                  : Primero::Otro;
        }
        ultimoVacio_ = length == 0;
        ++campos_;
    }

    void recordEnd() {
        if (primero_ == Primero::R201) {
            ++registros201_;
        }
        // "FEA", CURP, certificate, signature and the empty piece after the last "|".
        lineaFea_ = primero_ == Primero::Fea && campos_ == 5 && ultimoVacio_;
        saltos_ = 0;
        crlf_ = false;
    }

    void lineBreak(char c) {
        ++saltos_;
        crlf_ = (saltos_ == 1 && c == '\r') || (saltos_ == 2 && crlf_ && c == '\n');
    }

    EscaneoArchivo termina(std::uint64_t size) {
        EscaneoArchivo out;
        out.size = size;
        if (huboLinea_ && saltos_ == 0) {
            // A last line without its end ends no run of closing records.
            out.terminaEnFeaSinFin = lineaFea_;
            cuenta_ = 0;
        } else {
            cierraSaltos();
            out.terminaEnSalto = size > 0;
        }
        out.curps = std::move(curps_);
        out.registros201 = registros201_;
        out.firmasFinales = cuenta_;
        out.inicioFirmas = cuenta_ > 0 ? inicioRun_ : size;
        return out;
    }

  private:
    enum class Primero { Otro, R201, Fea };

    void curp(std::string_view kept) {
        if (kept.size() == kLargoCurp && curps_.size() < max_ && esCurp(kept) &&
            std::find(curps_.begin(), curps_.end(), kept) == curps_.end()) {
            curps_.emplace_back(kept);
        }
    }

    // The line before the line breaks just read joins the run when it is a
    // closing record and they are exactly CR LF; otherwise the run is over.
    void cierraSaltos() {
        if (!huboLinea_) {
            huboLinea_ = true;
            return;
        }
        if (lineaFea_ && saltos_ == 2 && crlf_) {
            if (cuenta_ == 0) {
                inicioRun_ = inicioLinea_;
            }
            ++cuenta_;
        } else {
            cuenta_ = 0;
        }
    }

    std::size_t max_;
    std::vector<std::string> curps_;
    std::size_t registros201_ = 0;

    bool huboLinea_ = false;
    std::uint64_t inicioLinea_ = 0;
    std::size_t campos_ = 0;
    Primero primero_ = Primero::Otro;
    bool ultimoVacio_ = false;
    bool lineaFea_ = false;
    std::size_t saltos_ = 0;
    bool crlf_ = false;

    std::size_t cuenta_ = 0;
    std::uint64_t inicioRun_ = 0;
};

}  // namespace

struct EscaneaArchivo::Estado {
    explicit Estado(std::size_t maxCurps) : escaner(maxCurps), registros(escaner, kLargoCurp) {}
    Escaner escaner;
    RecordStream<Escaner> registros;
};

EscaneaArchivo::EscaneaArchivo(std::size_t maxCurps)
    : estado_(std::make_unique<Estado>(maxCurps)) {}

EscaneaArchivo::~EscaneaArchivo() = default;

void EscaneaArchivo::lee(std::string_view piece) {
    estado_->registros.read(piece);
}

EscaneoArchivo EscaneaArchivo::termina() {
    estado_->registros.finish();
    return estado_->escaner.termina(estado_->registros.offset());
}

std::error_code escaneaArchivo(const std::string& path, std::size_t maxCurps, EscaneoArchivo& out) {
    EscaneaArchivo escaneo(maxCurps);
    std::array<char, kPiezaLectura> buffer;
    const std::error_code ec = readFileInPieces(path, buffer, [&](std::string_view piece) {
        escaneo.lee(piece);
        return true;
    });
    if (!ec) {
        out = escaneo.termina();
    }
    return ec;
}

EscaneoArchivo escaneaBytes(std::string_view bytes, std::size_t maxCurps, std::size_t piece) {
    EscaneaArchivo escaneo(maxCurps);
    for (std::size_t i = 0; i < bytes.size(); i += piece) {
        escaneo.lee(bytes.substr(i, piece));
    }
    return escaneo.termina();
}

}  // namespace torva
