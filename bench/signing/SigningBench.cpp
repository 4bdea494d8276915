// Signs a 5 MB validation file in place with the OpenSSL signing library and
// times it next to `openssl dgst -sha256 -sign` on the same file and key.
// Needs the openssl command; the key and certificate are made with it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "signing/openssl/OpenSslSigningLibrary.h"
#include "signing/openssl/SignedFileCheck.h"
#include "signing/SigningCodes.h"

namespace {

constexpr int kRounds = 5;
constexpr std::size_t kFileBytes = 5u << 20;
const std::string kPass = "Bench#2024";

int run(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str());
}

std::string makeFile(const std::string& path) {
    std::string bytes = "500|1|1234|3420|0|123456\r\n501|1234|4001234|GODE561231HDFRRN09|\r\n";
    bytes += "201|4001234|\r\n";
    for (int i = 0; bytes.size() < kFileBytes; ++i) {
        bytes += "551|4001234|" + std::to_string(i) + "|8471300100|PIEZA|1000.00|USD|\r\n";
    }
    bytes += "801|m1234001.123|1|99999|010|\r\n";
    std::ofstream(path, std::ios::binary) << bytes;
    return bytes;
}

template <typename F>
double medianMs(F&& f) {
    std::vector<double> times;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (!f()) {
            return -1;
        }
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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
    makeFile(file);

    torva::OpenSslSigningLibrary library;
    const double ours = medianMs([&] {
        torva::RegistrosFirma records{};
        std::string path = file;
        if (!torva::ok(library.BuscaCurpsG(path, 0, records))) {
            return false;
        }
        torva::escribeCampo(records[0], torva::CampoFirma::ArchivoKey, key + '\0');
        torva::escribeCampo(records[0], torva::CampoFirma::ArchivoCer, cer + '\0');
        torva::escribeCampo(records[0], torva::CampoFirma::Contrasena, kPass + '\0');
        return library.GeneraFirmaDigitalG(path, 0, records) == torva::firma::kOk;
    });
    const double cli = medianMs([&] {
        return run("openssl dgst -sha256 -sign " + pem + " -passin pass:" + kPass + " -out " +
                   (dir / "sig.bin").string() + " " + file) == 0;
    });
    const bool verifies = torva::verificaArchivoFirmado(file, cer).code == 0;

    std::printf("file: %.1f MB, %d rounds, median\n",
                static_cast<double>(fs::file_size(file)) / (1 << 20), kRounds);
    std::printf("BuscaCurpsG + GeneraFirmaDigitalG (read, search, sign, write): %8.1f ms\n", ours);
    std::printf("openssl dgst -sha256 -sign (process start included):          %8.1f ms\n", cli);
    std::printf("signature verifies: %s\n", verifies ? "yes" : "NO");
    fs::remove_all(dir);
    return ours >= 0 && cli >= 0 && verifies ? 0 : 1;
}
