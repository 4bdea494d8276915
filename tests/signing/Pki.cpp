#include "signing/Pki.h"

#include <openssl/pem.h>
#include <openssl/pkcs12.h>
#include <openssl/rsa.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <stdexcept>

#include "platform/FileSystem.h"
#include "support/CommandLine.h"
#include "support/TempDir.h"

namespace torva::test {
namespace {

void check(bool ok, const char* what) {
    if (!ok) {
        throw std::runtime_error(what);
    }
}

std::string bioBytes(BIO* bio) {
    char* data = nullptr;
    const long n = BIO_get_mem_data(bio, &data);
    return std::string(data, static_cast<std::size_t>(n));
}

}  // namespace

ossl::PKey makeRsaKey() {
    ossl::PKey key(EVP_RSA_gen(2048));
    check(key != nullptr, "EVP_RSA_gen");
    return key;
}

void writeKey(EVP_PKEY* key, const std::string& path, const std::string& pass, KeyForm form) {
    ossl::Bio bio(BIO_new(BIO_s_mem()));
    int ok = 0;
    switch (form) {
        case KeyForm::EncryptedDer:
            ok = i2d_PKCS8PrivateKey_bio(bio.get(), key, EVP_aes_256_cbc(), pass.c_str(),
                                         static_cast<int>(pass.size()), nullptr, nullptr);
            break;
        case KeyForm::EncryptedPem:
            ok = PEM_write_bio_PKCS8PrivateKey(bio.get(), key, EVP_aes_256_cbc(), pass.c_str(),
                                               static_cast<int>(pass.size()), nullptr, nullptr);
            break;
        case KeyForm::PlainDer:
            ok = i2d_PKCS8PrivateKey_bio(bio.get(), key, nullptr, nullptr, 0, nullptr, nullptr);
            break;
        case KeyForm::TripleDesDer: {
            PKCS8_PRIV_KEY_INFO* info = EVP_PKEY2PKCS8(key);
            X509_SIG* sealed = info ? PKCS8_encrypt(NID_pbe_WithSHA1And3_Key_TripleDES_CBC, nullptr,
                                                    pass.c_str(), static_cast<int>(pass.size()),
                                                    nullptr, 0, PKCS12_DEFAULT_ITER, info)
                                    : nullptr;
            ok = sealed ? i2d_PKCS8_bio(bio.get(), sealed) : 0;
            X509_SIG_free(sealed);
            PKCS8_PRIV_KEY_INFO_free(info);
            break;
        }
    }
    check(ok == 1, "write key");
    writeBytes(path, bioBytes(bio.get()));
}

ossl::Cert makeCertificate(EVP_PKEY* key, long fromDays, long toDays, long serial) {
    ossl::Cert cert(X509_new());
    check(cert != nullptr, "X509_new");
    X509_set_version(cert.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), serial);
    X509_gmtime_adj(X509_getm_notBefore(cert.get()), fromDays * 86400);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), toDays * 86400);
    X509_set_pubkey(cert.get(), key);
    X509_NAME* name = X509_get_subject_name(cert.get());
    const auto add = [&](const char* field, const char* value) {
        X509_NAME_add_entry_by_txt(name, field, MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char*>(value), -1, -1, 0);
    };
    add("CN", "AGENTE ADUANAL DE PRUEBA");
    add("serialNumber", "GODE561231HDFRRN09");
    X509_set_issuer_name(cert.get(), name);
    check(X509_sign(cert.get(), key, EVP_sha256()) > 0, "X509_sign");
    return cert;
}

void writeCertificate(X509* cert, const std::string& path, CertForm form) {
    ossl::Bio bio(BIO_new(BIO_s_mem()));
    const int ok =
        form == CertForm::Der ? i2d_X509_bio(bio.get(), cert) : PEM_write_bio_X509(bio.get(), cert);
    check(ok == 1, "write certificate");
    writeBytes(path, bioBytes(bio.get()));
}

void writePublicKeyPem(X509* cert, const std::string& path) {
    ossl::Bio bio(BIO_new(BIO_s_mem()));
    check(PEM_write_bio_PUBKEY(bio.get(), X509_get0_pubkey(cert)) == 1, "write public key");
    writeBytes(path, bioBytes(bio.get()));
}

#ifdef _WIN32
int run(const std::string&) {
    throw std::logic_error("no commands of the build machine under Wine");
}

int runProgram(const std::string& program, const std::vector<std::string>& args) {
    // The build puts host paths in the tests; Wine sees the host's root as Z:.
    const std::string path = program.starts_with("/") ? "Z:" + program : program;
    std::string line = windowsQuoted(path);
    for (const auto& arg : args) {
        line += " " + windowsQuoted(arg);
    }
    std::wstring wide = toFsPath(line).wstring();
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE nul =
        CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    PROCESS_INFORMATION info{};
    // Wine now and then refuses a start among many quick ones: tried again.
    BOOL started = FALSE;
    DWORD error = 0;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        if (attempt > 0) {
            Sleep(200);
        }
        started = CreateProcessW(toFsPath(path).wstring().c_str(), wide.data(), nullptr, nullptr,
                                 TRUE, 0, nullptr, nullptr, &startup, &info);
        error = started ? 0 : GetLastError();
    }
    CloseHandle(nul);
    if (!started) {
        throw std::runtime_error("cannot start " + program + " (error " + std::to_string(error) +
                                 ")");
    }
    CloseHandle(info.hThread);
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    return static_cast<int>(code);
}
#else
int run(const std::string& command) {
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int runProgram(const std::string& program, const std::vector<std::string>& args) {
    std::string command = shellQuoted(program);
    for (const auto& arg : args) {
        command += " " + shellQuoted(arg);
    }
    return run(command);
}
#endif

}  // namespace torva::test
