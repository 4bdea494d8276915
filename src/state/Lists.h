#pragma once

#include <array>
#include <string>
#include <vector>

#include "state/Observed.h"

namespace torva {

// The main window's list boxes: entries in display order.
class Lists : public Observed {
  public:
    const std::vector<std::string>& get(ListId which) const { return items_[index(which)]; }
    void add(ListId which, std::string entry);
    void clear(ListId which);
    void set(ListId which, std::vector<std::string> entries);
    // Removes the first entry equal to text; false when there is none.
    bool remove(ListId which, const std::string& entry);

  private:
    static std::size_t index(ListId l) { return static_cast<std::size_t>(l); }
    void changed(ListId which) const;
    std::array<std::vector<std::string>, kListCount> items_;
};

}  // namespace torva
