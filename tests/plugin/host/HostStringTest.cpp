// Host strings and paths over the host's Unicode String, SP Blocks and File Path suites, in CP932.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "plugin/host/AIError.h"
#include "plugin/host/HostPath.h"
#include "plugin/host/HostString.h"
#include "plugin/host/Suites.h"
#include "tests/support/HostFixture.h"

namespace trimora::testing {
namespace {

class HostStrings : public headless::testing::HostTest {
protected:
    HostStrings() {
        sAIUnicodeString = Acquire<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
        sSPBlocks = Acquire<SPBlocksSuite>(kSPBlocksSuite, kSPBlocksSuiteVersion);
        sAIFilePath = Acquire<AIFilePathSuite>(kAIFilePathSuite, kAIFilePathSuiteVersion);
        app.calls.Clear();
    }
    ~HostStrings() override {
        sAIUnicodeString = nullptr;
        sSPBlocks = nullptr;
        sAIFilePath = nullptr;
        EXPECT_TRUE(app.liveBlocks.empty()) << "host blocks left";
    }

    // Fills a buffer with a mark, so that the bytes not written can be told apart.
    ASInt32 ToMarkedBuffer(const ai::HostString& text, char (&buffer)[260], ASInt32 size) {
        std::memset(buffer, 0x7F, sizeof buffer);
        return text.ToBuffer(buffer, size);
    }

    static std::string Repeat(const std::string& piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += piece;
        return text;
    }
};

TEST_F(HostStrings, ALongTextIsCutToTheBufferAtACharacterBoundary) {
    char buffer[260];
    // 150 double-byte characters: 300 bytes in CP932.
    const ai::HostString even = ai::HostString::FromUtf8(Repeat("あ", 150).c_str());
    EXPECT_EQ(ToMarkedBuffer(even, buffer, 256), 302);
    EXPECT_EQ(std::string(buffer, 254), Repeat("\x82\xa0", 127));
    EXPECT_EQ(buffer[254], '\0');
    EXPECT_EQ(buffer[255], '\0');
    EXPECT_EQ(buffer[256], 0x7F);

    // One single-byte character first: the 254th byte would split a character, so 253 are written.
    const ai::HostString odd = ai::HostString::FromUtf8(("a" + Repeat("あ", 150)).c_str());
    EXPECT_EQ(ToMarkedBuffer(odd, buffer, 256), 303);
    EXPECT_EQ(std::string(buffer, 253), "a" + Repeat("\x82\xa0", 126));
    EXPECT_EQ(buffer[253], '\0');
    EXPECT_EQ(buffer[254], '\0');
    EXPECT_EQ(buffer[255], 0x7F);
}

TEST_F(HostStrings, AFittingTextIsWrittenWholeAndAnEmptyOneAsTwoZeros) {
    char buffer[260];
    EXPECT_EQ(ToMarkedBuffer(ai::HostString("abc"), buffer, 256), 5);
    EXPECT_EQ(std::memcmp(buffer, "abc\0\0\x7F", 6), 0);
    EXPECT_EQ(ToMarkedBuffer(ai::HostString(), buffer, 256), 2);
    EXPECT_EQ(std::memcmp(buffer, "\0\0\x7F", 3), 0);
    EXPECT_EQ(ToMarkedBuffer(ai::HostString("abc"), buffer, 1), 5);
    EXPECT_EQ(std::memcmp(buffer, "\0\x7F", 2), 0);
}

TEST_F(HostStrings, EmptyStringsCostNoHostCalls) {
    {
        ai::HostString none(nullptr);
        EXPECT_EQ(none.Ref(), nullptr);
        ai::HostString copy(none);
        EXPECT_EQ(copy.ToBytes(), "");
    }
    EXPECT_TRUE(app.calls.Calls().empty());
    EXPECT_EQ(app.strings.LiveCount(), 0u);
}

TEST_F(HostStrings, CopiesAreIndependentAndEveryStringIsGivenBack) {
    {
        ai::HostString text = ai::HostString::FromUtf8("切り抜き");
        ai::HostString copy(text);
        copy.Append(ai::HostString("abc"));
        EXPECT_EQ(text.ToBytes(kAIUTF8CharacterEncoding), "切り抜き");
        EXPECT_EQ(copy.ToBytes(kAIUTF8CharacterEncoding), "切り抜きabc");
        text = copy;
        EXPECT_EQ(text.ToBytes(),
                  "\x90\xd8\x82\xe8\x94\xb2\x82\xab"
                  "abc");
        ai::HostString empty;
        empty.Append(text);
        EXPECT_EQ(empty.ToBytes(), text.ToBytes());
        text = ai::HostString();
        EXPECT_EQ(text.Ref(), nullptr);
    }
    EXPECT_EQ(app.strings.LiveCount(), 0u);
}

TEST_F(HostStrings, HostRefusalsThrowTheirCodeAndLeaveNothingBehind) {
    const ai::HostString text("abc");
    app.faults.FailCall("AIUnicodeStringSuite::GetAs", FourCharErr("BAD!"));
    try {
        text.ToBytes();
        FAIL() << "no exception";
    } catch (const ai::Error& e) {
        EXPECT_EQ(e.Code(), FourCharErr("BAD!"));
    }
    app.faults.Clear();
    app.faults.FailCall("AIUnicodeStringSuite::Initialize", FourCharErr("BAD!"));
    EXPECT_THROW(ai::HostString("x"), ai::Error);
    // A character CP932 lacks.
    app.faults.Clear();
    EXPECT_THROW(ai::HostString::FromUtf8("😀").ToBytes(), ai::Error);
    EXPECT_EQ(app.strings.LiveCount(), 1u);  // `text` only
}

TEST_F(HostStrings, APathGivesItsFullPathAndIsDeletedOnce) {
    SPPlatformFileSpecification file{};
    std::strcpy(file.path, "/plugins/Zavik-Trimora.aip");
    {
        ai::HostPath path(file);
        ASSERT_NE(path.Ref(), nullptr);
        EXPECT_EQ(path.FullPath().ToBytes(), "/plugins/Zavik-Trimora.aip");
        app.faults.FailCall("AIFilePathSuite::GetFullPath", FourCharErr("BAD!"));
        EXPECT_THROW(path.FullPath(), ai::Error);
    }
    EXPECT_EQ(app.calls.Count("AIFilePathSuite::DeleteFilePath"), 1u);
    EXPECT_EQ(app.strings.LiveCount(), 0u);
    { ai::HostPath none; }
    EXPECT_EQ(app.calls.Count("AIFilePathSuite::DeleteFilePath"), 1u);
}

}  // namespace
}  // namespace trimora::testing
