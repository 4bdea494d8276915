#include "state/ConfigRecord.h"

#include "platform/Text.h"

namespace torva {

const std::array<const char*, slot::kCount>& ConfigRecord::initialTexts() {
    static constexpr std::array<const char*, slot::kCount> kInitial = {"Host(0)",
                                                                       "User(1)",
                                                                       "Password",
                                                                       "ENV(3)",
                                                                       "REC(4)",
                                                                       "Inferior(5)",
                                                                       "Superior(6)",
                                                                       "21",
                                                                       "Host(8)",
                                                                       "Host(9)",
                                                                       "m,b,c,s,t,e,f,e",
                                                                       "m,r,c,x,t,r,a,a",
                                                                       "1",
                                                                       "Archivo KEY (13)",
                                                                       "Archivo CER (14)",
                                                                       "Contraseña (15) ",
                                                                       "(16) No se usa",
                                                                       "24",
                                                                       "1",
                                                                       "Rutas(19)",
                                                                       "ENV(20)",
                                                                       "REC(21)",
                                                                       "1"};
    return kInitial;
}

ConfigRecord::ConfigRecord() {
    for (int i = 0; i < slot::kCount; ++i) {
        slots_[index(i)] = initialTexts()[index(i)];
    }
}

void ConfigRecord::set(int i, std::string text) {
    if (slots_.at(index(i)) == text) {
        return;
    }
    slots_[index(i)] = std::move(text);
    modified_ = true;
    notify([i](MainObserver& o) { o.slotChanged(i); });
}

bool ConfigRecord::flag(int i) const {
    return leadingNumber(slots_.at(index(i))) == 1.0;
}

void ConfigRecord::setFlag(int i, bool checked) {
    set(i, checked ? "1" : "0");
    modified_ = true;
}

std::string ConfigRecord::patente() const {
    return rightChars(slots_[slot::kUser], 4);
}

bool ConfigRecord::isFlagSlot(int i) {
    return i == slot::kPassive || i == slot::kSign || i == slot::kAutoSend || i == slot::kRoutes ||
           i == slot::kPurge;
}

}  // namespace torva
