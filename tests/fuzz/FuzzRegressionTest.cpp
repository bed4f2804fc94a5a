// Files the fuzzer once found a fault with, kept so that the fault stays mended, and the oracle it judges by.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "headless/svg/RoundingCompare.h"
#include "tests/fuzz/RoundTripCheck.h"
#include "tests/support/Paths.h"

namespace trimora::fuzz {
namespace {

// The fuzzer's findings, and every other fixture: what the writer wrote reads and writes again to the same text.
TEST(FuzzFindings, ReadWriteReadIsStable) {
    int files = 0;
    for (const char* folder : {"tests/data/svg", "tests/data/svg/fidelity", "tests/data/svg/fuzz"}) {
        for (const auto& entry : std::filesystem::directory_iterator(trimora::test::SourcePath(folder))) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            EXPECT_EQ(CheckReadWriteRead(text), "") << entry.path();
            ++files;
        }
    }
    EXPECT_GT(files, 0);
}

TEST(FuzzFindings, NumbersMayMoveOnlyByTheirLastWrittenDigit) {
    EXPECT_EQ(headless::svg::DifferenceBeyondRounding(R"(<path d="M 1.2345 2"/>)", R"(<path d="M 1.2346 2"/>)"), "");
    EXPECT_NE(headless::svg::DifferenceBeyondRounding(R"(<path d="M 1.2345 2"/>)", R"(<path d="M 1.2445 2"/>)"), "");
    // Digits inside names are text: id-2 against id-3 is a difference, not a rounding.
    EXPECT_NE(headless::svg::DifferenceBeyondRounding(R"(<g id="a-2"/>)", R"(<g id="a-3"/>)"), "");
    EXPECT_NE(headless::svg::DifferenceBeyondRounding(R"(<g/>)", R"(<g/> )"), "");
}

}  // namespace
}  // namespace trimora::fuzz
