#include "state/Lists.h"

#include <algorithm>

namespace torva {

void Lists::add(ListId which, std::string entry) {
    items_[index(which)].push_back(std::move(entry));
    notify([which](MainObserver& o) { o.listAppended(which); });
}

void Lists::clear(ListId which) {
    items_[index(which)].clear();
    selected_[index(which)] = -1;
    reset(which);
}

void Lists::set(ListId which, std::vector<std::string> entries) {
    items_[index(which)] = std::move(entries);
    selected_[index(which)] = -1;
    reset(which);
}

bool Lists::remove(ListId which, const std::string& entry) {
    auto& items = items_[index(which)];
    const auto it = std::find(items.begin(), items.end(), entry);
    if (it == items.end()) {
        return false;
    }
    const auto removed = static_cast<int>(it - items.begin());
    items.erase(it);
    int& selected = selected_[index(which)];
    if (selected == removed) {
        selected = -1;
    } else if (selected > removed) {
        --selected;
    }
    notify([which, removed](MainObserver& o) { o.listRemoved(which, removed); });
    return true;
}

void Lists::select(ListId which, int entry) {
    selected_[index(which)] = entry;
    lookChanged(which);
}

void Lists::setBackground(ListId which, ListBackground colour) {
    if (backgrounds_[index(which)] != colour) {
        backgrounds_[index(which)] = colour;
        lookChanged(which);
    }
}

void Lists::lookChanged(ListId which) const {
    notify([which](MainObserver& o) { o.listLookChanged(which); });
}

void Lists::reset(ListId which) const {
    notify([which](MainObserver& o) { o.listReset(which); });
}

}  // namespace torva
