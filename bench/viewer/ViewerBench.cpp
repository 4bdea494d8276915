// What an operator runs when opening a big file: a 50 MB validation file
// (100,000 lines of 500 characters, CR LF) opened through the main window's
// `MuestraArchivo` on the offscreen platform, next to `fold -w 102` (the same
// cut into rows) and `wc -l` reading the same file. Prints the time until
// the viewer shows its rows, the longest gap in the window's event processing
// meanwhile and the peak memory the load adds; each target with MET or
// MISSED; exits 1 on a miss.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <QAbstractItemModel>
#include <QApplication>
#include <QListView>
#include <QTimer>
#include <string>

#include "common/Verdicts.h"
#include "support/TempDir.h"
#include "ui/Form1.h"
#include "ui/FrmArchivos.h"

namespace {

using torva::bench::Verdicts;

using namespace torva;
using Steady = std::chrono::steady_clock;

constexpr int kLines = 100000;
constexpr int kLineLength = 500;

double secondsSince(Steady::time_point start) {
    return std::chrono::duration<double>(Steady::now() - start).count();
}

struct Quiet final : OperatorDialogs {
    DialogAnswer message(const std::string&, const std::string& text, DialogIcon,
                         DialogButtons) override {
        std::printf("  message: %s\n", text.c_str());
        return DialogAnswer::Ok;
    }
    void beep() override {}
    void setBusy(bool) override {}
    void showComponentError(int) override {}
};

// A field of /proc/self/status in kB, 0 when it cannot be read.
long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::atol(line.c_str() + key.size());
        }
    }
    return 0;
}

// Starts the peak resident size again from the present one.
bool resetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

double shell(const std::string& command) {
    const auto start = Steady::now();
    if (const int status = std::system(command.c_str()); status != 0) {
        std::printf("  (exit status %d: %s)\n", status, command.c_str());
    }
    return secondsSince(start);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    test::TempDir folder;
    const std::string name = "m1234001.343";
    const std::string path = folder.file(name);
    {
        std::ofstream out(path, std::ios::binary);
        std::string line;
        for (int i = 0; i < kLines; ++i) {
            line.assign(kLineLength, static_cast<char>('A' + i % 26));
            std::snprintf(line.data(), 8, "%07d", i + 1);
            line[7] = '|';
            out << line << "\r\n";
        }
    }
    const double fileMb = static_cast<double>(kLines) * (kLineLength + 2) / 1e6;
    std::printf("File of %d lines of %d characters (%.1f MB), opened in the viewer\n", kLines,
                kLineLength, fileMb);

    // The peers read the file from the page cache, as the window does.
    shell("cat '" + path + "' > /dev/null");
    const double fold = shell("fold -w 102 '" + path + "' > /dev/null");
    const double wc = shell("wc -l '" + path + "' > /dev/null");
    std::printf("  fold -w 102: %.3f s   wc -l: %.3f s\n", fold, wc);

    Quiet dialogs;
    SettableClock clock{{2026, 12, 9, 9, 30, 0}};
    ui::Form1 form(dialogs, clock, HostIdentity{"pc", "127.0.0.1"});
    form.resize(1000, 700);
    form.show();
    form.grab();
    QCoreApplication::processEvents();

    double longestGap = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(5);
    auto last = Steady::now();
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const auto now = Steady::now();
        longestGap = std::max(longestGap, std::chrono::duration<double>(now - last).count());
        last = now;
    });

    const long rssBefore = statusKb("VmRSS");
    const bool peakReset = resetPeak();
    probe.start();
    const auto begin = Steady::now();
    last = begin;
    form.MuestraArchivo(name, folder.path());
    const double loaded = secondsSince(begin);
    auto* viewer = form.findChild<ui::FrmArchivos*>(QStringLiteral("frmArchivos"));
    auto* list = viewer ? viewer->findChild<QListView*>(QStringLiteral("LstArchivos")) : nullptr;
    if (!list || !viewer->isVisible()) {
        std::printf("INCOMPLETE: the viewer did not show\n");
        return 1;
    }
    viewer->grab();  // the first rows painted
    const double shown = secondsSince(begin);
    // What is left of the event processing after the paint.
    last = Steady::now();
    QCoreApplication::processEvents();
    probe.stop();
    const long peak = statusKb("VmHWM");
    const long rssAfter = statusKb("VmRSS");
    const int rows = list->model()->rowCount();
    const double growthMb = static_cast<double>(peak - rssBefore) / 1024.0 * 1.048576;

    std::printf(
        "  %d rows; rows loaded in %.3f s, shown and painted in %.3f s; longest gap in "
        "event processing %.0f ms\n",
        rows, loaded, shown, longestGap * 1000);
    std::printf("  resident before %.1f MB, peak %.1f MB%s, after %.1f MB\n",
                static_cast<double>(rssBefore) / 1024.0 * 1.048576,
                static_cast<double>(peak) / 1024.0 * 1.048576,
                peakReset ? "" : " (since start: the peak could not be reset)",
                static_cast<double>(rssAfter) / 1024.0 * 1.048576);

    Verdicts verdicts;
    if (rows != kLines * 5) {
        std::printf("INCOMPLETE: %d rows, expected %d\n", rows, kLines * 5);
        return 1;
    }
    verdicts.check("time to show the rows, times fold -w 102", shown / fold, 3.0, "x");
    verdicts.check("time to show the rows", shown, 1.5, " s");
    verdicts.check("longest gap in event processing", longestGap * 1000, 200, " ms");
    verdicts.check("peak memory added, times the file's size", growthMb / fileMb, 3.0, "x");
    return verdicts.allMet ? 0 : 1;
}
