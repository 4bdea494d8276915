#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "signing/openssl/CopiaAnticipada.h"
#include "signing/openssl/Signature.h"

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

// Dropped with bytes still queued: no digest is waited for.
TEST(ResumenAparte, CanBeDroppedUnfinished) {
    ResumenAparte background;
    const std::string bytes(3 * PieceWorker::kBufferSize, 'x');
    EXPECT_TRUE(background.update(bytes));
}

}  // namespace
}  // namespace torva::ossl
