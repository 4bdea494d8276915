#pragma once

#include <array>
#include <string>

#include "state/Observed.h"

namespace torva {

// Texts of the main window's labels and captions, the status line `Evento`
// among them. Setting a text replaces it; the view hears of it only when the
// text differs from the one held.
class Captions : public Observed {
  public:
    Captions();
    const std::string& get(Caption which) const { return texts_[index(which)]; }
    void set(Caption which, std::string text);

  private:
    static std::size_t index(Caption c) { return static_cast<std::size_t>(c); }
    std::array<std::string, kCaptionCount> texts_;
};

}  // namespace torva
