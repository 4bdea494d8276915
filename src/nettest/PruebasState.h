#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace torva {

// The test buttons of the connection tab.
enum class PruebaBoton { PingTest, ComdProbar, CmdPruebas };
inline constexpr std::size_t kPruebaBotones = 3;

// Colours of `LblComentario`: news (&HC00000) and failures (&H0000FF).
enum class ColorComentario { AzulOscuro, Rojo };

inline constexpr const char* kCaptionIniciarPrueba = "I&niciar Prueba";
inline constexpr const char* kCaptionTerminarPrueba = "Termi&nar Prueba";
// `PingOutPut` is emptied before text is added when it holds more than this.
inline constexpr std::size_t kSalidaMaxima = 30000;

// The text without the blanks around it.
std::string sinBlancos(std::string_view text);

// What changed in the connection tab.
class PruebasObserver {
  public:
    virtual ~PruebasObserver() = default;
    virtual void salidaAgregada(std::string_view /*text*/) {}
    virtual void salidaVaciada() {}
    // `SendLabel`, `RecvLabel`, `LossLabel`, `LblResultado`.
    virtual void contadoresChanged() {}
    // Which test buttons and whether the start button are free, `CmdPruebas`'s caption.
    virtual void botonesChanged() {}
    virtual void comentarioColorChanged() {}
    virtual void check1Changed() {}
};

// The connection tab's controls; `LblComentario`'s text is a caption of the
// main window, its colour is here.
class PruebasState {
  public:
    void setObserver(PruebasObserver* observer) { observer_ = observer; }

    // `PingOutPut`
    const std::string& salida() const { return salida_; }
    void vaciaSalida();
    // Adds at the end, emptying first when it holds more than kSalidaMaxima characters.
    void agregaSalida(std::string_view text);

    const std::string& sendLabel() const { return sendLabel_; }
    const std::string& recvLabel() const { return recvLabel_; }
    const std::string& lossLabel() const { return lossLabel_; }
    const std::string& resultado() const { return resultado_; }
    void setSendLabel(std::string text);
    void setRecvLabel(std::string text);
    void setLossLabel(std::string text);
    void setResultado(std::string text);

    ColorComentario colorComentario() const { return color_; }
    void setColorComentario(ColorComentario color);

    // `Check1`: "Síncrono".
    bool check1() const { return check1_; }
    void setCheck1(bool on);

    // `HostName`'s text, as typed.
    std::string hostName = "www.google.com";

    // A test's own lock of a button; the cycle's lock is `CycleState::testsEnabled`.
    bool botonLibre(PruebaBoton b) const { return libres_[static_cast<std::size_t>(b)]; }
    void setBotonLibre(PruebaBoton b, bool libre);
    // `Start_Button` locked while a test runs.
    bool inicioBloqueado() const { return inicioBloqueado_; }
    void setInicioBloqueado(bool on);
    const std::string& cmdPruebasCaption() const { return cmdPruebasCaption_; }
    void setCmdPruebasCaption(std::string caption);

  private:
    void contadores();
    void botones();

    PruebasObserver* observer_ = nullptr;
    std::string salida_;
    std::size_t caracteres_ = 0;
    std::string sendLabel_;
    std::string recvLabel_;
    std::string lossLabel_;
    std::string resultado_;
    ColorComentario color_ = ColorComentario::AzulOscuro;
    bool check1_ = false;
    std::array<bool, kPruebaBotones> libres_{true, true, true};
    bool inicioBloqueado_ = false;
    std::string cmdPruebasCaption_ = kCaptionIniciarPrueba;
};

// A test that runs: the given buttons and the start button are locked until
// it ends.
class PruebaEnCurso {
  public:
    PruebaEnCurso(PruebasState& pruebas, std::initializer_list<PruebaBoton> botones);
    ~PruebaEnCurso();
    PruebaEnCurso(const PruebaEnCurso&) = delete;
    PruebaEnCurso& operator=(const PruebaEnCurso&) = delete;

  private:
    PruebasState& pruebas_;
    std::vector<PruebaBoton> botones_;
};

}  // namespace torva
