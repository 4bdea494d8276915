#include "signing/PieceWorker.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace torva {

PieceWorker::PieceWorker(std::function<bool(std::string_view)> take)
    : take_(std::move(take)), thread_([this] { run(); }) {}

PieceWorker::~PieceWorker() {
    {
        const std::lock_guard lock(mutex_);
        queued_.clear();
    }
    stop();
}

bool PieceWorker::give(std::string_view bytes) {
    while (!bytes.empty()) {
        if (filling_.bytes.empty()) {
            std::unique_lock lock(mutex_);
            if (failed_ || closing_) {
                return false;
            }
            if (free_.empty() && allocated_ < kBuffers) {
                ++allocated_;
                lock.unlock();
                filling_.bytes.resize(kBufferSize);
            } else {
                changed_.wait(lock, [this] { return !free_.empty() || failed_; });
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
    if (filling_.size > 0) {
        hand(std::exchange(filling_, {}));
    }
    stop();
    return !failed_;
}

void PieceWorker::hand(Piece piece) {
    {
        const std::lock_guard lock(mutex_);
        queued_.push_back(std::move(piece));
    }
    changed_.notify_all();
}

void PieceWorker::run() {
    for (;;) {
        Piece piece;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return !queued_.empty() || closing_; });
            if (queued_.empty()) {
                return;  // closing, and every piece taken
            }
            piece = std::move(queued_.front());
            queued_.pop_front();
        }
        bool failed = false;
        {
            const std::lock_guard lock(mutex_);
            failed = failed_;
        }
        const bool ok = !failed && take_(std::string_view(piece.bytes.data(), piece.size));
        {
            const std::lock_guard lock(mutex_);
            failed_ = failed_ || !ok;
            free_.push_back(std::move(piece));
        }
        changed_.notify_all();
    }
}

void PieceWorker::stop() {
    if (!thread_.joinable()) {
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

}  // namespace torva
