// What bench_clip reads: the command's phase line, the peers' lines, and a child's run of the real command.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "bench/clip/ChildRun.h"
#include "bench/peers/PeerEngines.h"

namespace {

namespace fs = std::filesystem;

TEST(ClipBenchParsing, PhaseLineAmongOtherMessages) {
    const std::string text =
        "trimora: a.svg: the run failed: 'NYI!'; nothing written\ntrimora: timings: read 0.0154 s, run 2.5 s\n";
    const auto phases = clipbench::ParsePhaseTimes(text);
    ASSERT_EQ(phases.size(), 2u);
    EXPECT_EQ(phases[0].first, "read");
    EXPECT_DOUBLE_EQ(phases[0].second, 0.0154);
    EXPECT_EQ(phases[1].first, "run");
    EXPECT_DOUBLE_EQ(phases[1].second, 2.5);
    EXPECT_EQ(clipbench::FirstMessage(text), "trimora: a.svg: the run failed: 'NYI!'; nothing written");

    EXPECT_TRUE(clipbench::ParsePhaseTimes("trimora: no such file\n").empty());
    EXPECT_TRUE(clipbench::ParsePhaseTimes("").empty());
    EXPECT_EQ(clipbench::FirstMessage("trimora: timings: read 1 s\n"), "");
}

TEST(ClipBenchParsing, PeerLinesGiveEngineAndBestTime) {
    const peers::PeerFigure paper = peers::ParsePeerLine(
        "paper.js        synth-1k-circle   1000 shapes 1.431 s      699 shapes/s  2039 segments out\n");
    EXPECT_EQ(paper.engine, "paper.js");
    EXPECT_DOUBLE_EQ(paper.seconds, 1.431);
    EXPECT_EQ(paper.line.back(), 't');
    const peers::PeerFigure skia = peers::ParsePeerLine(
        "skia-pathops(pathkit-wasm)   synth-1k-circle   808 shapes 0.223 s   3618 shapes/s  1960 segments out  "
        "(closed shapes only: it cannot cut lines)");
    EXPECT_EQ(skia.engine, "skia-pathops(pathkit-wasm)");
    EXPECT_DOUBLE_EQ(skia.seconds, 0.223);
    // An npm or node complaint has no time and is never taken for a figure.
    const peers::PeerFigure noise = peers::ParsePeerLine("npm ERR! code ENOTFOUND\n");
    EXPECT_EQ(noise.seconds, 0.0);
    EXPECT_EQ(peers::FindPeer({paper, skia, noise}, "skia")->seconds, 0.223);
    EXPECT_FALSE(peers::FindPeer({noise}, "npm").has_value());
}

class ClipBenchChild : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("clip-bench-test-" + std::to_string(getpid()));
        fs::create_directories(dir_);
        setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
    const std::string input_ = TRIMORA_SOURCE_DIR "/examples/postcard.svg";
};

TEST_F(ClipBenchChild, TimingsFlagReportsEachPhaseOfTheRealCommand) {
    const std::string output = (dir_ / "out.svg").string();
    const clipbench::ChildRun clip = clipbench::RunChild(
        {TRIMORA_COMMAND, "clip", input_, "-o", output, "--region", "region", "--outside", "--quiet", "--timings"});
    ASSERT_EQ(clip.exitCode, 0) << clip.errorText;
    const auto phases = clipbench::ParsePhaseTimes(clip.errorText);
    ASSERT_EQ(phases.size(), 3u) << clip.errorText;
    EXPECT_EQ(phases[0].first, "read");
    EXPECT_EQ(phases[1].first, "run");
    EXPECT_EQ(phases[2].first, "write");
    EXPECT_GT(clip.peakKilobytes, 0);
    EXPECT_GE(clip.wallSeconds, phases[0].second);
    EXPECT_TRUE(fs::exists(output));

    const clipbench::ChildRun convert = clipbench::RunChild({TRIMORA_COMMAND, "convert", "--timings", input_, output});
    ASSERT_EQ(convert.exitCode, 0) << convert.errorText;
    const auto convertPhases = clipbench::ParsePhaseTimes(convert.errorText);
    ASSERT_EQ(convertPhases.size(), 2u);
    EXPECT_EQ(convertPhases[1].first, "write");
}

TEST_F(ClipBenchChild, FailedRunKeepsItsMessageAndThePhasesItReached) {
    const clipbench::ChildRun run = clipbench::RunChild(
        {TRIMORA_COMMAND, "clip", input_, "-o", (dir_ / "out.svg").string(), "--region", "nowhere", "--timings"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(clipbench::FirstMessage(run.errorText).find("nowhere"), std::string::npos) << run.errorText;
    const auto phases = clipbench::ParsePhaseTimes(run.errorText);
    ASSERT_EQ(phases.size(), 1u) << run.errorText;
    EXPECT_EQ(phases[0].first, "read");
    EXPECT_FALSE(fs::exists(dir_ / "out.svg"));
    EXPECT_THROW(clipbench::RunChild({(dir_ / "no-such-program").string()}), std::runtime_error);
}

}  // namespace
