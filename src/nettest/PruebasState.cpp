#include "nettest/PruebasState.h"

#include <utility>

namespace torva {
namespace {

std::size_t characters(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8) {
        // Every byte but a continuation byte starts a character.
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) {
            ++n;
        }
    }
    return n;
}

}  // namespace

std::string sinBlancos(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

void PruebasState::vaciaSalida() {
    salida_.clear();
    caracteres_ = 0;
    if (observer_) {
        observer_->salidaVaciada();
    }
}

void PruebasState::agregaSalida(std::string_view text) {
    if (caracteres_ > kSalidaMaxima) {
        vaciaSalida();
    }
    salida_.append(text);
    caracteres_ += characters(text);
    if (observer_) {
        observer_->salidaAgregada(text);
    }
}

void PruebasState::setSendLabel(std::string text) {
    sendLabel_ = std::move(text);
    contadores();
}

void PruebasState::setRecvLabel(std::string text) {
    recvLabel_ = std::move(text);
    contadores();
}

void PruebasState::setLossLabel(std::string text) {
    lossLabel_ = std::move(text);
    contadores();
}

void PruebasState::setResultado(std::string text) {
    resultado_ = std::move(text);
    contadores();
}

void PruebasState::setColorComentario(ColorComentario color) {
    color_ = color;
    if (observer_) {
        observer_->comentarioColorChanged();
    }
}

void PruebasState::setCheck1(bool on) {
    check1_ = on;
    if (observer_) {
        observer_->check1Changed();
    }
}

void PruebasState::setBotonLibre(PruebaBoton b, bool libre) {
    libres_[static_cast<std::size_t>(b)] = libre;
    botones();
}

void PruebasState::setInicioBloqueado(bool on) {
    inicioBloqueado_ = on;
    botones();
}

void PruebasState::setCmdPruebasCaption(std::string caption) {
    cmdPruebasCaption_ = std::move(caption);
    botones();
}

void PruebasState::contadores() {
    if (observer_) {
        observer_->contadoresChanged();
    }
}

void PruebasState::botones() {
    if (observer_) {
        observer_->botonesChanged();
    }
}

PruebaEnCurso::PruebaEnCurso(PruebasState& pruebas, std::initializer_list<PruebaBoton> botones)
    : pruebas_(pruebas), botones_(botones) {
    for (const PruebaBoton b : botones_) {
        pruebas_.setBotonLibre(b, false);
    }
    pruebas_.setInicioBloqueado(true);
}

PruebaEnCurso::~PruebaEnCurso() {
    for (const PruebaBoton b : botones_) {
        pruebas_.setBotonLibre(b, true);
    }
    pruebas_.setInicioBloqueado(false);
}

}  // namespace torva
