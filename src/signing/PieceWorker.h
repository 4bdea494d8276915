#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

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
    void run();
    void stop();

    std::function<bool(std::string_view)> take_;
    Piece filling_;  // the caller's, until it is full
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Piece> free_;
    std::deque<Piece> queued_;
    std::size_t allocated_ = 0;
    bool closing_ = false;
    bool failed_ = false;
    std::thread thread_;
};

}  // namespace torva
