// The `trimora` command run as a user runs it: exit codes, messages on stderr, and no output from bad input.
#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/Paths.h"

extern char** environ;

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

    CommandResult Trimora(std::vector<std::string> args) {
        const std::string binary = TRIMORA_COMMAND;
        args.insert(args.begin(), binary);
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const std::string out = (dir_ / "stdout").string(), err = (dir_ / "stderr").string();
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid;
        CommandResult run;
        if (posix_spawn(&pid, binary.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
            int status = 0;
            waitpid(pid, &status, 0);
            run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        run.out = Slurp(out);
        run.err = Slurp(err);
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

TEST_F(TrimoraCommand, UsageErrorsSayWhatIsWrongAndWriteNothing) {
    const std::string input = trimora::test::SourcePath("tests/data/svg/clip.svg");
    const std::string output = (dir_ / "out.svg").string();
    Write("kept.svg", "keep me");
    const std::string kept = (dir_ / "kept.svg").string();
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{}, "A subcommand is required"},
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

}  // namespace
