// torvaval: wires the real implementations into the windows.
#include <memory>
#include <QApplication>

#include "nettest/icmp/SystemEcho.h"
#include "platform/Clock.h"
#include "platform/ProgramDirectory.h"
#include "signing/openssl/OpenSslSigningLibrary.h"
#include "transport/curl/CurlFtpClient.h"
#include "ui/Form1.h"
#include "ui/FrmEntrada.h"
#include "ui/QtDialogs.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("torvaval"));
    torva::ui::loadSpanishTranslation();

    torva::ui::QtDialogs dialogs;
    torva::SystemClock clock;
    torva::CurlFtpClient ftp;
    torva::OpenSslSigningLibrary signer;
    torva::SystemEchoTransport echo;
    torva::SystemResolver resolver;
    const std::string configDirectory = torva::programDirectory();

    auto entrada = std::make_unique<torva::ui::FrmEntrada>(configDirectory, dialogs);
    dialogs.setParent(entrada.get());
    if (entrada->exec() != QDialog::Accepted || !entrada->chosenIndex()) {
        return 0;
    }

    // The start-up window stays until the main window has loaded. The window
    // loads in its place on the screen before it is shown, so the boxes of
    // its start-up are centred on it.
    auto form = std::make_unique<torva::ui::Form1>(
        dialogs, clock, torva::HostIdentity{torva::localHostName(), torva::localHostAddress()});
    dialogs.setParent(form.get());
    form->setFtpClient(&ftp);
    form->setSigningLibrary(&signer);
    form->setEchoTransport(&echo, &resolver);
    torva::ui::centreOnScreen(form.get());
    form->load(static_cast<std::uint8_t>(*entrada->chosenIndex()), configDirectory);
    form->show();
    entrada.reset();
    return app.exec();
}
