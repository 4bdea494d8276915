#include <gtest/gtest.h>

#include <filesystem>

#include "cycle/LineRepair.h"
#include "cycle/PrevalidatorKey.h"
#include "platform/FileSystem.h"
#include "signing/FirmaArchivo.h"
#include "signing/SignedFile.h"
#include "signing/SigningFixture.h"

namespace torva::test {
namespace {

using RepairAndSign = SigningFixture;

// What the outgoing pass does to an "m" file with "Firmar Archivos" on: the
// line repair, then the signature, in place.
TEST_F(RepairAndSign, AnLfOnlyPedimentoIsRepairedSignedAndVerifies) {
    const std::string header = "500|1|1234|3420|0|123456";
    writeBytes(file, header + "\n501|1234|4001234|" + kCurp +
                         "|\n\n201|4001234|\n801|m1234001.123|1|4|999|\n");
    ASSERT_TRUE(config.flag(slot::kSign));
#ifndef _WIN32
    // Both replacements keep the file's permissions, whatever the umask.
    namespace fs = std::filesystem;
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(toFsPath(file), mode);
#endif

    EXPECT_EQ(AjustaRegistros(file, config, dialogs), ajuste::kOk);
    EXPECT_EQ(sign(), firma::kFirmado);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(pathExists(file + "b"));

    const ArchivoFirmado signedFile = separaFirmas(readBytes(file));
    EXPECT_EQ(signedFile.contenido, header + "\r\n501|1234|4001234|" + kCurp +
                                        "|\r\n201|4001234|\r\n801|m1234001.123|1|4|" +
                                        std::string(kClavePrevalidador) + "|\r\n");
    ASSERT_EQ(signedFile.firmas.size(), 1u);
    EXPECT_EQ(verifyTool(file, cerPath), 0);
#ifndef _WIN32
    EXPECT_EQ(fs::status(toFsPath(file)).permissions(), mode);
#endif
}

}  // namespace
}  // namespace torva::test
