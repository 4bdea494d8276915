#include "logview/ViewerRows.h"

#include "platform/Ansi.h"

namespace torva {

std::string_view ViewerRows::ansi(std::size_t row) const {
    const std::size_t begin = row == 0 ? 0 : ends_[row - 1];
    return std::string_view(text_).substr(begin, ends_[row] - begin);
}

std::string ViewerRows::text(std::size_t row) const {
    return ansiToUtf8(ansi(row));
}

bool ViewerRows::add(std::string_view ansi) {
    if (ansi.size() > kMaxBytes - text_.size() || ends_.size() >= kMaxRows) {
        return false;
    }
    text_.append(ansi);
    ends_.push_back(static_cast<std::uint32_t>(text_.size()));
    return true;
}

void ViewerRows::clear() {
    std::string().swap(text_);
    std::vector<std::uint32_t>().swap(ends_);
}

}  // namespace torva
