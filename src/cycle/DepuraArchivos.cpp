#include "cycle/DepuraArchivos.h"

#include <filesystem>
#include <functional>

#include "cycle/MismaCarpeta.h"
#include "cycle/PatenteFiles.h"
#include "cycle/PurgeRules.h"
#include "logview/DailyLog.h"
#include "names/WorkDirs.h"
#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/FolderIndex.h"
#include "platform/Paths.h"
#include "profiles/ConfigChecks.h"

namespace torva {
namespace {

// A name of a listing, with its Windows-1252 form for the tests by position.
struct Candidate {
    const DirEntry& entry;
    std::string ansi;
};

using Rule = std::function<bool(const Candidate&)>;

class Purga {
  public:
    explicit Purga(CycleContext& ctx)
        : ctx_(ctx),
          patente_(utf8ToAnsi(ctx.config.patente())),
          today_(ctx.julianDay),
          receive_(resolvePath(ctx.config.get(slot::kReceiveDir))) {}

    const std::string& patente() const { return patente_; }
    int today() const { return today_; }
    const std::string& receive() const { return receive_; }

    void fail(std::string text) {
        ctx_.captions.set(Caption::Evento, text);
        if (failures_++ == 0) {
            first_ = std::move(text);
        }
    }

    void end() {
        if (failures_ == 0) {
            ctx_.captions.set(Caption::Evento, "Listo para iniciar");
        } else if (failures_ == 1) {
            ctx_.captions.set(Caption::Evento, first_);
        } else {
            ctx_.captions.set(Caption::Evento, first_ + " (" + std::to_string(failures_) +
                                                   " fallas en la depuración)");
        }
    }

    // The entries of a folder, listed once; a missing folder has none.
    std::vector<DirEntry> list(const std::string& directory) {
        std::vector<DirEntry> entries;
        if (!isDirectory(directory)) {
            return entries;
        }
        std::error_code ec;
        entries = listDirectoryWithAttributes(directory, ec);
        if (ec) {
            fail("ERROR: No se pudo leer el directorio " + directory);
        }
        return entries;
    }

    void remove(const std::string& path) {
        if (removeFile(path)) {
            fail("ERROR, no se pudo borrar " + path);
        }
    }

    // A file of a listing, by its name as listed and known to be writable: no
    // further look-up.
    void removeListed(const std::string& directory, const DirEntry& entry) {
        const std::string path = joinPath(directory, entry.name);
        std::error_code ec;
        std::filesystem::remove(toFsPath(path), ec);
        if (ec) {
            fail("ERROR, no se pudo borrar " + path);
        }
    }

    // Deletes the writable files of the folder that the rule names.
    void deleteWhere(const std::string& folder, const Rule& rule) {
        const std::string directory = resolvePath(folder);
        for (const DirEntry& entry : list(directory)) {
            if (entry.isDirectory || entry.readOnly) {
                continue;
            }
            if (rule(Candidate{entry, utf8ToAnsi(entry.name)})) {
                removeListed(directory, entry);
            }
        }
    }

  private:
    CycleContext& ctx_;
    std::string patente_;
    int today_;
    std::string receive_;
    int failures_ = 0;
    std::string first_;
};

// The receive folder: the earlier days' responses and logs are copied to
// "Respalda" first; one that could not be copied stays.
void depuraRecibo(Purga& purga) {
    const std::string& receive = purga.receive();
    const std::string backup = resolvePath(joinPath(receive, "Respalda"));
    if (!isDirectory(backup) && makeDirectory(backup)) {
        purga.fail("ERROR, no se pudo crear la carpeta " + backup);
    }
    const std::vector<DirEntry> entries = purga.list(receive);
    FolderIndex copies(backup);
    for (const DirEntry& entry : entries) {
        if (entry.isDirectory) {
            continue;
        }
        const std::string ansi = utf8ToAnsi(entry.name);
        const bool dePatente =
            esDeLaPatenteCorta(ansi, purga.patente()) ||
            (purga.patente().size() == 4 && ansi.compare(0, 4, purga.patente()) == 0);
        if (!esDeOtroDia(ansi, purga.today()) || !dePatente) {
            continue;
        }
        const std::string path = joinPath(receive, entry.name);
        if (seRespalda(ansi, purga.patente())) {
            if (copyFileKeepTimeExact(path, copies.pathOf(entry.name))) {
                purga.fail("ERROR, no se pudo copiar " + entry.name + " a " + backup +
                           ", se conserva en " + receive);
                continue;
            }
            copies.added(entry.name);
        }
        if (!entry.readOnly) {
            purga.removeListed(receive, entry);
        }
    }
}

// Sent copies older than the nineteen days before today.
void depuraEnviados(Purga& purga, const std::string& sent) {
    purga.deleteWhere(sent, [&purga](const Candidate& c) {
        const auto day = terminacionDia(c.ansi);
        return day && venceCopiaEnviada(*day, purga.today());
    });
}

}  // namespace

void DepuraArchivos(CycleContext& ctx) {
    if (!ok(RevisaDir(ctx.profiles()))) {
        return;
    }
    if (pathExists(dailyLogPath(ctx.config, ctx.julianDay))) {
        return;
    }
    const BusyCursor busy(ctx.dialogs);
    ctx.lists.clear(ListId::Enviados);
    ctx.lists.clear(ListId::Recibidos);
    ctx.lists.clear(ListId::Rechazados);

    Purga purga(ctx);
    const WorkDirs dirs = workDirs(ctx.config);
    const std::string registry = resolvePath(dirs.registry);
    if (isRegularFile(registry) && !isReadOnly(registry)) {
        purga.remove(registry);
    }
    ctx.captions.set(Caption::Evento, "Depurando archivos del día anterior");

    const Rule cortaDeOtroDia = [&purga](const Candidate& c) {
        return esDeOtroDia(c.ansi, purga.today()) && esDeLaPatenteCorta(c.ansi, purga.patente());
    };
    // The send folder that is also the receive folder is left to the
    // receive folder's step, which keeps the responses.
    if (!mismaCarpeta(dirs.send, dirs.receive)) {
        purga.deleteWhere(dirs.send, cortaDeOtroDia);
    }
    purga.deleteWhere(dirs.pending, cortaDeOtroDia);
    purga.deleteWhere(dirs.rejected, cortaDeOtroDia);

    if (ctx.config.flag(slot::kRoutes)) {
        const std::string patente = ctx.config.patente();
        const Rule letraDeOtroDia = [&purga, &patente](const Candidate& c) {
            return esDeOtroDia(c.ansi, purga.today()) && esDeLaPatente(c.entry.name, patente);
        };
        // A route that is the receive folder is purged with it, after its
        // responses are copied.
        for (const std::string& route : ctx.lists.get(ListId::EnvioLocal)) {
            if (!mismaCarpeta(route, dirs.receive)) {
                purga.deleteWhere(route, letraDeOtroDia);
            }
        }
        for (const std::string& route : ctx.lists.get(ListId::ReciboLocal)) {
            if (!mismaCarpeta(route, dirs.receive)) {
                purga.deleteWhere(route, cortaDeOtroDia);
            }
        }
    }

    depuraRecibo(purga);
    const std::string aviso = resolvePath(joinPath(purga.receive(), "aviso.txt"));
    if (isRegularFile(aviso) && !isReadOnly(aviso)) {
        purga.remove(aviso);
    }
    depuraEnviados(purga, dirs.sent);
    purga.end();
}

}  // namespace torva
