#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

// Splits bytes given in pieces into records and fields as the whole-file
// functions of signing/SignedFile.h do: records are the non-empty runs
// between CR and LF bytes, fields the pieces between '|' within a record
// (empty ones too). Only a field that spans pieces is copied, and of that
// only its first `keep` bytes.
//
// The handler is told, in the order of the bytes:
//   record(offset)          a record begins at this offset of the stream
//   field(kept, length)     a field ended; kept is the whole field when
//                           kept.size() == length, else its first bytes
//   recordEnd()             the record ended (at a CR, an LF or the end)
//   lineBreak(c)            a CR or LF byte
namespace torva {

// The '|' bytes and the CR and LF bytes of a block of at most 64 bytes, as
// bits, the first byte lowest.
struct SeparatorMasks {
    std::uint64_t pipes = 0;
    std::uint64_t breaks = 0;
};

inline SeparatorMasks separatorMasks(const char* p, std::size_t size) {
    SeparatorMasks m;
#if defined(__SSE2__) || defined(_M_X64)
    if (size == 64) {
        const __m128i pipe = _mm_set1_epi8('|');
        const __m128i cr = _mm_set1_epi8('\r');
        const __m128i lf = _mm_set1_epi8('\n');
        for (std::size_t k = 0; k < 4; ++k) {
            __m128i v;
            std::memcpy(&v, p + 16 * k, sizeof v);
            const auto bits = [](__m128i hit) {
                return static_cast<std::uint64_t>(
                    static_cast<std::uint16_t>(_mm_movemask_epi8(hit)));
            };
            m.pipes |= bits(_mm_cmpeq_epi8(v, pipe)) << (16 * k);
            m.breaks |= bits(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)))
                        << (16 * k);
        }
        return m;
    }
#endif
    for (std::size_t i = 0; i < size; ++i) {
        m.pipes |= static_cast<std::uint64_t>(p[i] == '|') << i;
        m.breaks |= static_cast<std::uint64_t>(p[i] == '\r' || p[i] == '\n') << i;
    }
    return m;
}

template <typename Handler>
class RecordStream {
  public:
    RecordStream(Handler& handler, std::size_t keep) : handler_(handler), keep_(keep) {}

    void read(std::string_view piece) {
        const char* p = piece.data();
        const std::size_t n = piece.size();
        std::size_t fieldStart = 0;
        // The separators of each block of 64 bytes as bits, lowest first.
        for (std::size_t block = 0; block < n; block += 64) {
            for (std::uint64_t found = separators(p + block, std::min<std::size_t>(64, n - block));
                 found != 0; found &= found - 1) {
                const std::size_t at = block + static_cast<std::size_t>(std::countr_zero(found));
                separator(piece, fieldStart, at);
                fieldStart = at + 1;
            }
        }
        if (fieldStart < n) {
            if (!inRecord_) {
                beginRecord(offset_ + fieldStart);
            }
            carry(piece.substr(fieldStart));
        }
        offset_ += n;
    }

    // The end of the stream: a last record without a line end ends here.
    void finish() {
        if (inRecord_) {
            endField({});
            handler_.recordEnd();
            inRecord_ = false;
        }
    }

    std::uint64_t offset() const { return offset_; }

  private:
    static std::uint64_t separators(const char* p, std::size_t size) {
        const SeparatorMasks masks = separatorMasks(p, size);
        return masks.pipes | masks.breaks;
    }

    // The byte at `at` is a separator; the current field began at fieldStart.
    void separator(std::string_view piece, std::size_t fieldStart, std::size_t at) {
        const char c = piece[at];
        if (!inRecord_ && (at > fieldStart || c == '|')) {
            beginRecord(offset_ + fieldStart);
        }
        if (c == '|') {
            endField(piece.substr(fieldStart, at - fieldStart));
            return;
        }
        if (inRecord_) {
            endField(piece.substr(fieldStart, at - fieldStart));
            handler_.recordEnd();
            inRecord_ = false;
        }
        handler_.lineBreak(c);
    }

    void beginRecord(std::uint64_t at) {
        inRecord_ = true;
        handler_.record(at);
    }

    void carry(std::string_view bytes) {
        if (carried_.size() < keep_) {
            carried_.append(bytes.substr(0, keep_ - carried_.size()));
        }
        carriedLength_ += bytes.size();
    }

    void endField(std::string_view tail) {
        if (carriedLength_ == 0) {
            handler_.field(tail, tail.size());
            return;
        }
        carry(tail);
        handler_.field(std::string_view(carried_), carriedLength_);
        carried_.clear();
        carriedLength_ = 0;
    }

    Handler& handler_;
    std::size_t keep_;
    std::string carried_;
    std::size_t carriedLength_ = 0;
    bool inRecord_ = false;
    std::uint64_t offset_ = 0;
};

}  // namespace torva
