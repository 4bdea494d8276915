#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>
#endif

#include "signing/openssl/CopiaAnticipada.h"
#include "signing/openssl/Signature.h"
#include "signing/SignedFileScan.h"
#include "support/TempDir.h"

namespace torva::ossl {
namespace {

// The same digest as the plain one, whatever the sizes of the pieces given
// against the size of the worker's buffers.
TEST(ResumenAparte, GivesThePlainDigestForAnyPieces) {
    constexpr std::size_t kBuffer = PieceWorker::kBufferSize;
    std::string bytes(5 * kBuffer + 7, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>((i * 131) ^ (i >> 9));
    }
    struct Case {
        std::size_t total;
        std::size_t piece;
    };
    for (const Case c :
         {Case{0, 1}, Case{1, 1}, Case{kBuffer - 1, 65536}, Case{kBuffer, kBuffer},
          Case{kBuffer + 1, 1000}, Case{bytes.size(), 65536}, Case{bytes.size(), 3 * kBuffer}}) {
        SCOPED_TRACE(std::to_string(c.total) + " bytes in pieces of " + std::to_string(c.piece));
        const std::string_view all = std::string_view(bytes).substr(0, c.total);
        Sha256 plain;
        ASSERT_TRUE(plain.update(all));
        ResumenAparte background;
        for (std::size_t at = 0; at < all.size(); at += c.piece) {
            ASSERT_TRUE(background.update(all.substr(at, c.piece)));
        }
        const auto digest = background.final();
        ASSERT_TRUE(digest);
        EXPECT_EQ(*digest, plain.final());
        EXPECT_FALSE(background.final());  // taken once
    }
}

// A piece the function refuses ends the work: it is called no more, and
// the caller is told.
TEST(PieceWorker, AFailedPieceEndsTheWork) {
    int calls = 0;
    PieceWorker worker([&calls](std::string_view) { return ++calls < 2; });
    const std::string piece(PieceWorker::kBufferSize, 'x');
    bool given = true;
    for (int i = 0; i < 20 && given; ++i) {
        given = worker.give(piece);
    }
    EXPECT_FALSE(given);
    EXPECT_FALSE(worker.finish());
    EXPECT_EQ(calls, 2);
}

std::string patterned(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131) ^ (i >> 9));
    }
    return bytes;
}

// Every function gets every byte in order, pieces read into the shared
// buffers and pieces copied mixed, while one function lags: a buffer is
// filled again only once both have taken it.
TEST(PieceWorker, EachFunctionTakesTheWholeStreamFromSharedBuffers) {
    const std::string bytes = patterned(3 * PieceWorker::kBuffers * PieceWorker::kBufferSize + 5);
    std::string fast;
    std::string slow;
    int slowCalls = 0;
    PieceWorker worker({[&](std::string_view piece) {
                            fast.append(piece);
                            return true;
                        },
                        [&](std::string_view piece) {
                            if (++slowCalls % 3 == 0) {
                                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                            }
                            slow.append(piece);
                            return true;
                        }});
    std::string_view rest = bytes;
    for (int i = 0; !rest.empty(); ++i) {
        if (i % 4 == 3) {
            ASSERT_TRUE(worker.give(rest.substr(0, 1000)));  // left in a buffer being filled
            rest.remove_prefix(std::min<std::size_t>(1000, rest.size()));
            continue;
        }
        const std::span<char> buffer = worker.buffer();
        ASSERT_EQ(buffer.size(), PieceWorker::kBufferSize);
        const std::size_t n = std::min(rest.size(), i % 2 == 0 ? buffer.size() : 777);
        std::copy_n(rest.data(), n, buffer.data());
        ASSERT_TRUE(worker.hand(n));
        rest.remove_prefix(n);
    }
    ASSERT_TRUE(worker.finish());
    EXPECT_TRUE(fast == bytes);
    EXPECT_TRUE(slow == bytes);
    EXPECT_TRUE(worker.buffer().empty());  // nothing after finish()
}

// One function failing ends the work for all: no buffer is given to read
// into any more.
TEST(PieceWorker, AFailingFunctionEndsTheWorkOfAll) {
    int other = 0;
    PieceWorker worker({[](std::string_view) { return false; },
                        [&other](std::string_view) {
                            ++other;
                            return true;
                        }});
    bool handed = true;
    for (int i = 0; i < 50 && handed; ++i) {
        const std::span<char> buffer = worker.buffer();
        handed = !buffer.empty() && worker.hand(buffer.size());
    }
    EXPECT_FALSE(handed);
    EXPECT_FALSE(worker.finish());
    EXPECT_LE(other, static_cast<int>(PieceWorker::kBuffers));
}

#ifdef __linux__
// The copy fails part way (the file size limit stands for a full disk): the
// search still reads the whole file, no digest is given, and the temporary
// file goes with the copy.
TEST(CopiaAnticipada, AFailedCopyLeavesTheSearchWholeAndNoTemporaryFile) {
    test::TempDir dir;
    const std::string path = dir.file("m1234001.123");
    const std::string bytes = patterned(4 * PieceWorker::kBufferSize + 11);
    test::writeBytes(path, bytes);

    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = limit;
    lowered.rlim_cur = PieceWorker::kBufferSize;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &lowered), 0);
    std::string searched;
    {
        CopiaAnticipada copia(path);
        EXPECT_FALSE(
            copia.leeArchivo(path, [&](std::string_view piece) { searched.append(piece); }));
        EXPECT_FALSE(copia.termina("\r\n"));
    }
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);

    EXPECT_TRUE(searched == bytes);
    EXPECT_TRUE(test::readBytes(path) == bytes);
    std::error_code ec;
    EXPECT_EQ(listDirectory(dir.path(), ec).size(), 1u);
}
#endif

// Dropped with bytes still queued: no digest is waited for.
TEST(ResumenAparte, CanBeDroppedUnfinished) {
    ResumenAparte background;
    const std::string bytes(3 * PieceWorker::kBufferSize, 'x');
    EXPECT_TRUE(background.update(bytes));
}

}  // namespace
}  // namespace torva::ossl
