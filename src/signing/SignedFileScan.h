#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// One reading of a file to be signed, in pieces: what the whole-file
// functions of signing/SignedFile.h would find in it, without holding it.
namespace torva {

// The size of the pieces a file to be signed is read in.
inline constexpr std::size_t kPiezaLectura = 256 * 1024;

struct EscaneoArchivo {
    std::uint64_t size = 0;
    // buscaCurps(bytes, max).
    std::vector<std::string> curps;
    // cuentaRegistros(bytes, "201"); the closing records are never 201, so
    // it is also the count of the content.
    std::size_t registros201 = 0;
    // buscaFirmasFinales(bytes): where the trailing closing records begin
    // (size when there are none) and how many there are.
    std::uint64_t inicioFirmas = 0;
    std::size_t firmasFinales = 0;
    // The file has no line end after its last line, and that line has
    // closing-record form.
    bool terminaEnFeaSinFin = false;
    // The last byte is CR or LF (false for an empty file).
    bool terminaEnSalto = false;
};

// Takes the file's bytes piece by piece.
class EscaneaArchivo {
  public:
    explicit EscaneaArchivo(std::size_t maxCurps);
    ~EscaneaArchivo();
    EscaneaArchivo(const EscaneaArchivo&) = delete;
    EscaneaArchivo& operator=(const EscaneaArchivo&) = delete;

    void lee(std::string_view piece);
    EscaneoArchivo termina();

  private:
    struct Estado;
    std::unique_ptr<Estado> estado_;
};

// The file read in pieces.
std::error_code escaneaArchivo(const std::string& path, std::size_t maxCurps, EscaneoArchivo& out);

// The same over bytes in memory, cut in pieces of the given size.
EscaneoArchivo escaneaBytes(std::string_view bytes, std::size_t maxCurps, std::size_t piece);

}  // namespace torva
