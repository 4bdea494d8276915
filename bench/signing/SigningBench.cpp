// Signs a 5 MB and a 50 MB validation file in place with the OpenSSL signing
// library, as `FirmaArchivo` drives it (search, then signature), and reports
// the median time next to `openssl dgst -sha256 -sign` on the same file and
// key, with the peak memory the signature adds to the process (Linux). Each
// signature runs in a child process of its own, which starts its peak
// (VmHWM) again from its resident size before it signs, so no earlier round
// hides or adds memory. Prints each target with MET or MISSED and exits 1
// when one is missed. Needs the openssl command; the key and certificate are
// made with it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "signing/openssl/OpenSslSigningLibrary.h"
#include "signing/openssl/SignedFileCheck.h"
#include "signing/SigningCodes.h"

namespace {

const std::string kPass = "Bench#2024";

int run(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str());
}

// Written line by line, so that making the file costs the process no memory.
void makeFile(const std::string& path, std::size_t size) {
    std::ofstream out(path, std::ios::binary);
    std::size_t written = 0;
    const auto put = [&](const std::string& line) {
        out << line;
        written += line.size();
    };
    put("500|1|1234|3420|0|123456\r\n501|1234|4001234|GODE561231HDFRRN09|\r\n201|4001234|\r\n");
    for (int i = 0; written < size; ++i) {
        put("551|4001234|" + std::to_string(i) + "|8471300100|PIEZA|1000.00|USD|\r\n");
    }
    put("801|m1234001.123|1|99999|010|\r\n");
}

// A field of /proc/self/status in kB ("VmRSS", "VmHWM"), 0 when unknown.
long statusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::atol(line.c_str() + field.size() + 1);
        }
    }
    return 0;
}

// Starts the peak (VmHWM) again from the current resident size.
bool resetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return clear.good();
}

struct Round {
    double ms = -1;
    double peakMb = -1;  // resident memory added at the peak, -1 when unknown
};

// Runs f in a child process: its time and the peak memory it added.
template <typename F>
Round inChild(F&& f) {
    int fds[2];
    if (pipe(fds) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        Round r;
        const bool reset = resetPeak();
        const long before = statusKb("VmRSS");
        const auto start = std::chrono::steady_clock::now();
        const bool ok = f();
        const auto end = std::chrono::steady_clock::now();
        if (ok) {
            r.ms = std::chrono::duration<double, std::milli>(end - start).count();
            if (reset && before > 0) {
                r.peakMb = static_cast<double>(statusKb("VmHWM") - before) / 1024;
            }
        }
        const bool written = write(fds[1], &r, sizeof r) == static_cast<ssize_t>(sizeof r);
        _exit(written ? 0 : 1);
    }
    close(fds[1]);
    Round r;
    if (pid < 0 || read(fds[0], &r, sizeof r) != static_cast<ssize_t>(sizeof r)) {
        r = {};
    }
    close(fds[0]);
    int status = 0;
    if (pid > 0) {
        waitpid(pid, &status, 0);
    }
    return r;
}

struct Measure {
    double medianMs = -1;
    double peakMb = -1;  // the largest of the rounds
};

// prepare runs before each round, outside the time and the peak.
template <typename P, typename F>
Measure measure(int rounds, P&& prepare, F&& f) {
    Measure m;
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        prepare();
        const Round r = inChild(f);
        if (r.ms < 0) {
            return {};
        }
        times.push_back(r.ms);
        m.peakMb = std::max(m.peakMb, r.peakMb);
    }
    std::sort(times.begin(), times.end());
    m.medianMs = times[times.size() / 2];
    return m;
}

bool target(const char* what, bool met, const std::string& figure) {
    std::printf("  target: %s: %s: %s\n", what, figure.c_str(), met ? "MET" : "MISSED");
    return met;
}

std::string figure(double value, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text + std::string(unit);
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "torva-bench-signing";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string key = (dir / "agente.key").string();
    const std::string pem = (dir / "agente.pem").string();
    const std::string cer = (dir / "agente.cer").string();
    const std::string file = (dir / "m1234001.123").string();
    const std::string unsignedCopy = (dir / "unsigned").string();
    if (run("openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:2048 -aes-256-cbc -pass "
            "pass:" +
            kPass + " -out " + pem) ||
        run("openssl pkcs8 -topk8 -in " + pem + " -passin pass:" + kPass +
            " -outform DER -v2 aes-256-cbc -passout pass:" + kPass + " -out " + key) ||
        run("openssl req -x509 -new -key " + pem + " -passin pass:" + kPass +
            " -days 30 -subj /CN=bench -outform DER -out " + cer)) {
        std::fprintf(stderr, "the openssl command could not make the key and certificate\n");
        return 1;
    }

    torva::OpenSslSigningLibrary library;
    const auto signOnce = [&] {
        torva::RegistrosFirma records{};
        std::string path = file;
        if (!torva::ok(library.BuscaCurpsG(path, 0, records))) {
            return false;
        }
        torva::escribeCampo(records[0], torva::CampoFirma::ArchivoKey, key + '\0');
        torva::escribeCampo(records[0], torva::CampoFirma::ArchivoCer, cer + '\0');
        torva::escribeCampo(records[0], torva::CampoFirma::Contrasena, kPass + '\0');
        return library.GeneraFirmaDigitalG(path, 0, records) == torva::firma::kOk;
    };
    const auto cliOnce = [&] {
        return run("openssl dgst -sha256 -sign " + pem + " -passin pass:" + kPass + " -out " +
                   (dir / "sig.bin").string() + " " + file) == 0;
    };

    bool ok = true;
    struct Size {
        std::size_t bytes;
        int rounds;
        bool timeTarget;
    };
    for (const Size size : {Size{5u << 20, 7, false}, Size{50u << 20, 5, true}}) {
        makeFile(unsignedCopy, size.bytes);
        const double mb = static_cast<double>(fs::file_size(unsignedCopy)) / (1 << 20);
        // Every round signs the unsigned file afresh, on disk before the
        // clock starts: the copy's write-back is not the round's work.
        const auto fresh = [&] {
            fs::copy_file(unsignedCopy, file, fs::copy_options::overwrite_existing);
            ::sync();
        };
        const Measure ours = measure(size.rounds, fresh, signOnce);
        const Measure cli = measure(size.rounds, fresh, cliOnce);
        fresh();
        const bool signs = signOnce();
        const bool verifies = signs && torva::verificaArchivoFirmado(file, cer).code == 0;
        std::printf("file: %.1f MB, %d rounds, median\n", mb, size.rounds);
        std::printf(
            "  BuscaCurpsG + GeneraFirmaDigitalG (read, search, sign, write): %8.1f ms,"
            " peak memory +%.1f MB\n",
            ours.medianMs, ours.peakMb);
        std::printf("  openssl dgst -sha256 -sign (process start included):          %8.1f ms\n",
                    cli.medianMs);
        std::printf("  signature verifies: %s\n", verifies ? "yes" : "NO");
        ok = ok && ours.medianMs >= 0 && cli.medianMs >= 0 && verifies;
        if (size.timeTarget && ours.medianMs >= 0 && cli.medianMs > 0) {
            const double ratio = ours.medianMs / cli.medianMs;
            ok =
                target("signing time at most 1.5 x openssl's", ratio <= 1.5, figure(ratio, " x")) &&
                ok;
        }
        ok = target("peak memory growth of the signature under 16 MB",
                    ours.peakMb >= 0 && ours.peakMb < 16,
                    ours.peakMb >= 0 ? "+" + figure(ours.peakMb, " MB") : "unknown") &&
             ok;
    }
    fs::remove_all(dir);
    return ok ? 0 : 1;
}
