#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string_view>
#include <vector>

#include "platform/TaskQueue.h"

namespace torva {

// Hands the pieces of a stream to a function on a thread of its own: give()
// copies the bytes into one of a few buffers and returns, so that the
// caller's work runs beside the function's. Holds at most
// kBuffers * kBufferSize bytes.
class PieceWorker {
  public:
    static constexpr std::size_t kBuffers = 4;
    static constexpr std::size_t kBufferSize = 512 * 1024;

    // take returns false when it fails; it is not called again after that.
    explicit PieceWorker(std::function<bool(std::string_view)> take);
    // Drops what is still queued.
    ~PieceWorker();
    PieceWorker(const PieceWorker&) = delete;
    PieceWorker& operator=(const PieceWorker&) = delete;

    // False once take has failed.
    bool give(std::string_view bytes);
    // Waits until every piece given is taken; false when take failed. No
    // piece can be given after it.
    bool finish();

  private:
    struct Piece {
        std::vector<char> bytes;
        std::size_t size = 0;
    };

    void hand(Piece piece);

    std::function<bool(std::string_view)> take_;
    Piece filling_;  // the caller's, until it is full
    std::mutex mutex_;
    std::condition_variable freed_;
    std::vector<Piece> free_;
    std::size_t allocated_ = 0;
    bool failed_ = false;
    bool dropped_ = false;   // queued pieces are not taken
    bool finished_ = false;  // the caller's side
    TaskQueue queue_;        // after what its tasks use: it ends first
};

}  // namespace torva
