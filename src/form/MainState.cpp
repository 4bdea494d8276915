#include "form/MainState.h"

namespace torva {

void MainState::setObserver(MainObserver* observer) {
    config.setObserver(observer);
    captions.setObserver(observer);
    lists.setObserver(observer);
    edit.setObserver(observer);
    gauges.setObserver(observer);
}

}  // namespace torva
