#include "cycle/BuscaRespuestas.h"

#include <algorithm>
#include <future>
#include <optional>
#include <set>
#include <unordered_map>
#include <vector>

#include "cycle/DistribuyeRespuestas.h"
#include "cycle/NombreRespuesta.h"
#include "cycle/PatenteFiles.h"
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

// What the server shows in "ENV/", listed once per search.
struct Publicados {
    enum class Estado { SinListar, Listados, SinLista, SinConexion } estado = Estado::SinListar;
    // Folded, as the server may not keep case -> the name as listed.
    std::unordered_map<std::string, std::string> nombres;
};

void lista(FtpSession& session, Publicados& publicados) {
    if (const ConnectCode c = ConnectToHost(session); !ok(c)) {
        session.captions.set(Caption::Evento, "ERROR en conexión " + std::to_string(codeNumber(c)));
        publicados.estado = Publicados::Estado::SinConexion;
        return;
    }
    std::vector<std::string> names;
    if (!ok(session.client.ListNames("ENV", names))) {
        // Refused: one download attempt per marker instead. Timed out: the
        // session is gone and the markers wait for the next pass.
        publicados.estado = session.client.IsConnected() ? Publicados::Estado::SinLista
                                                         : Publicados::Estado::SinConexion;
        return;
    }
    for (std::string& name : names) {
        publicados.nombres.emplace(foldName(name), std::move(name));
    }
    publicados.estado = Publicados::Estado::Listados;
}

// A response fetched, waiting for the batch's commit.
struct Recibida {
    std::string marca;
    std::string nombre;
    std::string local;
};

// What a download of an absent response shows, without the round trip.
void pendiente(CycleContext& ctx, const std::string& remotePath) {
    const int n = numLetras(std::string_view(remotePath).substr(0, 1), ctx.letterOffset);
    setEvento(ctx, "Pendiente - " + rightChars(remotePath, static_cast<std::size_t>(n)));
}

// What the fetched responses leave: their markers gone (removed together),
// their list entries, and their lines among the batch's log lines. An empty
// response is removed and its marker stays.
void asienta(CycleContext& ctx, const std::vector<Recibida>& puestas, FolderIndex& pending,
             std::vector<std::string>& lineas) {
    std::vector<const Recibida*> llegadas;
    std::vector<std::string> marcas;
    for (const Recibida& r : puestas) {
        const auto size = fileSize(r.local);  // none for a file gone or not a file
        if (!size) {
            continue;  // the marker stays
        }
        if (*size == 0) {
            // Empty: removed, and the marker stays so the next search tries again.
            if (removeFile(r.local)) {
                setEvento(ctx, "ERROR, no se pudo borrar " + r.local);
            }
            continue;
        }
        llegadas.push_back(&r);
        marcas.push_back(pending.pathOf(r.marca));
    }
    const std::vector<std::error_code> borradas = removeFiles(marcas);
    for (std::size_t i = 0; i < llegadas.size(); ++i) {
        const Recibida& r = *llegadas[i];
        if (borradas[i]) {
            setEvento(ctx, "ERROR, no se pudo borrar la marca " + marcas[i]);
        } else {
            pending.removed(r.marca);
        }
        const std::string hora = formatTime(ctx.clock.now());
        lineas.push_back(logLine(LogKind::Recibido, r.nombre, hora));
        ctx.lists.add(ListId::Recibidos, logEntry(r.nombre, hora));
    }
}

// The fetched responses reach the disk together, before any marker goes;
// then each is recorded, and the log gets the batch's lines in one write.
void asientaLote(CycleContext& ctx, const std::vector<Recibida>& recibidas,
                 const FolderIndex& receive, FolderIndex& pending, const std::string& logPath) {
    std::set<std::string> sinAsentar;
    if (!ok(ctx.ftp.CommitDownloadBatch())) {
        for (const FtpFileFailure& f : ctx.ftp.LastReport().failedFiles) {
            sinAsentar.insert(f.name);
        }
        if (sinAsentar.empty()) {
            for (const Recibida& r : recibidas) {
                sinAsentar.insert(r.local);
            }
        }
    }
    std::vector<Recibida> puestas;
    for (const Recibida& r : recibidas) {
        if (sinAsentar.count(r.local) != 0) {
            setEvento(ctx, "ERROR, no se pudo escribir " + r.local);
            ctx.faults.fail(r.nombre);  // the marker stays for the next search
            continue;
        }
        // Fetched under the name as written: an older file under another
        // case is the same file to the operator, and is replaced.
        Recibida enSuLugar = r;
        enSuLugar.local = receive.pathOf(r.nombre);
        if (enSuLugar.local != r.local && moveFileReplaceExact(r.local, enSuLugar.local)) {
            (void)removeFile(r.local);
            setEvento(ctx, "ERROR, no se pudo escribir " + enSuLugar.local);
            ctx.faults.fail(r.nombre);
            continue;
        }
        puestas.push_back(std::move(enSuLugar));
    }
    std::vector<std::string> lineas;
    asienta(ctx, puestas, pending, lineas);
    if (appendDailyLogExact(logPath, lineas)) {
        setEvento(ctx, "ERROR, no se pudo escribir en " + logPath);
    }
}

}  // namespace

void ListaPendientes(CycleContext& ctx) {
    const std::string pending = workDirs(ctx.config).pending;
    ctx.cycle.pendingListingPath = pending;
    std::error_code ec;
    ctx.cycle.pendingListing = filesOf(pending, ec);
    if (ec) {
        setEvento(ctx, "ERROR: No se pudo leer el directorio " + pending);
    }
}

void BuscaRespuestas(CycleContext& ctx) {
    const WorkDirs dirs = workDirs(ctx.config);
    const std::string pendingDir = resolvePath(
        ctx.cycle.pendingListingPath.empty() ? dirs.pending : ctx.cycle.pendingListingPath);
    // A copy: a marker uploaded during this pass waits for the next listing.
    const std::vector<std::string> marcas = ctx.cycle.pendingListing;

    if (!marcas.empty() && !ctx.transfersEnded()) {
        const std::string patente = ctx.config.patente();
        const std::string& sendLetters = ctx.config.get(slot::kSendLetters);
        const std::string& receiveLetters = ctx.config.get(slot::kReceiveLetters);
        // Each marker's parts and response name; another patente's marker,
        // or a letter that is not configured, has none.
        std::vector<NameParts> partes;
        std::vector<std::optional<std::string>> nombres;
        partes.reserve(marcas.size());
        nombres.reserve(marcas.size());
        const std::string logName = fileNameOf(dailyLogPath(ctx.config, ctx.julianDay));
        std::vector<std::string> buscados{logName};
        for (const std::string& marca : marcas) {
            partes.push_back(parseName(marca));
            nombres.push_back(partes.back().patente == patente
                                  ? nombreRespuesta(marca, sendLetters, receiveLetters)
                                  : std::nullopt);
            if (nombres.back()) {
                buscados.push_back(*nombres.back());
            }
        }
        // The receive folder is read once, for these names only, on a thread
        // of its own while the responses are fetched.
        const std::string receiveDir = resolvePath(dirs.receive);
        std::future<FolderIndex> lectura =
            std::async(std::launch::async, [dir = receiveDir, buscados = std::move(buscados)] {
                return FolderIndex(dir, buscados);
            });
        FtpSession session{ctx.ftp, ctx.config, ctx.captions, ctx.dialogs, &ctx.letterOffset};
        FolderIndex pending(pendingDir);
        Publicados publicados;
        std::vector<Recibida> recibidas;
        ctx.ftp.BeginDownloadBatch();

        for (std::size_t i = 0; i < marcas.size(); ++i) {
            if (ctx.transfersEnded()) {
                break;  // the rest wait for the next search
            }
            const std::string& marca = marcas[i];
            setEvento(ctx, "Inicia la busqueda de repuesta");
            const NameParts& parts = partes[i];
            ctx.letterOffset = parts.letterOffset;
            if (parts.patente != patente || !pending.contains(marca)) {
                continue;  // another patente's marker, or one taken away since the listing
            }
            // A letter that is not configured has no response name: the marker stays.
            const std::optional<std::string>& nombre = nombres[i];
            if (!nombre) {
                continue;
            }
            std::string remotePath = remote::responsePath(*nombre);
            setEvento(ctx, "Buscando archivo " + *nombre);

            if (publicados.estado == Publicados::Estado::SinListar) {
                lista(session, publicados);
            }
            if (publicados.estado == Publicados::Estado::SinConexion) {
                ctx.faults.sessionLost = true;
                ctx.faults.fail(*nombre);
                break;  // every marker stays for the next search
            }
            if (publicados.estado == Publicados::Estado::Listados) {
                const auto publicado = publicados.nombres.find(foldName(*nombre));
                if (publicado == publicados.nombres.end()) {
                    pendiente(ctx, remotePath);
                    continue;
                }
                // Asked for as the server spells it.
                remotePath = remote::responsePath(publicado->second);
            }
            // As written: the receive folder's reading is waited for only
            // when the batch is put in place.
            const std::string local = joinPath(receiveDir, *nombre);
            if (!ok(ReceiveFile(session, local, remotePath))) {
                if (!ctx.ftp.IsConnected()) {
                    ctx.faults.sessionLost = true;
                    ctx.faults.fail(*nombre);
                } else if (publicados.estado == Publicados::Estado::Listados) {
                    ctx.faults.fail(*nombre);  // published, and still not fetched
                }
                continue;
            }
            recibidas.push_back({marca, *nombre, local});
        }

        // The log lives in the receive folder: found through its index, so
        // the day's first line costs no second listing of a big folder.
        const FolderIndex receive = lectura.get();
        const std::string logPath = receive.pathOf(logName);
        if (appendDailyLogExact(logPath, {})) {
            setEvento(ctx, "ERROR, no se pudo abrir " + logPath);
        }
        asientaLote(ctx, recibidas, receive, pending, logPath);
    }

    if (ctx.config.flag(slot::kRoutes)) {
        DistribuyeRespuestas(ctx);
    }
}

}  // namespace torva
