// Times a busy office's first start of a day: the purge of 20,000 sent
// copies, 2,000 files in the receive folder, 1,000 pending markers and five
// route folders of 1,000 files each.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "cycle/DepuraArchivos.h"
#include "form/MainState.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

using namespace torva;
using Steady = std::chrono::steady_clock;

constexpr int kToday = 100;

std::string name(char letter, int folio, int day) {
    char text[32];
    std::snprintf(text, sizeof text, "%c1234%03d.%03d", letter, folio % 1000, day);
    return text;
}

void fill(const std::string& dir, char letter, int count, int firstDay, int days) {
    makeDirectory(dir);
    for (int i = 0; i < count; ++i) {
        const std::string path = joinPath(dir, name(letter, i, firstDay + (i / 1000) % days));
        test::writeBytes(path, "501|1234|\r\n");
    }
}

}  // namespace

int main() {
    test::TempDir dir;
    const std::string send = dir.file("env");
    const std::string receive = dir.file("rec");
    makeDirectory(send);
    // Sent copies of twenty days, half of them past the retention.
    fill(joinPath(send, "Enviados"), 'm', 20000, kToday - 29, 20);
    // Half yesterday's responses, half today's.
    fill(receive, 'r', 2000, kToday - 1, 2);
    fill(joinPath(send, "Pend"), 'm', 1000, kToday - 1, 1);
    std::vector<std::string> routes;
    for (int k = 0; k < 5; ++k) {
        routes.push_back(dir.file("ruta" + std::to_string(k)));
        fill(routes.back(), 'e', 1000, kToday - 1, 1);
    }

    test::ScriptedDialogs dialogs;
    SettableClock clock{{2026, 4, 10, 8, 0, 0}};
    MainPorts ports{dialogs, clock, {"pc", "127.0.0.1"}};
    MainState state;
    state.config.set(slot::kUser, "usuario1234");
    state.config.set(slot::kSendDir, send);
    state.config.set(slot::kReceiveDir, receive);
    state.config.set(slot::kRoutes, "1");
    state.config.set(slot::kPurge, "1");
    state.lists.set(ListId::EnvioLocal, routes);
    state.julianDay = kToday;
    CycleContext ctx = cycleContext(state, ports);

    const auto start = Steady::now();
    DepuraArchivos(ctx);
    const double ms = std::chrono::duration<double, std::milli>(Steady::now() - start).count();
    std::error_code ec;
    std::printf(
        "DepuraArchivos: 20000 sent copies, 2000 received, 1000 markers, 5 routes of "
        "1000: %.1f ms (%zu sent copies and %zu received files left)\n",
        ms, listDirectory(joinPath(send, "Enviados"), ec).size(),
        listDirectory(receive, ec).size() - 1);
    std::printf("%s\n", state.captions.get(Caption::Evento).c_str());

    // The floor: the same 17,000 deletions and 1,000 copies, by name, with
    // nothing else.
    const std::string floorDir = dir.file("suelo");
    fill(floorDir, 'r', 18000, 1, 1);
    makeDirectory(joinPath(floorDir, "copias"));
    const auto floorStart = Steady::now();
    int i = 0;
    for (const auto& entry : std::filesystem::directory_iterator(toFsPath(floorDir))) {
        if (entry.is_directory()) {
            continue;
        }
        if (i++ < 1000) {
            std::filesystem::copy_file(
                entry.path(), toFsPath(joinPath(floorDir, "copias")) / entry.path().filename());
        }
        std::filesystem::remove(entry.path());
    }
    std::printf("floor, 17000 deletions and 1000 copies with nothing else: %.1f ms\n",
                std::chrono::duration<double, std::milli>(Steady::now() - floorStart).count());
    return 0;
}
