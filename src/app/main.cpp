// torvaval: wires the real implementations into the windows.
#include <memory>
#include <QApplication>

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

    torva::ui::QtDialogs dialogs;
    torva::SystemClock clock;
    torva::CurlFtpClient ftp;
    torva::OpenSslSigningLibrary signer;
    const std::string configDirectory = torva::programDirectory();

    auto entrada = std::make_unique<torva::ui::FrmEntrada>(configDirectory, dialogs);
    dialogs.setParent(entrada.get());
    if (entrada->exec() != QDialog::Accepted || !entrada->chosenIndex()) {
        return 0;
    }

    // The start-up window stays until the main window has loaded.
    auto form = std::make_unique<torva::ui::Form1>(
        dialogs, clock, torva::HostIdentity{torva::localHostName(), torva::localHostAddress()});
    dialogs.setParent(form.get());
    form->setFtpClient(&ftp);
    form->setSigningLibrary(&signer);
    form->show();
    form->load(static_cast<std::uint8_t>(*entrada->chosenIndex()), configDirectory);
    entrada.reset();
    return app.exec();
}
