#include "platform/DiskFlusher.h"

#include <utility>

#include "platform/FileSystem.h"

namespace torva {

void DiskFlusher::add(const std::string& path) {
    queue_.post([this, path] {
        if (flushFile(path)) {
            const std::lock_guard lock(mutex_);
            failed_.insert(path);
        }
    });
}

std::set<std::string> DiskFlusher::wait() {
    queue_.wait();
    const std::lock_guard lock(mutex_);
    return std::exchange(failed_, {});
}

}  // namespace torva
