// Suites the module acquires without calling them: folders, filters, relocatable memory, the modal parent and
// web addresses, each doing what its table promises on a host without a desktop.
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "headless/suites/FilePaths.h"
#include "plugin/sdk/AIFilter.h"
#include "plugin/sdk/AIFolders.h"
#include "plugin/sdk/AIMdMemory.h"
#include "plugin/sdk/AIModalParent.h"
#include "plugin/sdk/AIURL.h"

namespace headless {
namespace {

namespace fs = std::filesystem;

fs::path EnvironmentFolder(const char* variable, const fs::path& fallbackBelowHome) {
    if (const char* value = std::getenv(variable); value && *value) return value;
    const char* home = std::getenv("HOME");
    if (!home || !*home) Throw(kBadParameterErr);
    return fs::path(home) / fallbackBelowHome;
}

fs::path ApplicationFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) Throw(kBadParameterErr);
    return exe.parent_path();
}

fs::path FolderOf(ASInt32 type) {
    switch (type) {
        case kAIApplicationFolderType:
            return ApplicationFolder();
        case kAIPluginsFolderType:
            return ApplicationFolder() / "plug-ins";
        case kAIPreferencesFolderType:
            return EnvironmentFolder("XDG_CONFIG_HOME", ".config") / "trimora";
        case kAITemporaryFolderType: {
            std::error_code error;
            fs::path temporary = fs::temp_directory_path(error);
            if (error) Throw(kBadParameterErr);
            return temporary;
        }
        default:
            Throw(kBadParameterErr);
    }
}

AIErr FindFolder(ASInt32 folderType, AIBoolean createFolder, AIFilePathRef* folder) {
    AIFilePathRef& out = Out(folder);
    out = nullptr;
    const fs::path path = FolderOf(folderType);
    if (createFolder) {
        std::error_code error;
        fs::create_directories(path, error);
        if (error) Throw(kBadParameterErr);
    }
    out = NewFilePath(path.string());
    return kNoErr;
}

// The headless host has no filters of its own.
AIErr CountFilters(ASInt32* count) {
    Out(count) = 0;
    return kNoErr;
}

// A relocatable handle is a host block: the host knows its size and refuses anything it did not hand out.
std::size_t MdSize(AIMdMemoryHandle handle) {
    const auto& blocks = App().liveBlocks;
    const auto it = blocks.find(reinterpret_cast<void*>(handle));
    if (!handle || it == blocks.end()) Throw(kBadParameterErr);
    return it->second;
}

AIErr MdMemoryNewHandle(size_t size, AIMdMemoryHandle* handle) {
    AIMdMemoryHandle& out = Out(handle);
    out = nullptr;
    out = static_cast<AIMdMemoryHandle>(AllocateHostBlock(size));
    return kNoErr;
}

AIErr MdMemoryDisposeHandle(AIMdMemoryHandle handle) {
    MdSize(handle);
    return FreeHostBlock(handle);
}

AIErr MdMemoryGetSize(AIMdMemoryHandle handle, size_t* size) {
    size_t& out = Out(size);
    out = MdSize(handle);
    return kNoErr;
}

AIErr GetModalParent(AIWindowRef* parent) {
    Out(parent) = App().context.mainWindow;
    return kNoErr;
}

// Nothing is opened; an address that is not one is refused, as a browser would refuse it.
AIErr OpenURL(const char* url) {
    if (!url) Throw(kBadParameterErr);
    const std::string_view address(url);
    if (!address.starts_with("http://") && !address.starts_with("https://")) Throw(kBadParameterErr);
    return kNoErr;
}

const AIFoldersSuite kFoldersSuite = {
    TRIMORA_HOST_FN(AIFoldersSuite, FindFolder, FindFolder),
};

const AIFilterSuite kFilterSuite = {
    TRIMORA_HOST_FN(AIFilterSuite, CountFilters, CountFilters),
};

const AIMdMemorySuite kMdMemorySuite = {
    TRIMORA_HOST_FN(AIMdMemorySuite, MdMemoryNewHandle, MdMemoryNewHandle),
    TRIMORA_HOST_FN(AIMdMemorySuite, MdMemoryDisposeHandle, MdMemoryDisposeHandle),
    TRIMORA_HOST_FN(AIMdMemorySuite, MdMemoryGetSize, MdMemoryGetSize),
};

const AIModalParentSuite kModalParentSuite = {
    TRIMORA_HOST_FN(AIModalParentSuite, GetModalParent, GetModalParent),
};

const AIURLSuite kUrlSuite = {
    TRIMORA_HOST_FN(AIURLSuite, OpenURL, OpenURL),
};

}  // namespace

void RegisterAcquiredOnlySuites(SuiteRegistry& registry) {
    registry.Add(kAIFoldersSuite, kAIFoldersSuiteVersion, &kFoldersSuite);
    registry.Add(kAIFilterSuite, kAIFilterSuiteVersion, &kFilterSuite);
    registry.Add(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &kMdMemorySuite);
    registry.Add(kAIModalParentSuite, kAIModalParentSuiteVersion, &kModalParentSuite);
    registry.Add(kAIURLSuite, kAIURLSuiteVersion, &kUrlSuite);
}

}  // namespace headless
