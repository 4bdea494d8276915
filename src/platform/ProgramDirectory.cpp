#include "platform/ProgramDirectory.h"

#include <filesystem>

#include "platform/FileSystem.h"

#ifdef _WIN32
#include <iphlpapi.h>
#include <windows.h>
#include <winsock2.h>
#include <ws2tcpip.h>
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
    std::wstring buffer(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(n);
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
    char name[256] = {};
#ifdef _WIN32
    DWORD size = sizeof name;
    if (!GetComputerNameA(name, &size)) {
        return "localhost";
    }
#else
    if (gethostname(name, sizeof name - 1) != 0) {
        return "localhost";
    }
#endif
    return name;
}

std::string localHostAddress() {
    std::string address = "127.0.0.1";
#ifdef _WIN32
    ULONG size = 16384;
    std::string buffer(size, '\0');
    auto* adapters = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data());
    if (GetAdaptersAddresses(AF_INET, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST, nullptr,
                             adapters, &size) != NO_ERROR) {
        return address;
    }
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

}  // namespace torva
