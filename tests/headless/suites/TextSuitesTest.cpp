// Unicode strings in UTF-8 and CP932, lengths and erasures by code points, converted blocks, and file paths
// from the plug-in's file specification.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "headless/suites/PluginRegistry.h"
#include "plugin/sdk/AIFilePath.h"
#include "plugin/sdk/AIUnicodeString.h"
#include "plugin/sdk/SPBlocks.h"
#include "plugin/sdk/SPPlugins.h"
#include "tests/support/HostFixture.h"

namespace headless {
namespace {

constexpr ASInt32 kPlatform = kAIPlatformCharacterEncoding;
constexpr ASInt32 kUtf8 = kAIUTF8CharacterEncoding;

class UnicodeStrings : public testing::HostTest {
protected:
    const AIUnicodeStringSuite* strings =
        Acquire<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
    const SPBlocksSuite* blocks = Acquire<SPBlocksSuite>(kSPBlocksSuite, kSPBlocksSuiteVersion);

    AIUnicodeStringRef Make(const std::string& bytes, ASInt32 encoding) {
        AIUnicodeStringRef s = nullptr;
        EXPECT_EQ(strings->Initialize(&s, bytes.data(), static_cast<ASInt32>(bytes.size()), encoding), kNoErr);
        return s;
    }

    // The bytes GetAs answers, with the block given back through the blocks suite.
    std::string As(AIUnicodeStringRef s, ASInt32 encoding) {
        char* bytes = nullptr;
        ASInt32 count = -1;
        EXPECT_EQ(strings->GetAs(s, encoding, &bytes, &count), kNoErr);
        if (!bytes) return "<none>";
        EXPECT_EQ(bytes[count], '\0');
        std::string out(bytes, static_cast<std::size_t>(count));
        EXPECT_EQ(blocks->FreeBlock(bytes), kNoErr);
        return out;
    }

    ASInt32 LengthOf(AIUnicodeStringRef s) {
        ASInt32 n = -1;
        EXPECT_EQ(strings->Length(s, &n), kNoErr);
        return n;
    }
};

TEST_F(UnicodeStrings, JapaneseRoundTripsThroughCp932) {
    const std::string utf8 = "切り抜き処理が終了しました";
    const AIUnicodeStringRef s = Make(utf8, kUtf8);
    EXPECT_EQ(LengthOf(s), 13);
    const std::string cp932 = As(s, kPlatform);
    EXPECT_EQ(cp932.size(), 26u);  // every character double-byte

    const AIUnicodeStringRef a = Make("あA", kUtf8);
    EXPECT_EQ(As(a, kPlatform),
              "\x82\xA0"
              "A");
    const AIUnicodeStringRef back = Make(cp932, kPlatform);
    EXPECT_EQ(As(back, kUtf8), utf8);
    for (AIUnicodeStringRef r : {s, a, back})
        strings->Destroy(r);
    EXPECT_EQ(app.strings.LiveCount(), 0u);
    EXPECT_TRUE(app.liveBlocks.empty());
}

TEST_F(UnicodeStrings, InvalidBytesAndMissingCharactersAreRefused) {
    AIUnicodeStringRef s = reinterpret_cast<AIUnicodeStringRef>(std::uintptr_t{1});
    // A lead byte without its trail, a trail byte alone, an overlong form, a UTF-16 surrogate.
    EXPECT_EQ(strings->Initialize(&s, "\x82", 1, kPlatform), kBadParameterErr);
    EXPECT_EQ(s, nullptr);
    EXPECT_EQ(strings->Initialize(&s, "\x82\x20", 2, kPlatform), kBadParameterErr);
    EXPECT_EQ(strings->Initialize(&s, "\xC0\xAF", 2, kUtf8), kBadParameterErr);
    EXPECT_EQ(strings->Initialize(&s, "\xED\xA0\x80", 3, kUtf8), kBadParameterErr);
    EXPECT_EQ(strings->Initialize(&s, "abc", 3, 7), kBadParameterErr);  // no such encoding
    EXPECT_EQ(strings->Initialize(&s, "abc", -1, kUtf8), kBadParameterErr);
    EXPECT_EQ(strings->Initialize(&s, nullptr, 3, kUtf8), kBadParameterErr);
    EXPECT_EQ(app.strings.LiveCount(), 0u);

    // Hangul and emoji have no CP932 form: refused rather than turned into '?'.
    const AIUnicodeStringRef korean = Make("한글", kUtf8);
    char* bytes = nullptr;
    ASInt32 count = 0;
    EXPECT_EQ(strings->GetAs(korean, kPlatform, &bytes, &count), kBadParameterErr);
    EXPECT_EQ(bytes, nullptr);
    EXPECT_EQ(As(korean, kUtf8), "한글");
    EXPECT_TRUE(app.liveBlocks.empty());
}

TEST_F(UnicodeStrings, EmptyTextAndEmbeddedNul) {
    AIUnicodeStringRef empty = nullptr;
    ASSERT_EQ(strings->Initialize(&empty, nullptr, 0, kUtf8), kNoErr);
    EXPECT_EQ(LengthOf(empty), 0);
    EXPECT_EQ(As(empty, kPlatform), "");
    const AIUnicodeStringRef nul = Make(std::string("a\0b", 3), kUtf8);
    EXPECT_EQ(LengthOf(nul), 3);
    EXPECT_EQ(As(nul, kPlatform), std::string("a\0b", 3));
}

TEST_F(UnicodeStrings, LengthAndEraseCountCodePoints) {
    const AIUnicodeStringRef s = Make("日本😀語", kUtf8);  // the emoji is one code point of four UTF-8 bytes
    EXPECT_EQ(LengthOf(s), 4);
    ASSERT_EQ(strings->Erase(s, 2, 1), kNoErr);
    EXPECT_EQ(As(s, kUtf8), "日本語");
    ASSERT_EQ(strings->Erase(s, 1, 100), kNoErr);  // past the end: erases to the end
    EXPECT_EQ(As(s, kUtf8), "日");
    ASSERT_EQ(strings->Erase(s, 1, 0), kNoErr);
    EXPECT_EQ(strings->Erase(s, 2, 0), kOutOfRangeErr);
    EXPECT_EQ(strings->Erase(s, -1, 1), kOutOfRangeErr);
    EXPECT_EQ(strings->Erase(s, 0, -1), kBadParameterErr);
    EXPECT_EQ(As(s, kUtf8), "日");
}

TEST_F(UnicodeStrings, CopyAssignAppendAndDestroy) {
    const AIUnicodeStringRef a = Make("ab", kUtf8);
    AIUnicodeStringRef copy = nullptr;
    ASSERT_EQ(strings->Copy(&copy, a), kNoErr);
    ASSERT_EQ(strings->Append(copy, copy), kNoErr);  // appending a string to itself
    EXPECT_EQ(As(copy, kUtf8), "abab");
    EXPECT_EQ(As(a, kUtf8), "ab");
    ASSERT_EQ(strings->Assign(a, copy), kNoErr);
    EXPECT_EQ(As(a, kUtf8), "abab");

    strings->Destroy(nullptr);
    strings->Destroy(copy);
    strings->Destroy(copy);  // a second time is ignored
    EXPECT_EQ(strings->Append(a, copy), kDeadHandleErr);
    EXPECT_EQ(strings->Length(nullptr, nullptr), kBadParameterErr);
    EXPECT_EQ(app.strings.LiveCount(), 1u);
}

class FilePaths : public UnicodeStrings {
protected:
    const AIFilePathSuite* paths = Acquire<AIFilePathSuite>(kAIFilePathSuite, kAIFilePathSuiteVersion);
    const SPPluginsSuite* plugins = Acquire<SPPluginsSuite>(kSPPluginsSuite, kSPPluginsSuiteVersion);
};

TEST_F(FilePaths, FromThePluginsFileSpecificationToItsFullPath) {
    const std::string file = "/opt/トリモラ/plug-ins/libtrimora.so";
    const SPPluginRef self = RegisterPlugin(app, file);
    SPPlatformFileSpecification fileRecord;
    std::memset(&fileRecord, 0xFF, sizeof fileRecord);
    ASSERT_EQ(plugins->GetPluginFileSpecification(self, &fileRecord), kNoErr);
    // The record carries the path in the platform encoding, NUL-terminated, the rest zero.
    const std::string platform = "/opt/\x83g\x83\x8A\x83\x82\x83\x89/plug-ins/libtrimora.so";
    EXPECT_EQ(std::string(fileRecord.path), platform);
    EXPECT_EQ(fileRecord.path[sizeof fileRecord.path - 1], '\0');

    AIFilePathRef path = nullptr;
    ASSERT_EQ(paths->NewFilePathFromSPPlatformFileSpec(&fileRecord, &path), kNoErr);
    AIUnicodeStringRef full = nullptr;
    ASSERT_EQ(paths->GetFullPath(path, false, &full), kNoErr);
    EXPECT_EQ(As(full, kUtf8), file);
    EXPECT_EQ(As(full, kPlatform), platform);
    strings->Destroy(full);
    ASSERT_EQ(paths->DeleteFilePath(path), kNoErr);
    EXPECT_EQ(paths->DeleteFilePath(path), kDeadHandleErr);
    EXPECT_EQ(paths->GetFullPath(path, false, &full), kDeadHandleErr);
    EXPECT_EQ(app.filePaths.LiveCount(), 0u);
    EXPECT_TRUE(app.liveBlocks.empty());
}

TEST_F(FilePaths, RecordsThatCannotCarryThePathAreRefused) {
    SPPlatformFileSpecification fileRecord{};
    AIFilePathRef path = nullptr;
    EXPECT_EQ(paths->NewFilePathFromSPPlatformFileSpec(&fileRecord, &path), kBadParameterErr);  // empty
    std::memset(fileRecord.path, 'a', sizeof fileRecord.path);
    EXPECT_EQ(paths->NewFilePathFromSPPlatformFileSpec(&fileRecord, &path), kBadParameterErr);  // no NUL
    EXPECT_EQ(path, nullptr);

    SPPlatformFileSpecification out{};
    EXPECT_EQ(plugins->GetPluginFileSpecification(RegisterPlugin(app, "/" + std::string(599, 'x')), &out),
              kBadParameterErr);
    EXPECT_EQ(plugins->GetPluginFileSpecification(RegisterPlugin(app, "/" + std::string(598, 'x')), &out), kNoErr);
    EXPECT_EQ(plugins->GetPluginFileSpecification(RegisterPlugin(app, "/tmp/한.so"), &out), kBadParameterErr);
    EXPECT_EQ(plugins->GetPluginFileSpecification(nullptr, &out), kBadParameterErr);
}

}  // namespace
}  // namespace headless
