#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

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

template <typename Handler>
class RecordStream {
  public:
    RecordStream(Handler& handler, std::size_t keep) : handler_(handler), keep_(keep) {}

    void read(std::string_view piece) {
        const char* p = piece.data();
        const std::size_t n = piece.size();
        std::size_t fieldStart = 0;
        std::size_t i = 0;
        while (i < n) {
            std::size_t j = i;
            while (j < n && !isSeparator(p[j])) {
                ++j;
            }
            if (j > i && !inRecord_) {
                beginRecord(offset_ + i);
            }
            if (j == n) {
                break;
            }
            if (p[j] == '|') {
                if (!inRecord_) {
                    beginRecord(offset_ + j);
                }
                endField(piece.substr(fieldStart, j - fieldStart));
            } else {
                if (inRecord_) {
                    endField(piece.substr(fieldStart, j - fieldStart));
                    handler_.recordEnd();
                    inRecord_ = false;
                }
                handler_.lineBreak(p[j]);
            }
            i = j + 1;
            fieldStart = i;
        }
        if (inRecord_ && fieldStart < n) {
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
    static bool isSeparator(char c) { return c == '|' || c == '\r' || c == '\n'; }

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
