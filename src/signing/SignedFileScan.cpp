#include "signing/SignedFileScan.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "platform/FileSystem.h"
#include "signing/RecordStream.h"
#include "signing/SignedFile.h"

namespace torva {
namespace {

constexpr std::size_t kLargoCurp = 18;
constexpr std::size_t kCabeza = 4;  // enough of a line for its first field, "201" or "FEA"

// Set bits, without the call that std::popcount makes where the processor
// has no instruction for it.
std::uint64_t cuentaBits(std::uint64_t v) {
    v = v - ((v >> 1) & 0x5555555555555555u);
    v = (v & 0x3333333333333333u) + ((v >> 2) & 0x3333333333333333u);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return (v * 0x0101010101010101u) >> 56;
}

// Works on blocks of 64 bytes as bit masks of their separators: a field is
// looked at only when it is 18 bytes long, a line only where it begins and
// ends. Tracks the CURPs, the 201 records, and the run of closing records
// (each a whole line followed by exactly CR LF) that the stream ends in so far.
class Escaner {
  public:
    explicit Escaner(std::size_t maxCurps) : max_(maxCurps) {}

    void lee(std::string_view piece) {
        const char* p = piece.data();
        const std::size_t n = piece.size();
        if (enLinea_ && largoCabeza_ < kCabeza) {
            const std::size_t more = std::min(kCabeza - largoCabeza_, n);
            std::memcpy(cabeza_.data() + largoCabeza_, p, more);
            largoCabeza_ += more;
        }
        for (std::size_t block = 0; block < n; block += 64) {
            const std::size_t size = std::min<std::size_t>(64, n - block);
            const SeparatorMasks m = separatorMasks(p + block, size);
            buscaCurps(piece, block, m.pipes | m.breaks);
            recorreLineas(piece, block, size, m);
            pipesAntes_ += cuentaBits(m.pipes);
        }
        // The field still open keeps what it has of this piece.
        const std::size_t desde =
            inicioCampo_ > offset_ ? static_cast<std::size_t>(inicioCampo_ - offset_) : 0;
        if (inicioCampo_ >= offset_) {
            arrastre_.clear();
        }
        if (arrastre_.size() < kLargoCurp && desde < n) {
            arrastre_.append(piece.substr(desde, kLargoCurp - arrastre_.size()));
        }
        ultimo_ = p[n - 1];
        offset_ += n;
    }

    EscaneoArchivo termina() {
        EscaneoArchivo out;
        out.size = offset_;
        if (enLinea_) {
            // The last field and the last line end with the file; a line
            // without its end ends no run of closing records.
            if (offset_ - inicioCampo_ == kLargoCurp) {
                curp(arrastre_);
            }
            terminaLinea(offset_, false, ultimo_, [&] { return pipesAntes_; });
            out.terminaEnFeaSinFin = lineaFea_;
            cuenta_ = 0;
        } else {
            cierraSaltos(offset_, ultimo_);
            out.terminaEnSalto = offset_ > 0;
        }
        out.curps = std::move(curps_);
        out.registros201 = registros201_;
        out.firmasFinales = cuenta_;
        out.inicioFirmas = cuenta_ > 0 ? inicioRun_ : offset_;
        return out;
    }

  private:
    void curp(std::string_view campo) {
        if (campo.size() == kLargoCurp && curps_.size() < max_ && esCurp(campo) &&
            std::find(curps_.begin(), curps_.end(), campo) == curps_.end()) {
            curps_.emplace_back(campo);
        }
    }

    // Fields of 18 bytes that end at the separators of the block.
    void buscaCurps(std::string_view piece, std::size_t block, std::uint64_t seps) {
        if (seps == 0) {
            return;
        }
        // The first separator ends the field that began before the block.
        const std::size_t first = block + static_cast<std::size_t>(std::countr_zero(seps));
        if (offset_ + first - inicioCampo_ == kLargoCurp) {
            if (inicioCampo_ >= offset_) {
                curp(piece.substr(static_cast<std::size_t>(inicioCampo_ - offset_), kLargoCurp));
            } else {
                curp(arrastre_ + std::string(piece.substr(0, first)));
            }
        }
        // The others: a separator 19 bytes back and none in between.
        std::uint64_t near = seps << 1;  // a separator 1 to 18 bytes back
        const std::uint64_t twoBack = near | near << 1;
        near = twoBack | twoBack << 2;
        near |= near << 4;
        near |= near << 8;
        near |= twoBack << 16;
        for (std::uint64_t c = seps & (seps << 19) & ~near; c != 0; c &= c - 1) {
            const std::size_t at = block + static_cast<std::size_t>(std::countr_zero(c));
            curp(piece.substr(at - kLargoCurp, kLargoCurp));
        }
        inicioCampo_ = offset_ + block + static_cast<std::size_t>(63 - std::countl_zero(seps)) + 1;
    }

    // Where lines begin (a byte after a line break, or the first) and end
    // (a line break after a byte of a line).
    void recorreLineas(std::string_view piece, std::size_t block, std::size_t size,
                       const SeparatorMasks& m) {
        const std::uint64_t valid = size == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << size) - 1;
        const std::uint64_t afterBreak = (m.breaks << 1) | (saltoAntes_ ? 1u : 0u);
        const std::uint64_t starts = ~m.breaks & afterBreak & valid;
        const std::uint64_t ends = m.breaks & ~afterBreak;
        for (std::uint64_t e = starts | ends; e != 0; e &= e - 1) {
            const auto bit = static_cast<unsigned>(std::countr_zero(e));
            const std::size_t at = block + bit;
            // The '|' before this byte: only lines of closing-record form count them.
            const auto pipes = [&] {
                return pipesAntes_ + cuentaBits(m.pipes & ((std::uint64_t{1} << bit) - 1));
            };
            const char antes = at > 0 ? piece[at - 1] : ultimo_;
            if ((ends >> bit) & 1u) {
                terminaLinea(offset_ + at, piece[at] == '\r', antes, pipes);
            } else {
                cierraSaltos(offset_ + at, antes);
                enLinea_ = true;
                inicioLinea_ = offset_ + at;
                // One store of four bytes where they are there: read back
                // soon after, byte stores would stall the load.
                const std::string_view head = piece.substr(at, kCabeza);
                largoCabeza_ = head.size();
                if (largoCabeza_ == kCabeza) {
                    std::memcpy(cabeza_.data(), head.data(), kCabeza);
                } else {
                    std::copy(head.begin(), head.end(), cabeza_.begin());
                }
                if (largoCabeza_ < 3 || head.substr(0, 3) == kTipoRegistroFea) {
                    pipesInicio_ = pipes();
                }
            }
        }
        saltoAntes_ = (m.breaks >> (size - 1)) & 1u;
    }

    bool primerCampo(std::string_view tipo, std::uint64_t largo) const {
        return largo >= 3 && std::string_view(cabeza_.data(), 3) == tipo &&
               (largo == 3 || cabeza_[3] == '|');
    }

    template <typename Pipes>
    void terminaLinea(std::uint64_t at, bool cr, char antes, Pipes&& pipes) {
        const std::uint64_t largo = at - inicioLinea_;
        if (primerCampo("201", largo)) {
            ++registros201_;
        }
        // "FEA", CURP, certificate, signature and the empty piece after the last "|".
        lineaFea_ =
            primerCampo(kTipoRegistroFea, largo) && antes == '|' && pipes() - pipesInicio_ == 4;
        enLinea_ = false;
        huboLinea_ = true;
        finLinea_ = at;
        finEnCr_ = cr;
    }

    // The line before the breaks that end at `at` joins the run when it is a
    // closing record and they are exactly CR LF; otherwise the run is over.
    void cierraSaltos(std::uint64_t at, char antes) {
        if (!huboLinea_) {
            return;
        }
        if (lineaFea_ && at - finLinea_ == 2 && finEnCr_ && antes == '\n') {
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
    std::uint64_t offset_ = 0;
    char ultimo_ = '\n';

    std::uint64_t inicioCampo_ = 0;
    std::string arrastre_;  // the open field's first bytes from earlier pieces

    bool saltoAntes_ = true;  // the byte before the block is a line break, or there is none
    std::uint64_t pipesAntes_ = 0;
    bool enLinea_ = false;
    std::uint64_t inicioLinea_ = 0;
    std::uint64_t pipesInicio_ = 0;
    std::array<char, kCabeza> cabeza_{};
    std::size_t largoCabeza_ = 0;

    bool huboLinea_ = false;
    bool lineaFea_ = false;
    std::uint64_t finLinea_ = 0;
    bool finEnCr_ = false;

    std::size_t registros201_ = 0;
    std::size_t cuenta_ = 0;
    std::uint64_t inicioRun_ = 0;
};

}  // namespace

struct EscaneaArchivo::Estado {
    explicit Estado(std::size_t maxCurps) : escaner(maxCurps) {}
    Escaner escaner;
};

EscaneaArchivo::EscaneaArchivo(std::size_t maxCurps)
    : estado_(std::make_unique<Estado>(maxCurps)) {}

EscaneaArchivo::~EscaneaArchivo() = default;

void EscaneaArchivo::lee(std::string_view piece) {
    if (!piece.empty()) {
        estado_->escaner.lee(piece);
    }
}

EscaneoArchivo EscaneaArchivo::termina() {
    return estado_->escaner.termina();
}

std::error_code escaneaArchivo(const std::string& path, std::size_t maxCurps, EscaneoArchivo& out) {
    EscaneaArchivo escaneo(maxCurps);
    std::vector<char> buffer(kPiezaLectura);
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
