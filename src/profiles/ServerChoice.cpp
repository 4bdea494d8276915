#include "profiles/ServerChoice.h"

namespace torva {

void SeleccionaServidor(ConfigRecord& config, EditState& edit, ServerOption option) {
    edit.setServer(option);
    config.set(slot::kHost, config.get(option == ServerOption::Primario ? slot::kPrimaryServer
                                                                        : slot::kSecondaryServer));
}

}  // namespace torva
