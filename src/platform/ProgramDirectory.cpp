#include "platform/ProgramDirectory.h"

#include <filesystem>
#include <vector>

#include "platform/FileSystem.h"

#ifdef _WIN32
// winsock2.h before windows.h and iphlpapi.h, which need its types.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <iphlpapi.h>
#else
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <unistd.h>
#endif

namespace torva {

std::string programDirectory() {
#ifdef _WIN32
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            std::error_code ec;
            return fromFsPath(std::filesystem::current_path(ec));
        }
        if (n < buffer.size()) {
            buffer.resize(n);
            break;
        }
        buffer.resize(buffer.size() * 2);  // the name was cut
    }
    return fromFsPath(std::filesystem::path(buffer).parent_path());
#else
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return fromFsPath(std::filesystem::current_path(ec));
    }
    return fromFsPath(exe.parent_path());
#endif
}

std::string localHostName() {
#ifdef _WIN32
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(name, &size)) {
        return "localhost";
    }
    return fromFsPath(std::filesystem::path(std::wstring(name, size)));
#else
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) {
        return "localhost";
    }
    return name;
#endif
}

std::string localHostAddress() {
    std::string address = "127.0.0.1";
#ifdef _WIN32
    constexpr ULONG kFlags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST;
    ULONG size = 16384;
    std::vector<unsigned char> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.assign(size, 0);  // size grows to what the last call asked for
        result =
            GetAdaptersAddresses(AF_INET, kFlags, nullptr,
                                 reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    }
    if (result != NO_ERROR) {
        return address;
    }
    const auto* adapters = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data());
    for (auto* a = adapters; a; a = a->Next) {
        if (a->OperStatus != IfOperStatusUp || a->IfType == IF_TYPE_SOFTWARE_LOOPBACK) {
            continue;
        }
        for (auto* u = a->FirstUnicastAddress; u; u = u->Next) {
            char text[INET_ADDRSTRLEN] = {};
            const auto* sin = reinterpret_cast<sockaddr_in*>(u->Address.lpSockaddr);
            if (inet_ntop(AF_INET, &sin->sin_addr, text, sizeof text)) {
                return text;
            }
        }
    }
#else
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        return address;
    }
    for (ifaddrs* i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET || (i->ifa_flags & IFF_LOOPBACK) ||
            !(i->ifa_flags & IFF_UP)) {
            continue;
        }
        char text[INET_ADDRSTRLEN] = {};
        const auto* sin = reinterpret_cast<const sockaddr_in*>(i->ifa_addr);
        if (inet_ntop(AF_INET, &sin->sin_addr, text, sizeof text)) {
            address = text;
            break;
        }
    }
    freeifaddrs(list);
#endif
    return address;
}

#ifdef _WIN32
namespace {

std::wstring machineString(const wchar_t* key, const wchar_t* value) {
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        bytes < sizeof(wchar_t)) {
        return {};
    }
    std::wstring text(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
        ERROR_SUCCESS) {
        return {};
    }
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

}  // namespace
#endif

std::string systemInfoProgram() {
#ifdef _WIN32
    const std::wstring path = machineString(L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", L"PATH");
    if (!path.empty()) {
        return fromFsPath(std::filesystem::path(path));
    }
    const std::wstring dir =
        machineString(L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO");
    if (!dir.empty()) {
        const auto exe = std::filesystem::path(dir) / L"MSINFO32.EXE";
        std::error_code ec;
        if (std::filesystem::exists(exe, ec)) {
            return fromFsPath(exe);
        }
    }
#endif
    return {};
}

}  // namespace torva
