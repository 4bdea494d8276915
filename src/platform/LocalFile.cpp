#include "platform/LocalFile.h"

#include <fcntl.h>
#include <cerrno>

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>

#include "platform/Utf8.h"
#else
#include <unistd.h>
#endif

namespace torva {

LocalFile::~LocalFile() {
    if (fd_ >= 0) {
#ifdef _WIN32
        _close(fd_);
#else
        ::close(fd_);
#endif
    }
}

bool LocalFile::create(const std::string& path) {
    existed_ = false;
#ifdef _WIN32
    const std::u16string wide = utf8ToUtf16(path);
    fd_ = _wopen(reinterpret_cast<const wchar_t*>(wide.c_str()),
                 _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
#else
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
#endif
    existed_ = fd_ < 0 && errno == EEXIST;
    return fd_ >= 0;
}

bool LocalFile::write(const char* data, std::size_t size) {
    while (size > 0) {
#ifdef _WIN32
        const unsigned chunk = size > 1u << 30 ? 1u << 30 : static_cast<unsigned>(size);
        const int n = _write(fd_, data, chunk);
#else
        const ssize_t n = ::write(fd_, data, size);
#endif
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool LocalFile::syncAndClose() {
    if (fd_ < 0) {
        return false;
    }
#ifdef _WIN32
    const bool synced = _commit(fd_) == 0;
    const bool closed = _close(fd_) == 0;
#else
    const bool synced = ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
#endif
    fd_ = -1;
    return synced && closed;
}

bool LocalFile::close() {
    if (fd_ < 0) {
        return false;
    }
#ifdef _WIN32
    const bool closed = _close(fd_) == 0;
#else
    const bool closed = ::close(fd_) == 0;
#endif
    fd_ = -1;
    return closed;
}

}  // namespace torva
