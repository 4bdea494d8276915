// Times what an office's long day costs the cycle: reading back a 50,000-line
// daily log, listing 5,000 pending markers, and an idle running tick, first in
// the core alone and then with the main window showing the state.
#include <chrono>
#include <cstdio>
#include <QApplication>

#include "cycle/MuestraPendientes.h"
#include "cycle/TmrControl_Timer.h"
#include "form/MainState.h"
#include "logview/CargaBitacora.h"
#include "logview/DailyLog.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "ui/Form1.h"

namespace {

using namespace torva;
using Steady = std::chrono::steady_clock;

constexpr int kLogLines = 50000;
constexpr int kMarkers = 5000;
constexpr int kTicks = 1000;

double msSince(Steady::time_point start) {
    return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

std::string name(int i) {
    char text[32];
    std::snprintf(text, sizeof text, "m1234%03d.%03d", i % 1000, 1 + (i / 1000) % 343);
    return text;
}

void configure(ConfigRecord& config, const std::string& send, const std::string& receive) {
    config.set(slot::kUser, "usuario1234");
    config.set(slot::kSendDir, send);
    config.set(slot::kReceiveDir, receive);
}

// Loads the log and the markers into a state, timing each; then idle ticks.
void run(const char* title, MainState& state, MainPorts& ports, int julianDay) {
    CycleContext ctx = cycleContext(state, ports);
    auto start = Steady::now();
    CargaBitacora(state.config, julianDay, state.captions, state.lists);
    const double log = msSince(start);
    start = Steady::now();
    MuestraPendientes(ctx);
    const double pending = msSince(start);

    state.captions.set(Caption::StartButton, "&Detener");
    state.gauges.setCycleSeconds(300);
    state.cycle.elapsedSeconds = 1;
    state.gauges.setProgress(1);
    start = Steady::now();
    for (int i = 0; i < kTicks; ++i) {
        if (state.cycle.elapsedSeconds >= 299) {
            state.cycle.elapsedSeconds = 1;  // stay in the countdown, no pass
        }
        TmrControl_Timer(ctx);
    }
    const double tick = msSince(start) * 1000 / kTicks;
    std::printf("%-12s CargaBitacora %d lines: %7.1f ms (%zu + %zu entries)\n", title, kLogLines,
                log, state.lists.get(ListId::Enviados).size(),
                state.lists.get(ListId::Recibidos).size());
    std::printf("%-12s MuestraPendientes %d markers: %7.1f ms (%zu entries)\n", title, kMarkers,
                pending, state.lists.get(ListId::Pendientes).size());
    std::printf("%-12s idle running tick: %7.1f us\n", title, tick);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    test::TempDir dir;
    const std::string send = dir.file("envio");
    const std::string receive = dir.file("recibo");
    const std::string pend = joinPath(send, "Pend");
    for (const std::string& d : {send, receive, pend}) {
        makeDirectory(d);
    }
    ConfigRecord config;
    configure(config, send, receive);
    const int day = 343;
    std::vector<std::string> lines;
    lines.reserve(kLogLines);
    for (int i = 0; i < kLogLines; ++i) {
        lines.push_back(logLine(i % 2 ? LogKind::Recibido : LogKind::Enviado, name(i), "10:00:00"));
    }
    if (appendDailyLog(dailyLogPath(config, day), lines)) {
        std::fprintf(stderr, "cannot write the log\n");
        return 1;
    }
    for (int i = 0; i < kMarkers; ++i) {
        test::writeBytes(joinPath(pend, name(i)), "x");
    }

    test::ScriptedDialogs dialogs;
    SettableClock clock{{2026, 12, 9, 10, 0, 0}};
    {
        MainState state;
        MainPorts ports{dialogs, clock, {"pc", "127.0.0.1"}};
        configure(state.config, send, receive);
        run("core", state, ports, day);
    }
    {
        ui::Form1 form(dialogs, clock, HostIdentity{"pc", "127.0.0.1"});
        form.show();
        MainPorts ports{dialogs, clock, {"pc", "127.0.0.1"}};
        configure(form.state().config, send, receive);
        run("window", form.state(), ports, day);
    }
    return 0;
}
