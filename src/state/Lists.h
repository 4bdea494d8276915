#pragma once

#include <array>
#include <string>
#include <vector>

#include "state/Observed.h"

namespace torva {

// Background of a list: the system colours for windows and for tool tips.
enum class ListBackground { Window, ToolTip };

// The main window's list boxes: entries in display order. The view hears what
// changed (an entry appended or removed, a list reset), so an entry added to a
// long list costs what it costs in a short one.
class Lists : public Observed {
  public:
    const std::vector<std::string>& get(ListId which) const { return items_[index(which)]; }
    void add(ListId which, std::string entry);
    void clear(ListId which);
    void set(ListId which, std::vector<std::string> entries);
    // Removes the first entry equal to text; false when there is none.
    bool remove(ListId which, const std::string& entry);

    // Index of the selected entry, -1 for none.
    int selected(ListId which) const { return selected_[index(which)]; }
    void select(ListId which, int entry);
    ListBackground background(ListId which) const { return backgrounds_[index(which)]; }
    void setBackground(ListId which, ListBackground colour);

  private:
    static std::size_t index(ListId l) { return static_cast<std::size_t>(l); }
    void reset(ListId which) const;
    void lookChanged(ListId which) const;
    std::array<std::vector<std::string>, kListCount> items_;
    std::array<int, kListCount> selected_ = filled(-1);
    std::array<ListBackground, kListCount> backgrounds_ = filled(ListBackground::Window);

    template <typename T>
    static constexpr std::array<T, kListCount> filled(T value) {
        std::array<T, kListCount> a{};
        a.fill(value);
        return a;
    }
};

}  // namespace torva
