#include "signing/PieceWorker.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace torva {

PieceWorker::PieceWorker(std::function<bool(std::string_view)> take) : take_(std::move(take)) {}

PieceWorker::~PieceWorker() {
    const std::lock_guard lock(mutex_);
    dropped_ = true;
}

bool PieceWorker::give(std::string_view bytes) {
    if (finished_) {
        return false;
    }
    while (!bytes.empty()) {
        if (filling_.bytes.empty()) {
            std::unique_lock lock(mutex_);
            if (free_.empty() && allocated_ < kBuffers) {
                ++allocated_;
                lock.unlock();
                filling_.bytes.resize(kBufferSize);
            } else {
                freed_.wait(lock, [this] { return !free_.empty() || failed_; });
                if (failed_) {
                    return false;
                }
                filling_ = std::move(free_.back());
                free_.pop_back();
            }
            filling_.size = 0;
        }
        const std::size_t n = std::min(bytes.size(), filling_.bytes.size() - filling_.size);
        std::memcpy(filling_.bytes.data() + filling_.size, bytes.data(), n);
        filling_.size += n;
        bytes.remove_prefix(n);
        if (filling_.size == filling_.bytes.size()) {
            hand(std::exchange(filling_, {}));
        }
    }
    const std::lock_guard lock(mutex_);
    return !failed_;
}

bool PieceWorker::finish() {
    if (!finished_ && filling_.size > 0) {
        hand(std::exchange(filling_, {}));
    }
    finished_ = true;
    queue_.wait();
    const std::lock_guard lock(mutex_);
    return !failed_;
}

void PieceWorker::hand(Piece piece) {
    queue_.post([this, piece = std::move(piece)]() mutable {
        bool skip = false;
        {
            const std::lock_guard lock(mutex_);
            skip = failed_ || dropped_;
        }
        const bool ok = skip || take_(std::string_view(piece.bytes.data(), piece.size));
        {
            const std::lock_guard lock(mutex_);
            failed_ = failed_ || !ok;
            free_.push_back(std::move(piece));
        }
        freed_.notify_all();
    });
}

}  // namespace torva
