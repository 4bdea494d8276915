#include "cycle/PurgeRules.h"

namespace torva {
namespace {

bool oneOf(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}

}  // namespace

std::optional<int> terminacionDia(std::string_view ansiName) {
    if (ansiName.size() < 3) {
        return std::nullopt;
    }
    int day = 0;
    for (const char c : ansiName.substr(ansiName.size() - 3)) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        day = day * 10 + (c - '0');
    }
    return day;
}

bool esDeOtroDia(std::string_view ansiName, int julianDay) {
    const auto day = terminacionDia(ansiName);
    return !day || *day != julianDay;
}

bool esDeLaPatenteCorta(std::string_view ansiName, std::string_view ansiPatente) {
    const std::size_t p =
        ansiName.size() > 1 && oneOf(ansiName[0], "rReE") && oneOf(ansiName[1], "aAbB") ? 1 : 0;
    return ansiName.size() >= p + 5 && ansiName.substr(p + 1, 4) == ansiPatente;
}

bool seRespalda(std::string_view ansiName, std::string_view ansiPatente) {
    if (ansiName.empty()) {
        return false;
    }
    // Upper-case responses too: nothing the service sent goes without its copy.
    if (oneOf(ansiName[0], "rxaRXA")) {
        return true;
    }
    if (ansiName.size() >= 3) {
        std::string ending(ansiName.substr(ansiName.size() - 3));
        for (char& c : ending) {
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
        if (ending == "err") {
            return true;
        }
    }
    return ansiName.substr(0, 4) == ansiPatente && ansiPatente.size() == 4;
}

bool venceCopiaEnviada(int day, int julianDay) {
    if (julianDay < 21) {
        return julianDay <= day && day <= julianDay + 346;
    }
    return day <= julianDay - 20;
}

}  // namespace torva
