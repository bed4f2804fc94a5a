// Plug-in references, access locks, names, blocks, message headers and the suites acquired only.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "headless/suites/PluginRegistry.h"
#include "plugin/sdk/AIFilePath.h"
#include "plugin/sdk/AIFolders.h"
#include "plugin/sdk/AIMdMemory.h"
#include "plugin/sdk/AIModalParent.h"
#include "plugin/sdk/AIPlugin.h"
#include "plugin/sdk/AIURL.h"
#include "plugin/sdk/SPAccess.h"
#include "plugin/sdk/SPBlocks.h"
#include "plugin/sdk/SPPlugins.h"
#include "tests/support/HostFixture.h"

namespace headless {
namespace {

class PlatformSuites : public testing::HostTest {
protected:
    const SPAccessSuite* access = Acquire<SPAccessSuite>(kSPAccessSuite, kSPAccessSuiteVersion);
    const SPPluginsSuite* plugins = Acquire<SPPluginsSuite>(kSPPluginsSuite, kSPPluginsSuiteVersion);
    const SPBlocksSuite* blocks = Acquire<SPBlocksSuite>(kSPBlocksSuite, kSPBlocksSuiteVersion);
    SPPluginRef self = RegisterPlugin(app, "/opt/trimora/libtrimora.so");
};

TEST_F(PlatformSuites, AccessLocksCountPerPlugin) {
    const SPPluginRef other = RegisterPlugin(app, "/opt/other.so");
    SPAccessRef first = nullptr, second = nullptr, theirs = nullptr;
    ASSERT_EQ(access->AcquirePlugin(self, &first), kSPNoError);
    ASSERT_EQ(access->AcquirePlugin(self, &second), kSPNoError);
    ASSERT_EQ(access->AcquirePlugin(other, &theirs), kSPNoError);
    EXPECT_EQ(PluginOf(self).accessLocks, 2);
    EXPECT_EQ(PluginOf(other).accessLocks, 1);

    EXPECT_EQ(access->ReleasePlugin(second), kSPNoError);
    EXPECT_EQ(access->ReleasePlugin(first), kSPNoError);
    EXPECT_EQ(PluginOf(self).accessLocks, 0);
    EXPECT_EQ(access->ReleasePlugin(first), kSPBadParameterError);  // one release too many
    EXPECT_EQ(PluginOf(self).accessLocks, 0);
    EXPECT_EQ(PluginOf(other).accessLocks, 1);

    // A plug-in reference is not an access reference, and neither may be null.
    EXPECT_EQ(access->ReleasePlugin(reinterpret_cast<SPAccessRef>(self)), kDeadHandleErr);
    EXPECT_EQ(access->ReleasePlugin(nullptr), kSPBadParameterError);
    EXPECT_EQ(access->AcquirePlugin(nullptr, &first), kBadParameterErr);
    EXPECT_EQ(access->AcquirePlugin(self, nullptr), kBadParameterErr);
    EXPECT_EQ(PluginOf(self).accessLocks, 0);
}

TEST_F(PlatformSuites, NamesAreCopiedAndStayPutWhilePluginsArrive) {
    char buffer[] = "Zavik";
    ASSERT_EQ(plugins->SetPluginName(self, buffer), kSPNoError);
    buffer[0] = 'X';
    const char* name = nullptr;
    ASSERT_EQ(plugins->GetPluginName(self, &name), kSPNoError);
    for (int i = 0; i < 100; ++i)
        RegisterPlugin(app, "/opt/more.so");
    EXPECT_STREQ(name, "Zavik");
    EXPECT_EQ(plugins->SetPluginName(self, nullptr), kSPBadParameterError);
}

TEST_F(PlatformSuites, BlocksReallocateKeepingTheirContents) {
    void* block = nullptr;
    ASSERT_EQ(blocks->AllocateBlock(4, nullptr, &block), kSPNoError);
    std::memcpy(block, "abcd", 4);
    void* grown = nullptr;
    ASSERT_EQ(blocks->ReallocateBlock(block, 64, "grow", &grown), kSPNoError);
    EXPECT_EQ(std::memcmp(grown, "abcd", 4), 0);
    EXPECT_EQ(app.liveBlocks.size(), 1u);
    void* shrunk = nullptr;
    ASSERT_EQ(blocks->ReallocateBlock(grown, 2, nullptr, &shrunk), kSPNoError);
    EXPECT_EQ(std::memcmp(shrunk, "ab", 2), 0);
    EXPECT_EQ(blocks->ReallocateBlock(grown, 8, nullptr, &block), kSPBadParameterError);  // already freed
    char local[4];
    EXPECT_EQ(blocks->FreeBlock(local), kBadParameterErr);
    EXPECT_EQ(blocks->FreeBlock(shrunk), kSPNoError);
    EXPECT_EQ(blocks->FreeBlock(nullptr), kSPNoError);
    EXPECT_TRUE(app.liveBlocks.empty());
}

TEST_F(PlatformSuites, SetupPluginDataFillsTheHeader) {
    const auto* plugin = Acquire<AIPluginSuite>(kAIPluginSuite, kAIPluginSuiteVersion);
    SPMessageData message{};
    ASSERT_EQ(plugin->SetupPluginData(self, &message), kNoErr);
    EXPECT_EQ(message.self, self);
    EXPECT_EQ(message.basic, HostBasicSuite());
    EXPECT_EQ(plugin->SetupPluginData(nullptr, &message), kBadParameterErr);
    EXPECT_EQ(plugin->SetupPluginData(self, nullptr), kBadParameterErr);
}

TEST_F(PlatformSuites, AcquiredOnlySuitesAnswerSensibly) {
    const auto* folders = Acquire<AIFoldersSuite>(kAIFoldersSuite, kAIFoldersSuiteVersion);
    const auto* paths = Acquire<AIFilePathSuite>(kAIFilePathSuite, kAIFilePathSuiteVersion);
    AIFilePathRef folder = nullptr;
    ASSERT_EQ(folders->FindFolder(kAITemporaryFolderType, false, &folder), kNoErr);
    EXPECT_FALSE(app.filePaths[AppIdOf<FilePathTag>(HandleKind::kFilePath, folder, app.filePaths)].empty());
    EXPECT_EQ(paths->DeleteFilePath(folder), kNoErr);
    EXPECT_EQ(folders->FindFolder(42, false, &folder), kBadParameterErr);

    const auto* memory = Acquire<AIMdMemorySuite>(kAIMdMemorySuite, kAIMdMemorySuiteVersion);
    AIMdMemoryHandle handle = nullptr;
    ASSERT_EQ(memory->MdMemoryNewHandle(24, &handle), kNoErr);
    size_t size = 0;
    ASSERT_EQ(memory->MdMemoryGetSize(handle, &size), kNoErr);
    EXPECT_EQ(size, 24u);
    EXPECT_EQ(memory->MdMemoryDisposeHandle(handle), kNoErr);
    EXPECT_EQ(memory->MdMemoryGetSize(handle, &size), kBadParameterErr);
    EXPECT_TRUE(app.liveBlocks.empty());

    const auto* modal = Acquire<AIModalParentSuite>(kAIModalParentSuite, kAIModalParentSuiteVersion);
    AIWindowRef parent = nullptr;
    ASSERT_EQ(modal->GetModalParent(&parent), kNoErr);
    EXPECT_EQ(parent, app.context.mainWindow);

    const auto* url = Acquire<AIURLSuite>(kAIURLSuite, kAIURLSuiteVersion);
    EXPECT_EQ(url->OpenURL("https://example.com/"), kNoErr);
    EXPECT_EQ(url->OpenURL("file:///etc/passwd"), kBadParameterErr);
    EXPECT_EQ(url->OpenURL(nullptr), kBadParameterErr);
}

}  // namespace
}  // namespace headless
