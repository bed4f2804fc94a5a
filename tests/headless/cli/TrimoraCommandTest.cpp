// The `trimora` command run as a user runs it: exit codes, messages on stderr, and no output from bad input.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <pty.h>
#include <signal.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

#include "headless/cli/Preview.h"
#include "headless/svg/SvgFile.h"
#include "tests/render/Process.h"
#include "tests/support/Paths.h"

namespace {

namespace fs = std::filesystem;

struct CommandResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class TrimoraCommand : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("trimora-cli-" + std::to_string(getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    CommandResult Trimora(std::vector<std::string> args) { return Finish(Start(std::move(args))); }

    // Starts the command with its output in the test's folder, and the preferences there too.
    pid_t Start(std::vector<std::string> args) {
        args.insert(args.begin(), TRIMORA_COMMAND);
        return trimora::test::StartProgram(std::move(args),
                                           {.outputFile = (dir_ / "stdout").string(),
                                            .errorFile = (dir_ / "stderr").string(),
                                            .environment = {"XDG_CONFIG_HOME=" + (dir_ / "config").string()}});
    }

    CommandResult Finish(pid_t pid) {
        CommandResult run;
        int status = 0;
        if (pid > 0 && waitpid(pid, &status, 0) == pid) run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = Slurp(dir_ / "stdout");
        run.err = Slurp(dir_ / "stderr");
        return run;
    }

    fs::path Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name) << text;
        return dir_ / name;
    }

    fs::path dir_;
};

TEST_F(TrimoraCommand, InfoShowsLayersArtAndCounts) {
    const CommandResult run =
        Trimora({"info", trimora::test::SourcePath("tests/data/svg/layers.svg"), "--select", "r1"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("layer 3 \"Hidden\" hidden editable preview"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("layer 1 \"Outline\" visible editable outline"), std::string::npos);
    EXPECT_NE(run.out.find("path #r1 [10, -10, 70, -50] selected segments 4 closed fill #4682b4"), std::string::npos);
    EXPECT_NE(run.out.find("guide"), std::string::npos);
    EXPECT_NE(run.out.find("counts"), std::string::npos);
}

TEST_F(TrimoraCommand, ConvertWritesAFileThatReadsBack) {
    const fs::path output = dir_ / "out.svg";
    const CommandResult run =
        Trimora({"convert", trimora::test::SourcePath("tests/data/svg/clip.svg"), output.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Trimora({"info", output.string()}).exitCode, 0);
    // Only the output itself is left in the directory, no temporary file.
    size_t entries = 0;
    for (const auto& e : fs::directory_iterator(dir_))
        if (e.path().extension() == ".svg") ++entries;
    EXPECT_EQ(entries, 1u);
}

TEST_F(TrimoraCommand, BadInputNamesTheProblemAndWritesNothing) {
    const fs::path output = dir_ / "out.svg";
    const struct {
        std::string body;
        std::string message;
    } cases[] = {
        {"<svg xmlns='http://www.w3.org/2000/svg'><g></svg>", "bad.svg:1: malformed XML"},
        {"<svg xmlns='http://www.w3.org/2000/svg'>\n<path d='M 0 0 L 5'/></svg>",
         "bad.svg:2: <path>: missing or bad number"},
        {"<svg xmlns='http://www.w3.org/2000/svg'>\n\n<rect width='5' height='5' fill='url(#g)'/></svg>",
         "bad.svg:3: <rect>: fill refers to missing paint server '#g'"},
        {"<svg xmlns='http://www.w3.org/2000/svg' width='-3' height='4'/>", "bad.svg:1: <svg>: width -3 is negative"},
    };
    for (const auto& c : cases) {
        const fs::path input = Write("bad.svg", c.body);
        const CommandResult run = Trimora({"convert", input.string(), output.string()});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(output));
    }
    const CommandResult missing = Trimora({"convert", (dir_ / "none.svg").string(), output.string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("none.svg: cannot open file"), std::string::npos);
    EXPECT_FALSE(fs::exists(output));
    // An existing output stays as it was when the input is bad.
    Write("out.svg", "keep me");
    EXPECT_EQ(Trimora({"convert", (dir_ / "bad.svg").string(), output.string()}).exitCode, 1);
    EXPECT_EQ(Slurp(output), "keep me");
    EXPECT_NE(Trimora({"frobnicate"}).exitCode, 0);
}

TEST_F(TrimoraCommand, NoArgumentsPrintTheHelpAndTheVersionIsTheResourcesOwn) {
    const CommandResult help = Trimora({});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"info", "convert", "clip", "play"})
        EXPECT_NE(help.out.find(command), std::string::npos) << help.out;
    // The version record's product version, read here from the script itself.
    const std::string script = Slurp(trimora::test::SourcePath("plugin/resources/trimora.rc"));
    std::smatch version;
    ASSERT_TRUE(std::regex_search(script, version, std::regex("VALUE \"ProductVersion\", \"([0-9.]+)\"")));
    const CommandResult run = Trimora({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find(version[1].str()), std::string::npos) << run.out;
}

TEST_F(TrimoraCommand, ClipRefusesBadInputWithExitOneNamingTheFileLineOrFlag) {
    const std::string postcard = trimora::test::SourcePath("examples/postcard.svg");
    const std::string output = (dir_ / "out.svg").string();
    Write("bad.svg", "<svg xmlns='http://www.w3.org/2000/svg'>\n<path d='M 0 0 L 5'/></svg>");
    const fs::path copy = Write("in.svg", Slurp(postcard));
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"clip", postcard, "-o", output, "--region", "nowhere"}, "postcard.svg: no object with id 'nowhere'"},
        {{"clip", (dir_ / "bad.svg").string(), "-o", output, "--region", "a"}, "bad.svg:2: <path>"},
        {{"clip", postcard, "-o", output, "--region-path", "M 0 0 L 10"}, "--region-path: missing or bad number"},
        {{"clip", postcard, "-o", output, "--region-path", "Q"}, "--region-path:"},
        {{"clip", postcard, "-o", output}, "give the region with --region ID or --region-path"},
        {{"clip", postcard, "-o", output, "--region", "region", "--frobnicate"}, "--frobnicate"},
        {{"clip", postcard, "-o", output, "--region", "region", "--inside", "--outside"}, "excludes"},
        {{"clip", postcard, "-o", output, "--region", "region", "--region-path", "M0 0h1v1z"}, "excludes"},
        {{"clip", postcard, "--region", "region"}, "--output is required"},
        {{"clip", copy.string(), "-o", copy.string(), "--region", "region"}, "the output is the input file"},
        {{"clip", postcard, "-o", output, "--region", "region", "--dialog"}, "--dialog: the dialog needs a terminal"},
        {{"play", (dir_ / "none.json").string(), postcard, "-o", dir_.string(), "--region", "region"},
         "none.json: cannot open file"},
        {{"play", (dir_ / "bad.svg").string(), postcard, "-o", dir_.string(), "--region", "region"},
         "bad.svg: not valid JSON"},
    };
    for (const auto& c : cases) {
        const CommandResult run = Trimora(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.message << "\n" << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(output)) << c.message;
    }
    EXPECT_EQ(Slurp(copy), Slurp(postcard));
    EXPECT_FALSE(fs::exists(dir_ / "config")) << "a refused command stores no preferences";
}

TEST_F(TrimoraCommand, ARefusedCommandLeavesEvenAnUnreadablePreferencesFileAlone) {
    fs::create_directories(dir_ / "config" / "trimora");
    const fs::path preferences = Write("config/trimora/preferences.json", "{ not json");
    const CommandResult run = Trimora({"clip", trimora::test::SourcePath("examples/postcard.svg"), "-o",
                                       (dir_ / "out.svg").string(), "--region", "region", "--dialog"});
    // Refused before the preferences are read: a bad command line changes nothing and warns of nothing.
    EXPECT_EQ(run.exitCode, 1);
    const CommandResult quiet =
        Trimora({"play", (dir_ / "none.json").string(), "x.svg", "-o", dir_.string(), "--region", "r", "-q"});
    EXPECT_EQ(quiet.exitCode, 1);
    EXPECT_EQ(Slurp(preferences), "{ not json");
}

TEST_F(TrimoraCommand, PlayGoesOnPastAFailingFileAndSaysSoInItsSummary) {
    const fs::path action = Write("action.json", R"({"event": "Zavik-Trimora2.5", "dialogStatus": 3, "parameters": [
        {"key": "type", "type": "enum", "value": 0, "name": "外側削除"},
        {"key": "delL", "type": "bool", "value": false}, {"key": "delT", "type": "bool", "value": false},
        {"key": "swpr", "type": "bool", "value": false}, {"key": "pMsk", "type": "bool", "value": true}]})");
    const fs::path unknown = Write("unknown.json", R"({"event": "Other", "dialogStatus": 3, "parameters": []})");
    const std::string postcard = trimora::test::SourcePath("examples/postcard.svg");
    const std::string noRegion = trimora::test::SourcePath("tests/data/svg/clip.svg");
    const fs::path results = dir_ / "results";

    const CommandResult unregistered =
        Trimora({"play", unknown.string(), postcard, "-o", results.string(), "--region", "region"});
    EXPECT_EQ(unregistered.exitCode, 1);
    EXPECT_NE(unregistered.err.find("unknown.json: the module has no action event \"Other\""), std::string::npos)
        << unregistered.err;

    const CommandResult run =
        Trimora({"play", action.string(), noRegion, postcard, "-o", results.string(), "--region", "region"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("clip.svg: no object with id 'region'"), std::string::npos) << run.err;
    EXPECT_NE(run.out.find("postcard.svg: "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("of 2 files done"), std::string::npos) << run.out;
    EXPECT_FALSE(fs::exists(results / "clip.svg"));
    EXPECT_FALSE(fs::exists(dir_ / "config")) << "playback leaves the preferences alone";
}

TEST_F(TrimoraCommand, UsageErrorsSayWhatIsWrongAndWriteNothing) {
    const std::string input = trimora::test::SourcePath("tests/data/svg/clip.svg");
    const std::string output = (dir_ / "out.svg").string();
    Write("kept.svg", "keep me");
    const std::string kept = (dir_ / "kept.svg").string();
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"frobnicate", input, output}, "unknown command 'frobnicate'"},
        {{"Convert", input, output}, "unknown command 'Convert'"},
        {{"convert"}, "input is required"},
        {{"convert", input}, "output is required"},
        {{"convert", input, output, "extra"}, "not expected: extra"},
        {{"convert", input, kept, "extra"}, "not expected: extra"},
        {{"info"}, "file is required"},
        {{"info", input, "extra"}, "not expected: extra"},
        {{"info", input, "--bogus"}, "--bogus"},
    };
    for (const auto& c : cases) {
        const CommandResult run = Trimora(c.args);
        EXPECT_NE(run.exitCode, 0) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(output)) << c.message;
        EXPECT_EQ(Slurp(kept), "keep me") << c.message;
    }
}

TEST_F(TrimoraCommand, FilesThatCannotBeReadOrWrittenFailWithoutOutput) {
    const fs::path input = Write("in.svg", Slurp(trimora::test::SourcePath("tests/data/svg/clip.svg")));
    const std::string original = Slurp(input);
    fs::create_directory(dir_ / "folder");
    fs::create_symlink(input, dir_ / "link.svg");
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"convert", input.string(), (dir_ / "missing" / "out.svg").string()},
         "missing/out.svg: cannot create a temporary file: No such file or directory"},
        {{"convert", input.string(), input.string()}, "in.svg: the output is the input file"},
        {{"convert", input.string(), (dir_ / "." / "in.svg").string()}, "the output is the input file"},
        {{"convert", input.string(), (dir_ / "link.svg").string()}, "link.svg: the output is the input file"},
        {{"convert", (dir_ / "folder").string(), (dir_ / "out.svg").string()}, "folder: cannot open file: it is a"},
        {{"info", (dir_ / "folder").string()}, "folder: cannot open file: it is a directory"},
        {{"convert", input.string(), (dir_ / "folder").string()}, "folder: cannot replace the file"},
    };
    for (const auto& c : cases) {
        const CommandResult run = Trimora(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_NE(run.err.find("trimora: "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(Slurp(input), original) << c.message;
    }
    // Nothing new beside the input: no output, no temporary file, no directory made on the way.
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"folder", "in.svg", "link.svg", "stderr", "stdout"}));
    EXPECT_TRUE(fs::is_empty(dir_ / "folder"));
}

TEST_F(TrimoraCommand, UnreadableInputIsReportedAsSuch) {
    const fs::path input = Write("in.svg", Slurp(trimora::test::SourcePath("tests/data/svg/clip.svg")));
    fs::permissions(input, fs::perms::none);
    if (access(input.c_str(), R_OK) == 0) GTEST_SKIP() << "running with rights that read any file";
    const CommandResult run = Trimora({"convert", input.string(), (dir_ / "out.svg").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("in.svg: cannot open file: Permission denied"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir_ / "out.svg"));
}

// Whole runs through the module's clip engine, on the example drawing and a large generated one.
class WholeRun : public TrimoraCommand {
protected:
    std::string Postcard() { return trimora::test::SourcePath("examples/postcard.svg"); }

    // The width and height a PNG file states in its header.
    static std::pair<unsigned, unsigned> PngSize(const fs::path& file) {
        const std::string bytes = Slurp(file);
        if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
        auto word = [&bytes](std::size_t at) {
            unsigned v = 0;
            for (std::size_t i = 0; i < 4; ++i)
                v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
            return v;
        };
        return {word(16), word(20)};
    }

    // A drawing big enough that a run takes a while: many layers of small overlapping shapes.
    fs::path LargeDrawing() {
        std::string svg = "<svg xmlns='http://www.w3.org/2000/svg' width='1000' height='1000'>";
        std::mt19937 random(11);
        for (int layer = 0; layer < 40; ++layer) {
            svg += "<g id='l" + std::to_string(layer) + "'>";
            for (int i = 0; i < 300; ++i)
                svg += "<circle cx='" + std::to_string(random() % 1000) + "' cy='" + std::to_string(random() % 1000) +
                       "' r='" + std::to_string(5 + random() % 40) + "' fill='#48c'/>";
            svg += "</g>";
        }
        svg += "<g id='top'><path id='region' d='M 100 120 C 400 0 700 300 900 150 L 850 880 L 120 900 Z'/></g></svg>";
        return Write("large.svg", svg);
    }
};

TEST_F(WholeRun, ClipStoresTheOptionsRecordsWhatPlayRepeatsAndPreviewsBothSides) {
    const fs::path out = dir_ / "out.svg", action = dir_ / "action.json", preview = dir_ / "preview.png";
    const CommandResult run =
        Trimora({"clip", Postcard(), "-o", out.string(), "--region", "region", "--outside", "--keep-region",
                 "--delete-empty-layers", "--record", action.string(), "--preview", preview.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("切り抜き処理が終了しました"), std::string::npos) << run.out;
    const std::string stored = Slurp(dir_ / "config" / "trimora" / "preferences.json");
    EXPECT_NE(stored.find("\"ClipType\": 0"), std::string::npos) << stored;
    EXPECT_NE(stored.find("\"DeleteEmptyLayer\": true"), std::string::npos) << stored;
    EXPECT_NE(stored.find("\"PreserveMaskPath\": true"), std::string::npos) << stored;
    // The page is 2 panels wide with the gap between them.
    headless::Document page;
    headless::svg::ReadSvgFile(Postcard(), page);
    const auto [width, height] = PngSize(preview);
    EXPECT_EQ(width, 2 * static_cast<unsigned>(std::ceil(page.page.width)) + headless::app::kPreviewGap);
    EXPECT_EQ(height, static_cast<unsigned>(std::ceil(page.page.height)));

    // The stored options pre-fill the next run: no flags, the same result.
    const fs::path again = dir_ / "again.svg";
    ASSERT_EQ(Trimora({"clip", Postcard(), "-o", again.string(), "--region", "region", "-q"}).exitCode, 0);
    EXPECT_EQ(Slurp(again), Slurp(out));

    // Played back over copies, the recorded action gives what the menu command gave.
    fs::create_directories(dir_ / "in");
    fs::copy_file(Postcard(), dir_ / "in" / "a.svg");
    fs::copy_file(Postcard(), dir_ / "in" / "b.svg");
    const CommandResult play =
        Trimora({"play", action.string(), (dir_ / "in" / "a.svg").string(), (dir_ / "in" / "b.svg").string(), "-o",
                 (dir_ / "played").string(), "--region", "region"});
    ASSERT_EQ(play.exitCode, 0) << play.err;
    EXPECT_NE(play.out.find("2 of 2 files done"), std::string::npos) << play.out;
    EXPECT_EQ(Slurp(dir_ / "played" / "a.svg"), Slurp(out));
    EXPECT_EQ(Slurp(dir_ / "played" / "b.svg"), Slurp(out));
}

TEST_F(WholeRun, ARefusedRegionExitsTwoWithTheModulesAlert) {
    const fs::path out = dir_ / "out.svg";
    const CommandResult run =
        Trimora({"clip", Postcard(), "-o", out.string(), "--region-path", "M 10 10 L 200 200 L 10 200"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("閉じたパスを選択して下さい"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(WholeRun, TheProgressBarIsDrawnOnlyWhenAskedOrOnATerminal) {
    const fs::path large = LargeDrawing();
    const CommandResult plain =
        Trimora({"clip", large.string(), "-o", (dir_ / "a.svg").string(), "--region", "region"});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(plain.err.find('\r'), std::string::npos) << plain.err;
    const CommandResult forced =
        Trimora({"clip", large.string(), "-o", (dir_ / "b.svg").string(), "--region", "region", "--progress"});
    ASSERT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_NE(forced.err.find("%"), std::string::npos);
    EXPECT_EQ(Slurp(dir_ / "a.svg"), Slurp(dir_ / "b.svg"));
}

TEST_F(WholeRun, CtrlCDuringALongRunExits130AndWritesNothing) {
    const fs::path large = LargeDrawing(), out = dir_ / "out.svg";
    const pid_t pid = Start({"clip", large.string(), "-o", out.string(), "--region", "region", "--progress"});
    ASSERT_GT(pid, 0);
    // Once the run is under way: the progress bar has moved.
    for (int i = 0; i < 600 && Slurp(dir_ / "stderr").find('%') == std::string::npos; ++i)
        usleep(50000);
    kill(pid, SIGINT);
    const CommandResult run = Finish(pid);
    EXPECT_EQ(run.exitCode, 130) << run.err;
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(WholeRun, TheDialogOnAPseudoTerminalIsConfirmedWithEnter) {
    int controller = -1;
    const pid_t pid = forkpty(&controller, nullptr, nullptr, nullptr);
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        setenv("XDG_CONFIG_HOME", (dir_ / "config").c_str(), 1);
        execl(TRIMORA_COMMAND, TRIMORA_COMMAND, "clip", Postcard().c_str(), "-o", (dir_ / "out.svg").c_str(),
              "--region", "region", "--dialog", static_cast<char*>(nullptr));
        _exit(127);
    }
    std::string shown;
    char buffer[4096];
    // Wait for the dialog to be drawn, then check the third choice (空のレイヤーを削除) and confirm.
    while (shown.find("キャンセル") == std::string::npos) {
        const ssize_t n = read(controller, buffer, sizeof buffer);
        if (n <= 0) break;
        shown.append(buffer, static_cast<std::size_t>(n));
    }
    ASSERT_EQ(write(controller, "3\r", 2), 2);
    for (ssize_t n; (n = read(controller, buffer, sizeof buffer)) > 0;)
        shown.append(buffer, static_cast<std::size_t>(n));
    int status = 0;
    waitpid(pid, &status, 0);
    close(controller);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << shown;
    EXPECT_NE(shown.find("外側削除"), std::string::npos) << shown;
    EXPECT_NE(Slurp(dir_ / "config" / "trimora" / "preferences.json").find("\"DeleteEmptyLayer\": true"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(dir_ / "out.svg"));
}

}  // namespace
