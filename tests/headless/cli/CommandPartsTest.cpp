// The command's parts on their own: the options dialog played by flags and by keys on a pseudo-terminal (with the
// module's own dialog procedure), the preferences file, recorded actions as JSON, and the progress line.
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "headless/cli/ActionFile.h"
#include "headless/cli/ChoiceFlags.h"
#include "headless/cli/PreferenceFile.h"
#include "headless/cli/ProgressBar.h"
#include "headless/cli/TerminalDialog.h"
#include "headless/win32/StandIn.h"
#include "plugin/command/OptionsDialog.h"
#include "plugin/resources/ResourceIds.h"

namespace {

namespace fs = std::filesystem;
using namespace headless::app;

constexpr INT_PTR kStop = 'STOP';

class OptionsDialogDriven : public testing::Test {
protected:
    void SetUp() override {
        headless::win32::ResetStandIn();
        headless::win32::SetLoadedModule("/module", Module());
    }
    void TearDown() override { headless::win32::ResetStandIn(); }
    static HMODULE Module() {
        static int token;
        return reinterpret_cast<HMODULE>(&token);
    }
    // The module's dialog over `options`, played by `driver`.
    static INT_PTR Show(headless::win32::DialogDriver& driver, ClipOptions& options) {
        const headless::win32::ScopedDialogDriver scope(driver);
        return DialogBoxParamA(Module(), MAKEINTRESOURCEA(IDD_OPTIONS), nullptr, OptionsDialogProc,
                               reinterpret_cast<LPARAM>(&options));
    }
};

TEST_F(OptionsDialogDriven, FlagsChangeOnlyWhatTheyNameAndConfirm) {
    // Every combination of given and not given, over records pre-filled both ways.
    std::mt19937 random(12);
    for (int round = 0; round < 64; ++round) {
        const ClipOptions stored{static_cast<ASInt32>(random() % 2), static_cast<AIBoolean>(random() % 2),
                                 static_cast<AIBoolean>(random() % 2), static_cast<AIBoolean>(random() % 2),
                                 static_cast<AIBoolean>(random() % 2)};
        auto maybe = [&random]() -> std::optional<bool> {
            const unsigned pick = random() % 3;
            return pick == 2 ? std::nullopt : std::optional<bool>(pick == 1);
        };
        const ClipChoices choices{maybe(), maybe(), maybe(), maybe(), maybe()};
        ClipOptions options = stored;
        ChoiceFlagsDriver driver(choices);
        ASSERT_EQ(Show(driver, options), 0);
        const auto expect = [](const std::optional<bool>& given, int before) { return given ? *given : before; };
        EXPECT_EQ(options.ClipType, expect(choices.inside, stored.ClipType));
        EXPECT_EQ(options.DeleteEmptyLayer, expect(choices.deleteEmptyLayers, stored.DeleteEmptyLayer));
        EXPECT_EQ(options.DeleteTextOnTheLine, expect(choices.deleteCrossingText, stored.DeleteTextOnTheLine));
        EXPECT_EQ(options.ShowProgress, expect(choices.showProgress, stored.ShowProgress));
        EXPECT_EQ(options.PreserveMaskPath, expect(choices.keepRegion, stored.PreserveMaskPath));
    }
}

// The terminal dialog on a pseudo-terminal: the keys are typed before it opens, the drawing is read back.
class TerminalDialogTest : public OptionsDialogDriven {
protected:
    INT_PTR Type(const std::string& keys, ClipOptions& options) {
        int controller = -1, terminal = -1;
        EXPECT_EQ(openpty(&controller, &terminal, nullptr, nullptr, nullptr), 0);
        EXPECT_EQ(write(controller, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
        TerminalDialogDriver driver(terminal, drawn_);
        const INT_PTR result = Show(driver, options);
        close(terminal);
        close(controller);
        return result;
    }
    std::ostringstream drawn_;
};

TEST_F(TerminalDialogTest, NumbersArrowsAndSpaceChangeTheChoicesAndEnterConfirms) {
    ClipOptions options;
    // 2: 内側削除; down twice from there and space: the second box; 6: the last box; Enter.
    EXPECT_EQ(Type("2\033[B\033[B 6\r", options), 0);
    EXPECT_EQ(options, (ClipOptions{1, 0, 1, 0, 1}));
    const std::string shown = drawn_.str();
    for (const char* label : {"切り抜き種別", "オプション", "外側削除", "内側削除", "空のレイヤーを削除",
                              "ラインにかかるテキスト・シンボルを削除", "進行状況を表示", "切り抜き範囲指定パスを残す",
                              "実行", "キャンセル"})
        EXPECT_NE(shown.find(label), std::string::npos) << label;
    EXPECT_NE(shown.find("(•) 内側削除"), std::string::npos);
}

TEST_F(TerminalDialogTest, EscapeAndTheEndOfInputCancelAndLeaveTheRecord) {
    const ClipOptions stored{0, 1, 0, 1, 0};
    ClipOptions options = stored;
    EXPECT_EQ(Type("2 3\033", options), kStop);
    EXPECT_EQ(options, stored);
    // Input that ends (a closed pipe) before any confirmation.
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    ASSERT_EQ(write(ends[1], "2 3", 3), 3);
    close(ends[1]);
    TerminalDialogDriver driver(ends[0], drawn_);
    EXPECT_EQ(Show(driver, options), kStop);
    close(ends[0]);
    EXPECT_EQ(options, stored);
}

class PreferenceFileTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(testing::TempDir()) / ("prefs-" + std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(PreferenceFileTest, RoundTripsTheWholeStoreIntoAFolderItMakes) {
    headless::PreferenceStore store;
    std::mt19937 random(7);
    for (int i = 0; i < 40; ++i) {
        const std::string section = "section " + std::to_string(random() % 4), key = "key" + std::to_string(i);
        if (random() % 2)
            store.PutBoolean(section, key, random() % 2);
        else
            store.PutInteger(section, key, static_cast<ASInt32>(random()));
    }
    const fs::path file = dir_ / "new" / "trimora" / "preferences.json";
    SavePreferences(file, store);
    headless::PreferenceStore read;
    EXPECT_EQ(LoadPreferences(file, read), "");
    EXPECT_EQ(read.Integers(), store.Integers());
    EXPECT_EQ(read.Booleans(), store.Booleans());
    // Only the file: no temporary left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(PreferenceFileTest, DamagedFilesGiveDefaultsAndAWarningNamingTheFile) {
    const fs::path file = dir_ / "preferences.json";
    headless::PreferenceStore store;
    EXPECT_EQ(LoadPreferences(dir_ / "missing.json", store), "");
    const struct {
        std::string text;
        std::string warning;
        std::size_t kept;
    } cases[] = {
        {"{\"s\": {\"a\": 1", "is not valid JSON", 0},
        {"[1, 2]", "holds no preferences object", 0},
        {"{\"s\": 3, \"t\": {\"a\": true}}", "section \"s\" is not an object", 1},
        {"{\"s\": {\"a\": 1.5, \"b\": 4294967296, \"c\": \"x\", \"d\": -2}}", "\"s\" \"a\" is neither", 1},
    };
    for (const auto& c : cases) {
        std::ofstream(file) << c.text;
        headless::PreferenceStore read;
        const std::string warnings = LoadPreferences(file, read);
        EXPECT_NE(warnings.find(file.string() + ": "), std::string::npos) << c.text;
        EXPECT_NE(warnings.find(c.warning), std::string::npos) << warnings;
        EXPECT_EQ(read.Integers().size() + read.Booleans().size(), c.kept) << c.text;
    }
    fs::create_directory(dir_ / "folder.json");
    EXPECT_NE(LoadPreferences(dir_ / "folder.json", store).find("is a directory"), std::string::npos);
}

TEST_F(PreferenceFileTest, TheFolderFollowsTheConfigurationHome) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string restore = saved ? saved : "";
    setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    EXPECT_EQ(DefaultPreferencesPath(), dir_ / "trimora" / "preferences.json");
    // A relative setting is not a place; the home folder's default applies.
    setenv("XDG_CONFIG_HOME", "relative/dir", 1);
    EXPECT_EQ(DefaultPreferencesPath().parent_path().parent_path().filename(), ".config");
    if (saved)
        setenv("XDG_CONFIG_HOME", restore.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

TEST(ActionFile, RecordedStepsRoundTripAndDamageIsNamed) {
    std::mt19937 random(3);
    for (int round = 0; round < 50; ++round) {
        headless::RecordedActionEvent step;
        step.name = round % 2 ? "Zavik-Trimora2.5" : "切り抜き";
        step.dialogStatus = static_cast<ASInt32>(random() % 4);
        headless::ActionParamType declared;
        for (int k = 0; k < 5; ++k) {
            const ASUInt32 key = 0x61616161u + static_cast<ASUInt32>(random() % 0x19191919u & 0x0F0F0F0Fu);
            headless::ActionParamEntry entry;
            entry.typeCode = random() % 2 ? 'enum' : 'bool';
            entry.integer =
                entry.typeCode == 'bool' ? static_cast<ASInt32>(random() % 2) : static_cast<ASInt32>(random());
            if (entry.typeCode == 'enum') entry.name = "名前" + std::to_string(k);
            step.parameters.entries[key] = entry;
            if (k % 2) declared.keys.push_back({key, "", entry.typeCode, true});
        }
        const headless::RecordedActionEvent read = ActionFromJson(ActionToJson(step, declared), "a.json");
        EXPECT_EQ(read.name, step.name);
        EXPECT_EQ(read.dialogStatus, step.dialogStatus);
        ASSERT_EQ(read.parameters.entries.size(), step.parameters.entries.size());
        for (const auto& [key, entry] : step.parameters.entries) {
            const auto& back = read.parameters.entries.at(key);
            EXPECT_EQ(back.typeCode, entry.typeCode);
            EXPECT_EQ(back.integer, entry.integer);
            EXPECT_EQ(back.name, entry.name);
        }
    }
    const struct {
        std::string text;
        std::string message;
    } damaged[] = {
        {"{", "a.json: not valid JSON"},
        {"{\"event\": \"e\", \"dialogStatus\": 9, \"parameters\": []}", "a.json: \"dialogStatus\" 9 is not"},
        {"{\"event\": \"e\", \"dialogStatus\": 0}", "has no \"parameters\""},
        {"{\"event\": \"e\", \"dialogStatus\": 0, \"parameters\": [{\"key\": \"typ\", \"type\": \"enum\"}]}",
         "parameter 1 key is not a four-character code"},
        {"{\"event\": \"e\", \"dialogStatus\": 0, \"parameters\": [{\"key\": \"delL\", \"type\": \"bool\", "
         "\"value\": 1}]}",
         "parameter 'delL' value is not true or false"},
        {"{\"event\": \"e\", \"dialogStatus\": 0, \"parameters\": [{\"key\": \"a\\u0000bc\"}]}",
         "parameter 1 key is not a four-character code"},
        {"{\"event\": \"e\", \"dialogStatus\": 0, \"parameters\": [{\"key\": \"abcd\", \"type\": \"real\", "
         "\"value\": 1}]}",
         "only 'enum' and 'bool'"},
    };
    for (const auto& d : damaged) {
        try {
            ActionFromJson(d.text, "a.json");
            ADD_FAILURE() << d.text;
        } catch (const ActionFileError& e) {
            EXPECT_NE(std::string(e.what()).find(d.message), std::string::npos) << e.what();
        }
    }
}

TEST(ProgressLine, FitsTheTerminalAndRedrawsOnlyOnChange) {
    std::mt19937 random(5);
    const std::string pieces[] = {"レイヤー", "Layer ", "切り抜き処理中: ", "x", "背景と前景"};
    for (int round = 0; round < 200; ++round) {
        const int columns = 20 + static_cast<int>(random() % 100);
        std::ostringstream out;
        ProgressBar bar(out, columns);
        std::string text;
        for (unsigned n = random() % 12; n > 0; --n)
            text += pieces[random() % std::size(pieces)];
        const int max = static_cast<int>(random() % 500);
        const int current = max ? static_cast<int>(random() % static_cast<unsigned>(max + 1)) : 0;
        bar.Show(text, current, max);
        const std::string drawn = out.str();
        ASSERT_EQ(drawn.rfind("\r", 0), 0u);
        const std::string line = drawn.substr(1, drawn.size() - 1 - 3);  // without "\r" and "\033[K"
        EXPECT_LT(DisplayWidth(line), columns) << line;
        if (max > 0) {
            EXPECT_NE(line.find(std::to_string(current * 100 / max) + "%"), std::string::npos) << line;
        }
        bar.Show(text, current, max);
        EXPECT_EQ(out.str(), drawn);
    }
}

}  // namespace
