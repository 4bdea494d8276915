#include <gtest/gtest.h>

#include <filesystem>

#include "profiles/ConfigFile.h"
#include "profiles/SecretCodec.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::readBytes;
using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

TEST(SecretCodec, EncodesFromTheLastCharacterAndDecodesBack) {
    struct Case {
        std::string value;
        std::string line;
    };
    const Case cases[] = {
        {"abc", "|1986|1966|1946"},
        {"", ""},
        {"a", "|1946"},
        {"ñ", "|4826"},  // Windows-1252 code 241
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeSecret(c.value), c.line) << c.value;
        EXPECT_EQ(decodeSecret(c.line), c.value) << c.line;
    }
}

TEST(SecretCodec, MalformedPiecesAreSkipped) {
    EXPECT_EQ(decodeSecret("|1986|x9|1946"), "ac");  // not a number
    EXPECT_EQ(decodeSecret("|99999|1946"), "a");     // code outside 1..255
    EXPECT_EQ(decodeSecret("||1946"), "a");          // empty piece
    EXPECT_EQ(decodeSecret("1946"), "");             // no separator at all
    EXPECT_EQ(decodeSecret("|1950"), "a");           // rounds to the nearest code
}

// A configuration file as the service's writer produces it.
std::vector<std::string> sampleLines() {
    return {"10.0.0.1",
            "ftpuser1234",
            "|1986|1966|1946",
            "/data/env",
            "/data/rec",
            "001",
            "999",
            "2121",
            "10.0.0.1",
            "10.0.0.2",
            "m,b",
            "m,r",
            "0",
            "/k.key",
            "/c.cer",
            "|1946",
            "0",
            "30",
            "0",
            "1",
            "/r1",
            "/r2",
            "0"};
}

std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l + "\r\n";
    }
    return out;
}

struct Loaded {
    ConfigRecord config;
    Captions captions;
    Lists lists;
    EditState edit;
    Gauges gauges;
    ScriptedDialogs dialogs;
    ProfileContext view() { return {config, captions, lists, edit, gauges, dialogs}; }
};

const HostIdentity kHost{"pc-aduana", "192.0.2.7"};

TEST(ConfigFile, LoadsTheFirst23LinesOfALongerFile) {
    TempDir dir;
    auto lines = sampleLines();
    for (int k = 0; k < 7; ++k) {
        lines.push_back("extra " + std::to_string(k));
    }
    writeBytes(dir.file("odbc0.reg"), crlf(lines));
    Loaded l;
    CargaConfiguracion(l.view(), dir.file("odbc0.reg"), kHost);

    EXPECT_EQ(l.config.get(slot::kUser), "ftpuser1234");
    EXPECT_EQ(l.config.get(slot::kPassword), "abc");
    EXPECT_EQ(l.config.get(slot::kKeyPassword), "a");
    EXPECT_EQ(l.config.get(slot::kPort), "2121");
    EXPECT_EQ(l.config.get(slot::kPurge), "0");
    EXPECT_EQ(l.config.get(slot::kRecord500Length), "30");
    EXPECT_FALSE(l.config.flag(slot::kPassive));
    EXPECT_FALSE(l.config.flag(slot::kSign));
    EXPECT_TRUE(l.config.flag(slot::kRoutes));
    EXPECT_TRUE(l.config.modified());
    EXPECT_EQ(l.captions.get(Caption::Evento), "Listo para Iniciar");
    EXPECT_EQ(l.captions.get(Caption::LocalNameLabel), "pc-aduana");
    EXPECT_EQ(l.edit.server(), ServerOption::Primario);
    EXPECT_TRUE(l.dialogs.shown.empty());
}

TEST(ConfigFile, ShortFileKeepsInitialTextsOfTheMissingSlots) {
    TempDir dir;
    writeBytes(dir.file("odbc0.reg"), "h\r\nuser9876\r\n");
    Loaded l;
    CargaConfiguracion(l.view(), dir.file("odbc0.reg"), kHost);
    EXPECT_EQ(l.config.get(slot::kUser), "user9876");
    EXPECT_EQ(l.config.get(slot::kSendDir), "ENV(3)");
    EXPECT_EQ(l.config.get(slot::kPurge), "1");
}

TEST(ConfigFile, FlagAndLengthLinesAreNormalised) {
    struct Case {
        int slot;
        std::string line;
        std::string loaded;
    };
    const Case cases[] = {
        {slot::kRecord500Length, "abc", "24"},
        {slot::kRecord500Length, "30", "30"},
        {slot::kPassive, "1", "1"},
        {slot::kPassive, "0", "0"},
        {slot::kAutoSend, "abc", "0"},
        {slot::kPurge, " 1", "1"},
        {slot::kRoutes, "", "0"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        auto lines = sampleLines();
        lines[static_cast<std::size_t>(c.slot)] = c.line;
        writeBytes(dir.file("odbc0.reg"), crlf(lines));
        Loaded l;
        CargaConfiguracion(l.view(), dir.file("odbc0.reg"), kHost);
        EXPECT_EQ(l.config.get(c.slot), c.loaded) << "slot " << c.slot << " line " << c.line;
    }
}

TEST(ConfigFile, HostDifferentFromPrimarySelectsTheSecondaryServer) {
    TempDir dir;
    auto lines = sampleLines();
    lines[slot::kHost] = "10.0.0.9";
    writeBytes(dir.file("odbc0.reg"), crlf(lines));
    Loaded l;
    CargaConfiguracion(l.view(), dir.file("odbc0.reg"), kHost);
    EXPECT_EQ(l.edit.server(), ServerOption::Secundario);
    EXPECT_EQ(l.config.get(slot::kHost), "10.0.0.2");
}

TEST(ConfigFile, SavingWritesTheExactFormatAndTwiceGivesIdenticalBytes) {
    TempDir dir;
    const std::string path = dir.file("odbc0.reg");
    writeBytes(path, crlf(sampleLines()));
    Loaded l;
    CargaConfiguracion(l.view(), path, kHost);
    l.config.set(slot::kKeyPassword, "Contraseña");

    ASSERT_TRUE(GrabaConfiguracion(l.view(), path));
    const std::string first = readBytes(path);
    ASSERT_TRUE(GrabaConfiguracion(l.view(), path));
    EXPECT_EQ(readBytes(path), first);

    auto expected = sampleLines();
    expected[slot::kKeyPassword] = encodeSecret("Contraseña");
    expected.push_back("pc-aduana");
    expected.push_back("192.0.2.7");
    expected.push_back("Versi\xF3n 6.2.7");
    EXPECT_EQ(first, crlf(expected));
    EXPECT_NE(first.find("|1946|4826|2026"), std::string::npos);  // ...a, ñ, e of the end

    Loaded again;
    CargaConfiguracion(again.view(), path, kHost);
    for (int i = 0; i < slot::kCount; ++i) {
        EXPECT_EQ(again.config.get(i), l.config.get(i)) << "slot " << i;
    }
}

TEST(ConfigFile, MissingFileKeepsInitialTextsAndRequestsEditMode) {
    TempDir dir;
    Loaded l;
    l.dialogs.answer(DialogAnswer::Yes);
    CargaConfiguracion(l.view(), dir.file("odbc0.reg"), kHost);

    EXPECT_EQ(l.dialogs.beeps, 2);
    ASSERT_EQ(l.dialogs.shown.size(), 2u);
    EXPECT_EQ(l.dialogs.shown[0].icon, DialogIcon::Critical);
    EXPECT_EQ(l.dialogs.shown[0].title, kAppTitle);
    EXPECT_EQ(l.dialogs.shown[1].buttons, DialogButtons::YesNo);
    EXPECT_TRUE(l.edit.editing());
    EXPECT_TRUE(l.edit.hiddenFieldsVisible());
    EXPECT_FALSE(l.edit.record500Visible());  // only slots 0 and 2
    EXPECT_TRUE(l.config.modified());
    EXPECT_EQ(l.config.get(slot::kUser), "User(1)");
    EXPECT_EQ(l.config.get(slot::kKeyPassword), "Contraseña (15) ");
}

TEST(ConfigFile, AFailedSaveIsReportedAndLeavesTheOldFile) {
    TempDir dir;
    Loaded l;
    // The target is a directory: nothing can replace it.
    const std::string path = dir.file("odbc0.reg");
    std::filesystem::create_directory(path);
    EXPECT_FALSE(GrabaConfiguracion(l.view(), path));
    ASSERT_EQ(l.dialogs.shown.size(), 1u);
    EXPECT_EQ(l.dialogs.shown[0].icon, DialogIcon::Critical);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(l.captions.get(Caption::Evento), "No se guardó la configuración");
}

TEST(ConfigFile, AFileThatExistsButCannotBeReadIsNeitherMissingNorWritten) {
    TempDir dir;
    const std::string path = dir.file("odbc0.reg");
    std::filesystem::create_directory(path);  // there, but not readable as a file
    Loaded l;
    l.dialogs.answer(DialogAnswer::Yes);
    CargaConfiguracion(l.view(), path, kHost);
    EXPECT_EQ(l.dialogs.beeps, 0);
    ASSERT_EQ(l.dialogs.shown.size(), 1u);  // no edit-mode question
    EXPECT_NE(l.dialogs.shown[0].text.find("No fue posible leer"), std::string::npos);
    EXPECT_FALSE(l.edit.editing());
    EXPECT_FALSE(l.edit.hiddenFieldsVisible());

    l.dialogs.shown.clear();
    EXPECT_FALSE(GrabaConfiguracion(l.view(), path));
    EXPECT_EQ(l.dialogs.shown.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

TEST(ConfigFile, ASignFlagLoadedOnRunsTheChecksOfAClick) {
    TempDir dir;
    writeBytes(dir.file("k.key"), "key");
    writeBytes(dir.file("c.cer"), "cer");
    struct Case {
        std::string key;
        std::string cert;
        std::string password;  // encoded line
        std::string sign;
        std::string message;  // start of the box shown, empty for none
    };
    const Case cases[] = {
        {dir.file("k.key"), dir.file("c.cer"), "|1946", "1", ""},
        {dir.file("none.key"), dir.file("c.cer"), "|1946", "0",
         "ERROR, no se encontro el archivo KEY"},
        {dir.file("k.key"), dir.file("none.cer"), "|1946", "0",
         "ERROR, no se encontro el archivo CER"},
        {dir.file("k.key"), dir.file("c.cer"), "", "0", "Para poder activar"},
    };
    for (const auto& c : cases) {
        auto lines = sampleLines();
        lines[slot::kKeyFile] = c.key;
        lines[slot::kCertFile] = c.cert;
        lines[slot::kKeyPassword] = c.password;
        lines[slot::kSign] = "1";
        writeBytes(dir.file("odbc0.reg"), crlf(lines));
        Loaded l;
        CargaConfiguracion(l.view(), dir.file("odbc0.reg"), kHost);
        EXPECT_EQ(l.config.get(slot::kSign), c.sign) << c.message;
        if (c.message.empty()) {
            EXPECT_TRUE(l.dialogs.shown.empty());
        } else {
            ASSERT_EQ(l.dialogs.shown.size(), 1u) << c.message;
            EXPECT_EQ(l.dialogs.shown[0].text.rfind(c.message, 0), 0u) << l.dialogs.shown[0].text;
        }
    }
}

TEST(ConfigFile, PastedLineBreaksNeverShiftTheSlotsOfTheFile) {
    TempDir dir;
    const std::string path = dir.file("odbc0.reg");
    Loaded l;
    for (int i = 0; i < slot::kCount; ++i) {
        l.config.set(i, "v\r\n" + std::to_string(i) + "\n");
    }
    l.config.set(slot::kKeyPassword, "a\tb\x7f");
    l.captions.set(Caption::LocalNameLabel, "pc\r\nx");
    ASSERT_TRUE(GrabaConfiguracion(l.view(), path));
    const std::string bytes = readBytes(path);
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2) {
        ++lines;
    }
    EXPECT_EQ(lines, 26u);
    EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);  // no bare break anywhere
    EXPECT_NE(bytes.find("\r\npcx\r\n"), std::string::npos);

    Loaded again;
    CargaConfiguracion(again.view(), path, kHost);
    EXPECT_EQ(again.config.get(slot::kPort), "v7");
    EXPECT_EQ(again.config.get(slot::kRecord500Length), "24");  // "v17" is not a number
    EXPECT_EQ(again.config.get(slot::kKeyPassword), "ab");
    EXPECT_EQ(again.config.get(slot::kReceiveRoutes), "v21");
}

TEST(ConfigRecord, MirrorClicksWriteTheFlagAndSetModified) {
    ConfigRecord config;
    EXPECT_FALSE(config.modified());
    config.setFlag(slot::kPassive, false);
    EXPECT_EQ(config.get(slot::kPassive), "0");
    EXPECT_TRUE(config.modified());
    config.setModified(false);
    config.setFlag(slot::kPassive, false);  // a click is a change even without a new value
    EXPECT_TRUE(config.modified());
    config.setModified(false);
    config.set(slot::kUser, config.get(slot::kUser));
    EXPECT_FALSE(config.modified());
}

}  // namespace
}  // namespace torva
