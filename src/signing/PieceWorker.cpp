#include "signing/PieceWorker.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace torva {

PieceWorker::PieceWorker(Take take) : PieceWorker(std::vector<Take>{std::move(take)}) {}

PieceWorker::PieceWorker(std::vector<Take> takes) {
    for (Take& take : takes) {
        takers_.push_back(std::make_unique<Taker>(std::move(take)));
    }
}

PieceWorker::~PieceWorker() {
    const std::lock_guard lock(mutex_);
    dropped_ = true;
}

std::span<char> PieceWorker::buffer() {
    if (finished_) {
        return {};
    }
    if (filling_ && filling_->size > 0) {
        post(std::exchange(filling_, nullptr));  // bytes given before
    }
    if (!filling_) {
        filling_ = freePiece();
        if (!filling_) {
            return {};
        }
    }
    filling_->size = 0;
    return {filling_->bytes.get(), kBufferSize};
}

bool PieceWorker::hand(std::size_t size) {
    if (finished_ || !filling_) {
        return false;
    }
    filling_->size = std::min(size, kBufferSize);
    if (filling_->size > 0) {
        post(std::exchange(filling_, nullptr));
    }
    const std::lock_guard lock(mutex_);
    return !failed_;
}

bool PieceWorker::give(std::string_view bytes) {
    if (finished_) {
        return false;
    }
    while (!bytes.empty()) {
        if (!filling_) {
            filling_ = freePiece();
            if (!filling_) {
                return false;
            }
            filling_->size = 0;
        }
        const std::size_t n = std::min(bytes.size(), kBufferSize - filling_->size);
        std::memcpy(filling_->bytes.get() + filling_->size, bytes.data(), n);
        filling_->size += n;
        bytes.remove_prefix(n);
        if (filling_->size == kBufferSize) {
            post(std::exchange(filling_, nullptr));
        }
    }
    const std::lock_guard lock(mutex_);
    return !failed_;
}

bool PieceWorker::finish() {
    if (!finished_ && filling_ && filling_->size > 0) {
        post(std::exchange(filling_, nullptr));
    }
    finished_ = true;
    for (const auto& taker : takers_) {
        taker->queue.wait();
    }
    const std::lock_guard lock(mutex_);
    return !failed_;
}

PieceWorker::Piece* PieceWorker::freePiece() {
    std::unique_lock lock(mutex_);
    if (free_.empty() && pieces_.size() < kBuffers && !failed_) {
        lock.unlock();
        // Not cleared: every byte handed on is written first.
        auto piece = std::make_unique<Piece>();
        piece->bytes = std::make_unique_for_overwrite<char[]>(kBufferSize);
        pieces_.push_back(std::move(piece));
        return pieces_.back().get();
    }
    freed_.wait(lock, [this] { return !free_.empty() || failed_; });
    if (failed_) {
        return nullptr;
    }
    // The last one freed: the likeliest still in the cache.
    Piece* piece = free_.back();
    free_.pop_back();
    return piece;
}

void PieceWorker::post(Piece* piece) {
    piece->pending = takers_.size();
    if (takers_.empty()) {
        const std::lock_guard lock(mutex_);
        free_.push_back(piece);
        return;
    }
    for (const auto& t : takers_) {
        Taker* taker = t.get();
        taker->queue.post([this, taker, piece] {
            bool skip = false;
            {
                const std::lock_guard lock(mutex_);
                skip = failed_ || dropped_;
            }
            taken(piece, skip || taker->take(std::string_view(piece->bytes.get(), piece->size)));
        });
    }
}

void PieceWorker::taken(Piece* piece, bool ok) {
    {
        const std::lock_guard lock(mutex_);
        failed_ = failed_ || !ok;
        if (--piece->pending == 0) {
            free_.push_back(piece);
        }
    }
    freed_.notify_all();
}

}  // namespace torva
