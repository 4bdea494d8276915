// Moving and deleting profiles when a file operation fails part way.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/FileSystem.h"
#include "profiles/StartupWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace torva {
namespace {

using test::readBytes;
using test::ScriptedDialogs;
using test::TempDir;
using test::writeBytes;

// Real file operations, of which the listed calls (counted from 1 over copy,
// move and remove) fail as a file locked by another program would.
class FailingFiles final : public ProfileFiles {
  public:
    explicit FailingFiles(std::set<int> failing) : failing_(std::move(failing)) {}
    std::error_code copy(const std::string& from, const std::string& to) const override {
        return step() ? busy() : ProfileFiles::copy(from, to);
    }
    std::error_code move(const std::string& from, const std::string& to) const override {
        return step() ? busy() : ProfileFiles::move(from, to);
    }
    std::error_code remove(const std::string& path) const override {
        return step() ? busy() : ProfileFiles::remove(path);
    }

  private:
    bool step() const { return failing_.count(++calls_) != 0; }
    static std::error_code busy() { return std::make_error_code(std::errc::text_file_busy); }
    std::set<int> failing_;
    mutable int calls_ = 0;
};

// Profiles whose configuration files hold their key.
struct Installation {
    TempDir dir;
    ScriptedDialogs dialogs;
    std::vector<std::string> keys;

    explicit Installation(std::vector<std::string> k) : keys(std::move(k)) {
        ProfileStore plain(dir.path());
        EXPECT_FALSE(plain.writeKeys(keys));
        for (std::size_t i = 0; i < keys.size(); ++i) {
            writeBytes(plain.configPath(i), "config of " + keys[i]);
        }
    }
    StartupWindow window(std::set<int> failing = {}) {
        StartupWindow w(ProfileStore(dir.path(), std::make_shared<FailingFiles>(failing)), dialogs);
        w.load();
        return w;
    }
    std::string config(std::size_t i) const {
        return readBytes(ProfileStore(dir.path()).configPath(i));
    }
    std::string list() const { return readBytes(ProfileStore(dir.path()).listPath()); }
    // Every profile still finds its own file and nothing else is left over.
    void expectUntouched() const {
        std::string expected;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            EXPECT_EQ(config(i), "config of " + keys[i]) << i;
            expected += keys[i] + "\r\n";
        }
        EXPECT_EQ(list(), expected);
        std::size_t entries = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) {
            ++entries;
        }
        EXPECT_EQ(entries, keys.size() + 1);
    }
    const std::string& lastText() const { return dialogs.shown.back().text; }
};

constexpr const char* kNothingChanged = "No se realizó ningún cambio";

TEST(ProfileChanges, DeletingAProfileWhoseFileIsReadOnlyChangesNothing) {
    Installation inst({"A", "B", "C", "D"});
    setReadOnly(ProfileStore(inst.dir.path()).configPath(1), true);
    StartupWindow w = inst.window();
    w.select(1);
    inst.dialogs.answer(DialogAnswer::Yes);
    w.CmdEliminarPatente();
    inst.expectUntouched();
    EXPECT_EQ(w.keys(), inst.keys);
    EXPECT_NE(inst.lastText().find("solo lectura"), std::string::npos) << inst.lastText();
    EXPECT_NE(inst.lastText().find(kNothingChanged), std::string::npos);
}

TEST(ProfileChanges, AFailedDeletionStepIsUndoneOrReportedFileByFile) {
    struct Case {
        std::set<int> failing;  // 1: B's file aside, 2: C down, 3: D down, 4..: undo
        bool undone;
        std::string where;  // what the message must name when not undone
    };
    const Case cases[] = {
        {{1}, true, ""},
        {{3}, true, ""},
        // D's move fails and so does moving C back up: C stays in odbc1, B aside.
        {{3, 4}, false, "odbc2.reg\" quedó en"},
    };
    for (const auto& c : cases) {
        Installation inst({"A", "B", "C", "D"});
        StartupWindow w = inst.window(c.failing);
        w.select(1);
        inst.dialogs.answer(DialogAnswer::Yes);
        w.CmdEliminarPatente();
        const std::string& text = inst.lastText();
        if (c.undone) {
            inst.expectUntouched();
            EXPECT_NE(text.find(kNothingChanged), std::string::npos) << text;
        } else {
            EXPECT_EQ(text.find(kNothingChanged), std::string::npos) << text;
            EXPECT_NE(text.find(c.where), std::string::npos) << text;
            EXPECT_EQ(inst.config(1), "config of C");  // not written over by B's
            EXPECT_EQ(readBytes(ProfileStore(inst.dir.path()).configPath(1) + ".borrar"),
                      "config of B");
            EXPECT_EQ(inst.list(), "A\r\nB\r\nC\r\nD\r\n");
        }
        EXPECT_EQ(w.keys(), inst.keys);
    }
}

TEST(ProfileChanges, AListThatCannotBeWrittenUndoesTheDeletionAndTheMove) {
    Installation inst({"A", "B", "C", "D"});
    // The list's temporary file cannot be created.
    std::filesystem::create_directory(inst.dir.file("~usuarios.dat.tmp"));
    StartupWindow w = inst.window();
    w.select(1);
    inst.dialogs.answer(DialogAnswer::Yes);
    w.CmdEliminarPatente();
    EXPECT_NE(inst.lastText().find(kNothingChanged), std::string::npos) << inst.lastText();
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(inst.config(i), "config of " + inst.keys[i]);
    }
    EXPECT_FALSE(pathExists(ProfileStore(inst.dir.path()).configPath(1) + ".borrar"));

    w.select(0);
    EXPECT_EQ(w.CmdEntrar(), 0u);
    EXPECT_NE(inst.lastText().find(kNothingChanged), std::string::npos) << inst.lastText();
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(inst.config(i), "config of " + inst.keys[i]);
    }
}

TEST(ProfileChanges, AMoveWhoseUndoFailsSaysWhereTheFilesAre) {
    struct Case {
        std::set<int> failing;  // 1..3 the swap's copies, 4 its undo or clean-up
        bool blockList;         // the list cannot be written: the swap is made back
        std::string says;
    };
    const Case cases[] = {
        // The last copy fails and so does putting A back: A's configuration is in the spare.
        {{3, 4}, false, "su configuración original está en"},
        // The list fails and the swap back cannot even start: the files stay swapped.
        {{5}, true, "tiene la configuración de C"},
    };
    for (const auto& c : cases) {
        Installation inst({"A", "B", "C"});
        if (c.blockList) {
            std::filesystem::create_directory(inst.dir.file("~usuarios.dat.tmp"));
        }
        StartupWindow w = inst.window(c.failing);
        w.select(0);
        EXPECT_EQ(w.CmdEntrar(), 0u);
        const std::string& text = inst.lastText();
        EXPECT_EQ(text.find(kNothingChanged), std::string::npos) << text;
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
        EXPECT_EQ(inst.list(), "A\r\nB\r\nC\r\n");
    }
}

TEST(ProfileChanges, AnUnreadableListDisablesTheCommandsAndIsNeverWritten) {
    TempDir dir;
    ScriptedDialogs dialogs;
    // Something under the list's name that cannot be read as a file.
    std::filesystem::create_directory(dir.file("usuarios.dat"));
    StartupWindow w(ProfileStore(dir.path()), dialogs);
    w.load();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("usuarios.dat"), std::string::npos);
    EXPECT_FALSE(w.profileCommandsEnabled());
    EXPECT_FALSE(w.creationEnabled());

    w.CmdCrearPatente();
    w.setNewKey("9999");
    EXPECT_FALSE(w.acceptEnabled());
    w.CmdAceptar();
    EXPECT_FALSE(w.CmdEntrar());
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("usuarios.dat")));
    EXPECT_FALSE(pathExists(dir.file("odbc0.reg")));
}

TEST(ProfileChanges, MoreThan256ProfilesAreRefusedBeforeAnythingMoves) {
    std::vector<std::string> keys;
    for (int i = 0; i < 257; ++i) {
        keys.push_back("P" + std::to_string(i));
    }
    TempDir dir;
    ScriptedDialogs dialogs;
    ProfileStore store(dir.path());
    ASSERT_FALSE(store.writeKeys(keys));
    writeBytes(store.configPath(0), "config of P0");
    writeBytes(store.configPath(256), "config of P256");
    const std::string list = readBytes(store.listPath());

    StartupWindow w(store, dialogs);
    w.load();
    w.select(0);
    EXPECT_FALSE(w.CmdEntrar());
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(readBytes(store.listPath()), list);
    EXPECT_EQ(readBytes(store.configPath(0)), "config of P0");
    EXPECT_EQ(readBytes(store.configPath(256)), "config of P256");

    // Every choice ends at index 256, past what one byte holds.
    for (std::size_t s : {255u, 256u}) {
        w.select(s);
        EXPECT_FALSE(w.CmdEntrar()) << s;
    }
    EXPECT_EQ(readBytes(store.listPath()), list);
}

}  // namespace
}  // namespace torva
