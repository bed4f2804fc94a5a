// The plug-in property list the host reads before it loads the module, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "headless/win32/ResourceScript.h"
#include "tests/support/ExpectedPipl.h"

namespace {

TEST(Pipl, BytesAreTheAgreedPropertyList) {
    const auto script = headless::win32::LoadResourceScript(TRIMORA_RESOURCES_DIR "/trimora.rc");
    const auto* pipl = script.FindRaw("PIPL", 16000);
    ASSERT_NE(pipl, nullptr);
    EXPECT_EQ(pipl->language, 1033);
    EXPECT_EQ(pipl->bytes, trimora::testing::ExpectedPipl());
    // Spot checks that do not go through the builder.
    ASSERT_GE(pipl->bytes.size(), 14u);
    EXPECT_EQ(std::string(pipl->bytes.begin() + 10, pipl->bytes.begin() + 14), "EBDA");
    EXPECT_EQ(pipl->bytes[6], 4);
}

}  // namespace
