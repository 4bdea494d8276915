#include "cycle/BuscaRespuestas.h"

#include <algorithm>
#include <optional>
#include <unordered_set>
#include <vector>

#include "cycle/DistribuyeRespuestas.h"
#include "cycle/NombreRespuesta.h"
#include "logview/DailyLog.h"
#include "names/FileNames.h"
#include "names/WorkDirs.h"
#include "platform/DateText.h"
#include "platform/FileSystem.h"
#include "platform/FolderIndex.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "transport/FtpSession.h"

namespace torva {
namespace {

void setEvento(CycleContext& ctx, std::string text) {
    ctx.captions.set(Caption::Evento, std::move(text));
}

// The pending markers: the files of the pending listing, in name order.
std::vector<std::string> marcasPendientes(const std::string& directory) {
    std::vector<std::string> names;
    std::error_code ec;
    for (DirEntry& entry : listDirectory(directory, ec)) {
        if (!entry.isDirectory) {
            names.push_back(std::move(entry.name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// What the server shows in "ENV/", listed once per search.
struct Publicados {
    enum class Estado { SinListar, Listados, SinLista, SinConexion } estado = Estado::SinListar;
    std::unordered_set<std::string> nombres;  // folded, as the server may not keep case
};

void lista(FtpSession& session, Publicados& publicados) {
    if (const ConnectCode c = ConnectToHost(session); !ok(c)) {
        session.captions.set(Caption::Evento, "ERROR en conexión " + std::to_string(codeNumber(c)));
        publicados.estado = Publicados::Estado::SinConexion;
        return;
    }
    std::vector<std::string> names;
    if (!ok(session.client.ListNames("ENV", names))) {
        // Refused or failed: one download attempt per marker instead.
        publicados.estado = Publicados::Estado::SinLista;
        return;
    }
    for (const std::string& name : names) {
        publicados.nombres.insert(foldName(name));
    }
    publicados.estado = Publicados::Estado::Listados;
}

// What a download of an absent response shows, without the round trip.
void pendiente(CycleContext& ctx, const std::string& remotePath) {
    const int n = numLetras(std::string_view(remotePath).substr(0, 1), ctx.letterOffset);
    setEvento(ctx, "Pendiente - " + rightChars(remotePath, static_cast<std::size_t>(n)));
}

}  // namespace

void BuscaRespuestas(CycleContext& ctx) {
    const WorkDirs dirs = workDirs(ctx.config);
    const std::string pendingDir = resolvePath(
        ctx.cycle.pendingListingPath.empty() ? dirs.pending : ctx.cycle.pendingListingPath);
    const std::vector<std::string> marcas = marcasPendientes(pendingDir);

    if (!marcas.empty()) {
        const std::string logPath = resolvePath(dailyLogPath(ctx.config, ctx.julianDay));
        if (appendDailyLog(logPath, {})) {
            setEvento(ctx, "ERROR, no se pudo abrir " + logPath);
        }
        const std::string patente = ctx.config.patente();
        const std::string& sendLetters = ctx.config.get(slot::kSendLetters);
        const std::string& receiveLetters = ctx.config.get(slot::kReceiveLetters);
        FtpSession session{ctx.ftp, ctx.config, ctx.captions, ctx.dialogs, &ctx.letterOffset};
        FolderIndex receive(dirs.receive);
        Publicados publicados;

        for (const std::string& marca : marcas) {
            setEvento(ctx, "Inicia la busqueda de repuesta");
            const NameParts parts = parseName(marca);
            ctx.letterOffset = parts.letterOffset;
            if (parts.patente != patente) {
                continue;  // another patente's marker
            }
            // A letter that is not configured has no response name: the marker stays.
            const auto nombre = nombreRespuesta(marca, sendLetters, receiveLetters);
            if (!nombre) {
                continue;
            }
            const std::string remotePath = remote::responsePath(*nombre);
            const std::string local = receive.pathOf(*nombre);
            setEvento(ctx, "Buscando archivo " + *nombre);

            if (publicados.estado == Publicados::Estado::SinListar) {
                lista(session, publicados);
            }
            if (publicados.estado == Publicados::Estado::SinConexion) {
                break;  // every marker stays for the next search
            }
            if (publicados.estado == Publicados::Estado::Listados &&
                publicados.nombres.count(foldName(*nombre)) == 0) {
                pendiente(ctx, remotePath);
                continue;
            }
            if (!ok(ReceiveFile(session, local, remotePath)) || !isRegularFile(local)) {
                continue;
            }
            receive.added(fileNameOf(local));
            const auto size = fileSize(local);
            if (!size) {
                continue;  // unreadable: the marker stays
            }
            if (*size == 0) {
                // Empty: removed, and the marker stays so the next search tries again.
                if (removeFile(local)) {
                    setEvento(ctx, "ERROR, no se pudo borrar " + local);
                } else {
                    receive.removed(fileNameOf(local));
                }
                continue;
            }
            std::string failure;
            if (removeFile(joinPath(pendingDir, marca))) {
                failure = "ERROR, no se pudo borrar la marca " + joinPath(pendingDir, marca);
            }
            if (appendDailyLog(
                    logPath, {logLine(LogKind::Recibido, *nombre, formatTime(ctx.clock.now()))})) {
                failure = failure.empty() ? "ERROR, no se pudo escribir en " + logPath : failure;
            }
            ctx.lists.add(ListId::Recibidos, logEntry(*nombre, formatTime(ctx.clock.now())));
            if (!failure.empty()) {
                setEvento(ctx, failure);
            }
        }
    }

    if (ctx.config.flag(slot::kRoutes)) {
        DistribuyeRespuestas(ctx);
    }
}

}  // namespace torva
