#include "cycle/EnviaArchivos.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <unordered_set>
#include <vector>

#include "cycle/LineRepair.h"
#include "cycle/RecogeRutasAdicionales.h"
#include "cycle/RegresaArchivosRutas.h"
#include "logview/DailyLog.h"
#include "manual/ArchivosaEnviar.h"
#include "names/FileNames.h"
#include "names/SentRegistry.h"
#include "names/WorkDirs.h"
#include "platform/DateText.h"
#include "platform/FileSystem.h"
#include "platform/FolderIndex.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "signing/FirmaArchivo.h"
#include "signing/SigningCodes.h"
#include "transport/FtpSession.h"

namespace torva {
namespace {

void setEvento(CycleContext& ctx, std::string text) {
    ctx.captions.set(Caption::Evento, std::move(text));
}

// The document type the signing library is told, by the name's first letters.
std::optional<std::uint8_t> tipoDocumento(std::string_view lowerName) {
    if (lowerName.empty()) {
        return std::nullopt;
    }
    switch (lowerName[0]) {
        case 'm':
            return firma::kTipoPedimento;
        case 'c':
            return firma::kTipoC;
        case 't':
            return firma::kTipoT;
        case 'e':
            if (lowerName.size() > 1 && lowerName[1] == 'a') {
                return firma::kTipoEA;
            }
            if (lowerName.size() > 1 && lowerName[1] == 'b') {
                return firma::kTipoEB;
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

std::string horaMinutos(const LocalDateTime& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d ", t.hour, t.minute);
    return text;
}

// The folder of a pass's copies, listed when first needed.
class LazyIndex {
  public:
    explicit LazyIndex(std::string directory) : directory_(std::move(directory)) {}
    FolderIndex& get() {
        if (!index_) {
            index_.emplace(directory_);
        }
        return *index_;
    }

  private:
    std::string directory_;
    std::optional<FolderIndex> index_;
};

// Copies the file into a folder of the pass under its name in lower case.
bool copiaA(CycleContext& ctx, const std::string& path, const std::string& name,
            LazyIndex& folder) {
    FolderIndex& index = folder.get();
    if (copyFileKeepTimeExact(path, index.pathOf(name))) {
        setEvento(ctx, "ERROR, no se pudo copiar " + name + " a " + index.directory());
        return false;
    }
    index.added(name);
    return true;
}

struct Pass {
    CycleContext& ctx;
    WorkDirs dirs;
    FtpSession session;
    FolderIndex send;
    LazyIndex pending;
    LazyIndex sent;
    LazyIndex rejected;
    // The day's log, in the receive folder: looked for when a file has gone
    // out, and that folder listed only when the log is not there as named.
    LazyIndex receive;
    std::string logName;
    std::string registryPath;
    std::string log;

    const std::string& logPath() {
        if (log.empty()) {
            const std::string named = joinPath(dirs.receive, logName);
            log = isRegularFileExact(named) ? named : receive.get().pathOf(logName);
        }
        return log;
    }
    bool sinFirmador = false;  // told once per pass
};

// The new files of the patente and the send letters, in lower case. On
// POSIX an upper-case name on disk is found through the send folder's index.
std::vector<std::string> buscaNuevos(Pass& pass, const std::vector<DirEntry>& entries,
                                     const SentRegistry& registry) {
    const ConfigRecord& config = pass.ctx.config;
    const std::string patente = config.patente();
    const std::string& letters = config.get(slot::kSendLetters);
    std::vector<std::string> queue;
    std::unordered_set<std::string> queued;  // names that differ only in case (POSIX) go once
    for (const DirEntry& entry : entries) {
        const std::string& n = entry.name;
        const NameParts parts = parseName(n);
        if (tieneControl(n) || esArchivoError(n) || !cumpleLongitud(n, parts) ||
            !cumplePatente(parts, patente) || entry.isDirectory || !cumpleLetra(n, letters)) {
            continue;
        }
        const auto modified = modificationTime(pass.send.pathOf(n));
        if (!modified) {
            continue;  // gone since the listing
        }
        std::string lower = asciiLower(n);
        if (!registry.holds(lower, fileTimeText(*modified)) && queued.insert(lower).second) {
            queue.push_back(std::move(lower));
        }
    }
    return queue;
}

// Repairs and signs the file when signing is on and its type is signed;
// false when it must not be sent in this pass.
bool firmaSiToca(Pass& pass, const std::string& path, const std::string& name) {
    CycleContext& ctx = pass.ctx;
    const auto tipo = tipoDocumento(name);
    if (!ctx.config.flag(slot::kSign) || !tipo) {
        return true;
    }
    if (!ctx.signer) {
        if (!pass.sinFirmador) {
            pass.sinFirmador = true;
            showCritical(ctx.dialogs,
                         "ERROR, fue imposible generar la Firma Digital: no está disponible la "
                         "biblioteca de firma.");
        }
        return false;
    }
    if (*tipo == firma::kTipoPedimento) {
        // A repair that fails has told the operator; the file is signed as it stands.
        (void)AjustaRegistros(path, ctx.config, ctx.dialogs);
    }
    std::string signedPath = path;
    std::uint8_t t = *tipo;
    return ok(FirmaArchivo(signedPath, t, ctx.config, *ctx.signer, ctx.dialogs));
}

// A local write that the record of a sent file needs has failed. Going on
// would upload the file again at every pass, or never fetch its response:
// the operator is told and the pass ends, stopping the cycle.
void detienePorEscritura(CycleContext& ctx, const std::string& text) {
    setEvento(ctx, text);
    showCritical(ctx.dialogs, text + ". Se detiene el ciclo de validación.");
    ctx.cycle.stopRequested = true;
}

// Takes back a copy made for a file that did not go out, unless it replaced
// one of an earlier send.
void deshazCopia(LazyIndex& folder, const std::string& name, bool existia) {
    if (existia) {
        return;
    }
    FolderIndex& index = folder.get();
    if (!removeFile(index.pathOf(name))) {
        index.removed(name);
    }
}

void envia(Pass& pass, const std::string& path, const std::string& name) {
    CycleContext& ctx = pass.ctx;
    setEvento(ctx, "Enviando " + name);
    // Taken before the upload: a file rewritten meanwhile has a newer time
    // than its registry line and goes out again at the next pass.
    const auto modified = modificationTime(path);
    if (!modified) {
        return;
    }
    // The copies that record the file come first: a file on the server
    // without its marker would never have its response fetched.
    const bool habiaMarca = pass.pending.get().contains(name);
    if (!copiaA(ctx, path, name, pass.pending)) {
        detienePorEscritura(ctx, "ERROR, no se pudo copiar " + name + " a " + pass.dirs.pending +
                                     ", el archivo no se envió");
        return;
    }
    const bool habiaCopia = pass.sent.get().contains(name);
    if (!copiaA(ctx, path, name, pass.sent)) {
        deshazCopia(pass.pending, name, habiaMarca);
        detienePorEscritura(ctx, "ERROR, no se pudo copiar " + name + " a " + pass.dirs.sent +
                                     ", el archivo no se envió");
        return;
    }
    if (const FtpCode code = SendFile(pass.session, path, remote::uploadPath(name)); !ok(code)) {
        // Untouched for the next pass.
        deshazCopia(pass.pending, name, habiaMarca);
        deshazCopia(pass.sent, name, habiaCopia);
        ctx.faults.fail(name);
        if (!ctx.ftp.IsConnected()) {
            // Without a session the rest wait for the next pass instead of
            // each waiting out its own time-out.
            ctx.faults.sessionLost = true;
        } else {
            Error(ctx.dialogs, codeNumber(code));  // the server refused this file alone
        }
        return;
    }
    const std::string hora = formatTime(ctx.clock.now());
    const bool sinLinea = static_cast<bool>(
        appendDailyLogExact(pass.logPath(), {logLine(LogKind::Enviado, name, hora)}));
    ctx.lists.add(ListId::Enviados, logEntry(name, formatTime(ctx.clock.now())));
    // Written even when the log failed: it is what keeps the file from going out again.
    const bool sinRegistro =
        static_cast<bool>(appendRegistryLine(pass.registryPath, name, *modified));
    if (sinRegistro || sinLinea) {
        detienePorEscritura(ctx, "ERROR, no se pudo escribir en " +
                                     (sinRegistro ? pass.registryPath : pass.logPath()) +
                                     " después de enviar " + name);
    }
}

void rechaza(Pass& pass, const std::string& path, const std::string& name, bool diaCorrecto) {
    CycleContext& ctx = pass.ctx;
    if (!isDirectory(pass.dirs.rejected) && makeDirectory(pass.dirs.rejected)) {
        setEvento(ctx, "ERROR, no se pudo crear la carpeta " + pass.dirs.rejected);
        return;
    }
    // Without its copy in Rechaza the file stays where it is.
    if (!copiaA(ctx, path, name, pass.rejected)) {
        return;
    }
    std::string failure;
    if (!isReadOnly(path)) {
        if (removeFile(path)) {
            failure = "ERROR, no se pudo borrar " + path;
        } else {
            pass.send.removed(fileNameOf(path));
        }
    }
    setEvento(ctx, "Rechazando " + name);
    ctx.lists.add(ListId::Rechazados, name + " " + horaMinutos(ctx.clock.now()) +
                                          (diaCorrecto ? "  FOLIOS MAL" : " JULIANO MAL"));
    if (!failure.empty()) {
        setEvento(ctx, failure);
    }
}

}  // namespace

void EnviaArchivos(CycleContext& ctx) {
    setEvento(ctx, "Inicia envío de Archivos de Validación");
    const bool rutas = ctx.config.flag(slot::kRoutes);
    const WorkDirs dirs = workDirs(ctx.config);

    std::error_code ec;
    const SentRegistry registry = SentRegistry::read(dirs.registry, ec);
    if (ec) {
        // Without the registry every file would go out again.
        setEvento(ctx, "ERROR, no se pudo leer " + dirs.registry);
        return;
    }
    if (rutas) {
        RecogeRutasAdicionales(ctx, registry);
    }
    const std::string sendDir = resolvePath(dirs.send);
    std::vector<DirEntry> entries = listDirectory(sendDir, ec);
    if (ec) {
        setEvento(ctx, "ERROR, no se pudo leer la carpeta " + dirs.send);
        return;
    }
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return ordenNtfs(a.name, b.name); });

    Pass pass{ctx,
              dirs,
              FtpSession{ctx.ftp, ctx.config, ctx.captions, ctx.dialogs, &ctx.letterOffset},
              FolderIndex(sendDir, entries),
              LazyIndex(dirs.pending),
              LazyIndex(dirs.sent),
              LazyIndex(dirs.rejected),
              LazyIndex(dirs.receive),
              fileNameOf(dailyLogPath(ctx.config, ctx.julianDay)),
              resolvePath(dirs.registry),
              {}};

    ctx.lists.set(ListId::SendFiles, buscaNuevos(pass, entries, registry));

    if (!ctx.config.flag(slot::kAutoSend) && !ctx.lists.get(ListId::SendFiles).empty()) {
        ArchivosaEnviar seleccion(ctx.lists, ctx.cycle, ctx.dialogs, sendDir);
        ctx.dialogs.chooseFiles(seleccion);
    }

    const std::vector<std::string> queue = ctx.lists.get(ListId::SendFiles);
    const std::string& lower = ctx.config.get(slot::kLowerFolio);
    const std::string& upper = ctx.config.get(slot::kUpperFolio);
    for (const std::string& name : queue) {
        if (ctx.transfersEnded()) {
            break;  // the rest stay untouched for the next pass
        }
        const std::string path = pass.send.pathOf(name);
        if (!isRegularFile(path) || !firmaSiToca(pass, path, name)) {
            continue;  // gone since the scan, or not signed: tried again next pass
        }
        const NameParts parts = parseName(name);
        const bool diaCorrecto = cumpleDia(parts, ctx.julianDay);
        if (diaCorrecto && cumpleFolio(parts, lower, upper)) {
            envia(pass, path, name);
        } else {
            rechaza(pass, path, name, diaCorrecto);
        }
    }

    if (rutas) {
        RegresaArchivosRutas(ctx);
    }
}

}  // namespace torva
