#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace torva {

// The rows of the viewer's list, held compactly: the text of every row in one
// buffer, as the file's Windows-1252 bytes, and where each row ends. A file of
// 50 MB costs about its size, not one string per row.
class ViewerRows {
  public:
    // The most text and the most rows the rows can hold.
    static constexpr std::size_t kMaxBytes = UINT32_MAX;
    static constexpr std::size_t kMaxRows = INT32_MAX;

    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    // The row's bytes as the file holds them.
    std::string_view ansi(std::size_t row) const;
    // The row as UTF-8 text.
    std::string text(std::size_t row) const;
    std::size_t textBytes() const { return text_.size(); }

    // Appends a row; false when the rows would pass kMaxBytes or kMaxRows.
    bool add(std::string_view ansi);
    void reserve(std::size_t bytes) { text_.reserve(bytes); }
    void clear();

  private:
    std::string text_;
    std::vector<std::uint32_t> ends_;
};

}  // namespace torva
