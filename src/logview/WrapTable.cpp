#include "logview/WrapTable.h"

#include <algorithm>

namespace torva {

// Both walks stop at the first entry that meets a condition which, once met,
// holds for every later entry (the entries never decrease), so they search.

std::uint64_t recordOfRow(const WrapTable& table, std::size_t row) {
    const auto& t = table.entries();
    const auto r = static_cast<std::int64_t>(row);
    // Entry i is t[k], k = i - 1: the walk goes on while r - k >= t[k].
    std::size_t lo = 0;
    std::size_t hi = t.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (r - static_cast<std::int64_t>(mid) >= static_cast<std::int64_t>(t[mid])) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    const auto i = static_cast<std::int64_t>(lo) + 1;
    return static_cast<std::uint64_t>(r - i + 2);
}

RecordPlace rowOfRecord(const WrapTable& table, std::size_t rowCount, std::uint64_t record) {
    const auto& t = table.entries();
    // i - 1: the entries below the record.
    const auto below = static_cast<std::size_t>(
        std::lower_bound(t.begin(), t.end(), record,
                         [](std::uint32_t entry, std::uint64_t v) { return entry < v; }) -
        t.begin());
    RecordPlace place;
    place.limit = static_cast<std::int64_t>(rowCount) - static_cast<std::int64_t>(below);
    if (record >= 1 && place.limit > 0 && record <= static_cast<std::uint64_t>(place.limit)) {
        place.found = true;
        place.row = static_cast<std::size_t>(record - 1) + below;
    }
    return place;
}

}  // namespace torva
