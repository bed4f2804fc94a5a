// Drawings that once lost on a round trip what people notice, one behaviour each. Each is read and written; the
// writing must equal the reference beside it and render as the drawing does. TRIMORA_REGENERATE=1 rewrites the
// references; a failed comparison keeps the actual writing in the build tree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "headless/svg/SvgFile.h"
#include "tests/render/ImageCompare.h"
#include "tests/support/Paths.h"

namespace headless::svg {
namespace {

namespace fs = std::filesystem;

constexpr const char* kReferenceSuffix = ".expected.svg";

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> Fixtures() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(trimora::test::SourcePath("tests/data/svg/fidelity"))) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".svg") && !name.ends_with(kReferenceSuffix)) names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class Fidelity : public testing::TestWithParam<std::string> {};

TEST_P(Fidelity, WritesTheReferenceAndRendersTheSame) {
    const fs::path folder = trimora::test::SourcePath("tests/data/svg/fidelity");
    const fs::path source = folder / (GetParam() + ".svg");
    const fs::path reference = folder / (GetParam() + kReferenceSuffix);
    const fs::path work = fs::path(TRIMORA_BINARY_DIR) / "fidelity";
    fs::create_directories(work);
    const fs::path actual = work / (GetParam() + ".svg");

    ReadOptions quiet;
    quiet.warning = [](const std::string&) {};
    Document document;
    ReadSvgFile(source.string(), document, quiet);
    const std::string written = WriteSvgText(document);
    WriteText(actual, written);

    if (std::getenv("TRIMORA_REGENERATE")) WriteText(reference, written);
    ASSERT_TRUE(fs::exists(reference)) << "no reference; run with TRIMORA_REGENERATE=1 to make it from " << actual;
    EXPECT_EQ(written, ReadText(reference)) << "the writing differs from the reference; it is kept in " << actual;

    const trimora::test::ImageDifference diff = trimora::test::CompareRenderings(
        source.string(), actual.string(), work.string(), trimora::test::kRoundTripTolerance);
    ASSERT_EQ(diff.error, "");
    ASSERT_TRUE(diff.sameSize);
    EXPECT_EQ(diff.differingPixels, 0) << "largest channel difference " << diff.maxChannelDelta << "; output kept in "
                                       << actual;
}

INSTANTIATE_TEST_SUITE_P(Drawings, Fidelity, testing::ValuesIn(Fixtures()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace headless::svg
