#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string_view>
#include <vector>

#include "platform/TaskQueue.h"

namespace torva {

// Hands the pieces of a stream to one or more functions, each on a thread of
// its own and in the order given, so that the caller's work runs beside
// theirs. The pieces live in a few buffers shared by the functions: the
// caller reads straight into one (buffer(), then hand()) or has bytes copied
// (give()), and a buffer is filled again once every function has taken it.
// Holds at most kBuffers * kBufferSize bytes.
class PieceWorker {
  public:
    static constexpr std::size_t kBuffers = 6;
    static constexpr std::size_t kBufferSize = 256 * 1024;

    // A take returns false when it fails; no take is called after that.
    using Take = std::function<bool(std::string_view)>;

    explicit PieceWorker(Take take);
    explicit PieceWorker(std::vector<Take> takes);
    // Drops what is still queued.
    ~PieceWorker();
    PieceWorker(const PieceWorker&) = delete;
    PieceWorker& operator=(const PieceWorker&) = delete;

    // A buffer of kBufferSize bytes to read the next piece into, once one is
    // free; empty once a take has failed or after finish().
    std::span<char> buffer();
    // The first `size` bytes of the buffer last given by buffer() are the
    // next piece; false once a take has failed.
    bool hand(std::size_t size);
    // The next bytes, copied into the buffers; false once a take has failed.
    bool give(std::string_view bytes);
    // Waits until every piece is taken; false when a take failed. No piece
    // can be given after it.
    bool finish();

  private:
    struct Piece {
        std::unique_ptr<char[]> bytes;
        std::size_t size = 0;
        std::size_t pending = 0;  // takes still to read it
    };
    struct Taker {
        explicit Taker(Take t) : take(std::move(t)) {}
        Take take;
        TaskQueue queue;
    };

    Piece* freePiece();
    void post(Piece* piece);
    void taken(Piece* piece, bool ok);

    std::vector<std::unique_ptr<Piece>> pieces_;
    Piece* filling_ = nullptr;  // the caller's, until handed
    std::mutex mutex_;
    std::condition_variable freed_;
    std::vector<Piece*> free_;
    bool failed_ = false;
    bool dropped_ = false;                        // queued pieces are not taken
    bool finished_ = false;                       // the caller's side
    std::vector<std::unique_ptr<Taker>> takers_;  // after what their tasks use: they end first
};

}  // namespace torva
