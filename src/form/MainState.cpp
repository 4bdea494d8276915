#include "form/MainState.h"

namespace torva {

void MainState::setObserver(MainObserver* observer) {
    config.setObserver(observer);
    captions.setObserver(observer);
    lists.setObserver(observer);
    edit.setObserver(observer);
    gauges.setObserver(observer);
    cycle.setObserver(observer);
}

CycleContext cycleContext(MainState& state, MainPorts& ports) {
    return {
        state.config,  state.captions,  state.lists,        state.edit,         state.gauges,
        state.cycle,   state.julianDay, state.letterOffset, state.profileIndex, state.configPath(),
        ports.dialogs, ports.clock,     ports.ftpClient(),  ports.signer,       {},
        ports.amPm};
}

PruebasContext pruebasContext(MainState& state, MainPorts& ports) {
    return {state.pruebas, state.captions, state.config, state.cycle, ports.dialogs, ports.ping1};
}

}  // namespace torva
