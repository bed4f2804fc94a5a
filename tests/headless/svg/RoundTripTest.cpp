// Every fixture, read and written back, renders as the original does.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "headless/svg/SvgFile.h"
#include "tests/render/ImageCompare.h"
#include "tests/support/Paths.h"

namespace headless::svg {
namespace {

class RoundTrip : public testing::TestWithParam<std::string> {};

TEST_P(RoundTrip, RendersTheSame) {
    const std::filesystem::path source = trimora::test::SourcePath(GetParam());
    const std::filesystem::path work =
        std::filesystem::temp_directory_path() / ("trimora-roundtrip-" + std::to_string(getpid()));
    std::filesystem::create_directories(work);
    const std::filesystem::path output = work / source.filename();
    Document document;
    ReadSvgFile(source.string(), document);
    WriteSvgFile(document, output.string());
    const trimora::test::ImageDifference diff = trimora::test::CompareRenderings(
        source.string(), output.string(), work.string(), trimora::test::kRoundTripTolerance);
    ASSERT_EQ(diff.error, "");
    ASSERT_TRUE(diff.sameSize);
    EXPECT_EQ(diff.differingPixels, 0) << "largest channel difference " << diff.maxChannelDelta << "; output kept in "
                                       << output;
    if (diff.differingPixels == 0) std::filesystem::remove_all(work);
}

// The fixtures, and the examples a new user is pointed to.
INSTANTIATE_TEST_SUITE_P(Fixtures, RoundTrip,
                         testing::Values("tests/data/svg/layers.svg", "tests/data/svg/shapes.svg",
                                         "tests/data/svg/compound.svg", "tests/data/svg/clip.svg",
                                         "tests/data/svg/gradients.svg", "tests/data/svg/styles.svg",
                                         "tests/data/svg/image.svg", "tests/data/svg/text-use.svg",
                                         "examples/postcard.svg"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = std::filesystem::path(info.param).stem().string();
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace headless::svg
