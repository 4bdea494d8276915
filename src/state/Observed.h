#pragma once

#include "state/MainObserver.h"

namespace torva {

// Base of the state parts: holds the view's observer, if any.
class Observed {
  public:
    void setObserver(MainObserver* observer) { observer_ = observer; }

  protected:
    template <typename F>
    void notify(F&& call) const {
        if (observer_) {
            call(*observer_);
        }
    }

  private:
    MainObserver* observer_ = nullptr;
};

}  // namespace torva
