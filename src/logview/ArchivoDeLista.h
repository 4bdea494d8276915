#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state/ConfigRecord.h"
#include "state/MainObserver.h"

namespace torva {

// The file a row of a day list names, and the folder it is kept in.
struct ArchivoDeLista {
    std::string name;
    std::string dir;
    int length = 12;  // the name length n
};

// The row begins with the file name: its first n characters, n being
// `numLetras` of the first character for `LstEnviados`, `LstPendientes` and
// `LstRechazados` (files in "Enviados", "Pend" and "Rechaza" of the send
// folder), and for `LstRecibidos` (the receive folder) 15 when the first
// character is x or a (either case) and the ninth is not ".", 12 otherwise.
// `numLetras` leaves its letter offset as it always does. Nothing for
// another list.
std::optional<ArchivoDeLista> archivoDeLista(ListId list, std::string_view row,
                                             const ConfigRecord& config,
                                             std::int16_t& letterOffset);

}  // namespace torva
