#include <gtest/gtest.h>

#include <functional>

#include "signing/FirmaArchivo.h"
#include "signing/SigningCodes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

// Records what FirmaArchivo hands the library and answers from a script.
class RecordingLibrary final : public SigningLibrary {
  public:
    std::function<FirmaCode(std::string&, RegistrosFirma&)> search = [](auto&, auto&) {
        return firma::kOk;
    };
    FirmaCode signCode = firma::kOk;
    int searches = 0;
    int signs = 0;
    std::string signedPath;
    RegistrosFirma signedRecords{};

    FirmaCode BuscaCurpsG(std::string& path, std::uint8_t, RegistrosFirma& r) override {
        ++searches;
        return search(path, r);
    }
    FirmaCode GeneraFirmaDigitalG(std::string& path, std::uint8_t, RegistrosFirma& r) override {
        ++signs;
        signedPath = path;
        signedRecords = r;
        return signCode;
    }
};

class FirmaArchivoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        writeBytes(dir.file("k.key"), "key");
        writeBytes(dir.file("m1234001.123"), "500|\r\n");
        config.set(slot::kKeyFile, dir.file("k.key"));
        config.set(slot::kCertFile, dir.file("c.cer"));
        config.set(slot::kKeyPassword, "contraseña");
        path = dir.file("m1234001.123");
    }
    FirmaResult firma() {
        std::uint8_t tipo = 0;
        return FirmaArchivo(path, tipo, config, library, dialogs);
    }

    TempDir dir;
    ConfigRecord config;
    RecordingLibrary library;
    ScriptedDialogs dialogs;
    std::string path;
};

TEST_F(FirmaArchivoTest, MissingKeyOrFileIsReportedBeforeTheLibrary) {
    struct Case {
        std::string key;
        std::string file;
        std::string message;
    };
    const std::string keyMessage =
        "ERROR, fue imposible generar la Firma Digital debido a que no se encontró el archivo "
        "KEY.";
    const std::string missing = dir.file("m1234002.123");
    const Case cases[] = {
        {"", path, keyMessage},
        {dir.file("otra.key"), path, keyMessage},
        {dir.path(), path, keyMessage},  // a directory is no key file
        {dir.file("k.key"), missing,
         "ERROR, no se encontro el archivo '" + missing + "' fue movido o borrado."},
    };
    for (const auto& c : cases) {
        ScriptedDialogs shown;
        config.set(slot::kKeyFile, c.key);
        std::string p = c.file;
        std::uint8_t tipo = 0;
        EXPECT_EQ(FirmaArchivo(p, tipo, config, library, shown), firma::kRespuestaAceptar);
        ASSERT_EQ(shown.shown.size(), 1u) << c.key;
        EXPECT_EQ(shown.shown[0].text, c.message);
        EXPECT_EQ(shown.shown[0].title, "TORVA Centro de Prevalidación");
        EXPECT_EQ(shown.shown[0].icon, DialogIcon::Critical);
        EXPECT_EQ(shown.beeps, 1);
        EXPECT_EQ(shown.busyDepth, 0);
    }
    EXPECT_EQ(library.searches, 0);
}

TEST_F(FirmaArchivoTest, SearchFailuresStopBeforeSigning) {
    struct Case {
        FirmaCode code;
        FirmaResult result;
        std::string message;  // empty: no box
    };
    const Case cases[] = {
        {firma::kBuscaArchivoNoEncontrado, firma::kRespuestaAceptar,
         "ERROR, no se encontro el archivo '" + path + "' fue movido o borrado."},
        {firma::kBuscaArchivoNoLegible, firma::kRespuestaAceptar,
         "ERROR, no se pudo leer el archivo '" + path + "'."},
        {FirmaCode{77}, FirmaResult{77}, ""},
    };
    for (const auto& c : cases) {
        ScriptedDialogs shown;
        library.search = [&](auto&, auto&) { return c.code; };
        std::uint8_t tipo = 0;
        std::string p = path;
        EXPECT_EQ(FirmaArchivo(p, tipo, config, library, shown), c.result);
        EXPECT_EQ(shown.texts(), c.message.empty() ? std::vector<std::string>{}
                                                   : std::vector<std::string>{c.message});
        EXPECT_EQ(shown.beeps, 0);
        EXPECT_EQ(shown.busyDepth, 0);
    }
    EXPECT_EQ(library.signs, 0);
}

TEST_F(FirmaArchivoTest, EverySignerOfTheSixRecordsGetsTheKeyData) {
    library.search = [](std::string&, RegistrosFirma& r) {
        for (std::size_t i : {0u, 2u, 5u}) {
            escribeCampo(r[i], CampoFirma::Curp, std::string("GODE561231HDFRRN09") + '\0');
        }
        return firma::kOk;
    };
    EXPECT_EQ(firma(), firma::kFirmado);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.busyDepth, 0);

    RegistroFirma expected;
    escribeCampo(expected, CampoFirma::Curp, std::string("GODE561231HDFRRN09") + '\0');
    escribeCampo(expected, CampoFirma::ArchivoKey, dir.file("k.key") + '\0');
    escribeCampo(expected, CampoFirma::ArchivoCer, dir.file("c.cer") + '\0');
    escribeCampo(expected, CampoFirma::Contrasena, std::string("contraseña") + '\0');
    const RegistrosFirma& got = library.signedRecords;
    EXPECT_EQ(got[0].bytes, expected.bytes);
    EXPECT_EQ(got[2].bytes, expected.bytes);
    EXPECT_EQ(got[5].bytes, expected.bytes);  // the sixth signer too
    EXPECT_EQ(got[1].bytes, RegistroFirma{}.bytes);
}

TEST_F(FirmaArchivoTest, NoSignerStillCallsTheLibraryWithoutKeyData) {
    library.signCode = firma::kSinFirmantes;
    EXPECT_EQ(firma(), firma::kRespuestaAceptar);
    EXPECT_EQ(library.signs, 1);
    for (const auto& r : library.signedRecords) {
        EXPECT_EQ(r.bytes, RegistroFirma{}.bytes);
    }
}

TEST_F(FirmaArchivoTest, ThePathRewrittenBySearchIsUsedForSigningAndMessages) {
    const std::string rewritten = dir.file("M1234001.123");
    library.search = [&](std::string& p, auto&) {
        p = rewritten + '\0' + "garbage";
        return firma::kOk;
    };
    library.signCode = firma::kArchivoMovido;
    EXPECT_EQ(firma(), firma::kRespuestaAceptar);
    EXPECT_EQ(library.signedPath, rewritten);
    EXPECT_EQ(path, rewritten);
    EXPECT_EQ(dialogs.texts(), std::vector<std::string>{"ERROR, el archivo '" + rewritten +
                                                        "' fue movido o borrado."});
}

TEST_F(FirmaArchivoTest, EverySigningCodeShowsItsMessage) {
    const std::string p = path;
    const std::pair<FirmaCode, std::string> cases[] = {
        {FirmaCode{1}, "ERROR, el archivo '" + p + "' fue movido o borrado."},
        {FirmaCode{2}, "ERROR, no se encontro el archivo key."},
        {FirmaCode{3},
         "ERROR, no fue posible desencriptar la llave privada es probable que la contraseña "
         "este incorrecta."},
        {FirmaCode{4}, "ERROR, no fue posible crear un archivo temporal."},
        {FirmaCode{5}, "No se pudo leer el archivo '" + p + "'."},
        {FirmaCode{6},
         "ERROR, no fue posible encriptar la llave privada, probablemente el archivo key esta "
         "corrompido."},
        {FirmaCode{7}, "ERROR, esto ERROR no tiene descripción."},
        {FirmaCode{8}, "ERROR, no fue posible renombrar el archivo firmado."},
        {FirmaCode{9},
         "ERROR, la llave privada no corresponde al certificado del Agente o Apoderado "
         "Aduanal."},
        {FirmaCode{10},
         "ERROR, el tipo de documento que se pretende firmar no es un documento valido."},
        {FirmaCode{11},
         "ERROR, no fue posible leer el certificado del Agente o Apoderado Aduanal."},
        {FirmaCode{12}, "ERROR, el certificado del Agente o Apoderado Aduanal esta vencido."},
        {FirmaCode{13},
         "ERROR, el archivo contiene más de un registro 201, solo debe existir uno."},
        {FirmaCode{14}, "ERROR, el archivo '" + p + "' no contiene la CURP de ningún firmante."},
        {FirmaCode{15}, "ERROR, el archivo '" + p +
                            "' termina con un registro FEA que no es una firma del certificado del "
                            "Agente o Apoderado Aduanal; quite ese registro para poder firmar el "
                            "archivo."},
        {FirmaCode{16},
         "ERROR, la ruta del archivo KEY, la del certificado o la contraseña pasa de 255 "
         "caracteres y no cabe en el registro de la firma."},
        {FirmaCode{99},
         "ERROR, fue imposible generar la Firma Digital del archivo '" + p + "' (código 99)."},
    };
    for (const auto& [code, message] : cases) {
        ScriptedDialogs shown;
        library.signCode = code;
        std::uint8_t tipo = 0;
        std::string path2 = p;
        EXPECT_EQ(FirmaArchivo(path2, tipo, config, library, shown), firma::kRespuestaAceptar);
        ASSERT_EQ(shown.shown.size(), 1u);
        EXPECT_EQ(shown.shown[0].text, message) << codeNumber(code);
        EXPECT_EQ(shown.shown[0].icon, DialogIcon::Critical);
        EXPECT_EQ(shown.shown[0].buttons, DialogButtons::Ok);
        EXPECT_EQ(shown.beeps, 0);
        EXPECT_EQ(shown.busyDepth, 0);
    }
}

}  // namespace
}  // namespace torva
