#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace torva {

// The viewer's wrap table: one entry for each row that continues the row
// before it (that row was closed at its length limit), holding the record
// number of that row, in row order. Entries are numbered from 1; past the
// last one the table reads 0, which ends it.
class WrapTable {
  public:
    std::uint32_t at(std::size_t i) const {
        return i >= 1 && i <= entries_.size() ? entries_[i - 1] : 0;
    }
    std::size_t size() const { return entries_.size(); }
    void add(std::uint32_t record) { entries_.push_back(record); }
    const std::vector<std::uint32_t>& entries() const { return entries_; }
    bool operator==(const WrapTable&) const = default;

  private:
    std::vector<std::uint32_t> entries_;
};

// The record number of a row (0-based), by the table: i runs from 1 while
// T[i] is not 0 and r - i + 1 is not below T[i]; the record is r - i + 2.
std::uint64_t recordOfRow(const WrapTable& table, std::size_t row);

// Where going to record v leads in a list of rowCount rows: i runs from 1
// while v is above T[i] and T[i] is not 0; the record's first row is
// v + i - 2 when v is at most rowCount - i + 1, the records the list shows.
struct RecordPlace {
    bool found = false;
    std::size_t row = 0;     // when found
    std::int64_t limit = 0;  // rowCount - i + 1
};
RecordPlace rowOfRecord(const WrapTable& table, std::size_t rowCount, std::uint64_t record);

}  // namespace torva
