#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "profiles/CambiaFolios.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::readBytes;
using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

constexpr const char* kNegada =
    "Autorización Negada, para realizar cualquier cambio en la configuración es necesario "
    "consultarlo con TORVA.";

// The service as the FTP session plays it: the download writes the local
// file when the authorization is published. The real session is tested
// against an FTP server with the main window's logic.
struct Service final : FolioService {
    bool published = false;
    std::vector<std::string> fetched;
    int closes = 0;
    bool fetchAuthorization(const std::string& localPath) override {
        fetched.push_back(localPath);
        if (published) {
            writeBytes(localPath, "Cambio de folios autorizado.\r\n");
        }
        return published;
    }
    void closeSession() override { ++closes; }
};

struct Parts {
    TempDir dir;
    ScriptedDialogs dialogs;
    ConfigRecord config;
    Captions captions;
    Lists lists;
    EditState edit;
    Gauges gauges;
    Service service;
    std::string receive = dir.file("recibo");
    std::string file = dir.file("odbc0.reg");

    Parts() {
        makeDirectory(receive);
        config.set(slot::kReceiveDir, receive);
        config.setModified(false);
    }
    void click(DialogAnswer answer = DialogAnswer::Yes) {
        dialogs.answer(answer);
        CambiaFolios({config, captions, lists, edit, gauges, dialogs}, file, service);
    }
    std::string caption() const { return captions.get(Caption::MenuFolios); }
};

TEST(CambiaFolios, AnAuthorizationUnlocksTheFoliosUntilTheNextClickSaves) {
    Parts p;
    p.service.published = true;
    p.click();
    ASSERT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_EQ(p.dialogs.shown[0].text,
              "Esta opción busca la autorización para modificar los folios de los archivos, esto "
              "solo servira si TORVA ha autorizado el cambio de folio. Desea continuar?");
    EXPECT_EQ(p.service.fetched, std::vector<std::string>{joinPath(p.receive, "folio.aut")});
    EXPECT_FALSE(pathExists(joinPath(p.receive, "folio.aut")));
    EXPECT_EQ(p.service.closes, 1);
    EXPECT_TRUE(p.edit.slotEditable(slot::kLowerFolio));
    EXPECT_TRUE(p.edit.slotEditable(slot::kUpperFolio));
    EXPECT_EQ(p.caption(), "Guardar Cambios de Folios");

    // Saving writes the file even with nothing changed, and asks nothing.
    p.click();
    EXPECT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_TRUE(isRegularFile(p.file));
    EXPECT_FALSE(p.edit.slotEditable(slot::kLowerFolio));
    EXPECT_EQ(p.caption(), "C&ambiar Folios");
    EXPECT_EQ(p.service.fetched.size(), 1u);

    // While the service keeps the file, a second request succeeds again.
    p.click();
    EXPECT_EQ(p.caption(), "Guardar Cambios de Folios");
}

TEST(CambiaFolios, ADenialOrANoChangesNothing) {
    Parts p;
    p.click();
    EXPECT_EQ(p.dialogs.texts().back(), kNegada);
    EXPECT_EQ(p.dialogs.shown.back().icon, DialogIcon::Critical);
    EXPECT_EQ(p.service.closes, 0);
    EXPECT_FALSE(p.edit.slotEditable(slot::kLowerFolio));
    EXPECT_EQ(p.caption(), "C&ambiar Folios");

    Parts no;
    no.service.published = true;
    no.click(DialogAnswer::No);
    EXPECT_TRUE(no.service.fetched.empty());
    EXPECT_EQ(no.dialogs.shown.size(), 1u);
    EXPECT_EQ(no.caption(), "C&ambiar Folios");

    // Without a receive folder nothing is downloaded anywhere else.
    Parts lost;
    lost.service.published = true;
    lost.config.set(slot::kReceiveDir, lost.dir.file("no-existe"));
    lost.click();
    EXPECT_TRUE(lost.service.fetched.empty());
    EXPECT_EQ(lost.dialogs.texts().back(), kNegada);
}

TEST(CambiaFolios, AFailedSaveKeepsTheAuthorization) {
    Parts p;
    p.service.published = true;
    p.click();
    p.config.set(slot::kLowerFolio, "100");
    p.file = p.dir.file("no-existe/odbc0.reg");
    p.click();
    EXPECT_EQ(p.dialogs.shown.back().icon, DialogIcon::Critical);
    EXPECT_TRUE(p.config.modified());
    EXPECT_TRUE(p.edit.slotEditable(slot::kLowerFolio));
    EXPECT_EQ(p.caption(), "Guardar Cambios de Folios");

    p.file = p.dir.file("odbc0.reg");
    p.click();
    EXPECT_FALSE(p.config.modified());
    EXPECT_EQ(p.caption(), "C&ambiar Folios");
    EXPECT_NE(readBytes(p.file).find("\r\n100\r\n"), std::string::npos);
}

}  // namespace
}  // namespace torva
