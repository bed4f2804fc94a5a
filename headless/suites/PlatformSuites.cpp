// SP access, plug-ins and blocks suites and the plug-in suite; the suites acquired only are in
// AcquiredOnlySuites.cpp.
#include <algorithm>
#include <cstring>

#include "headless/suites/FilePaths.h"
#include "headless/suites/PluginRegistry.h"
#include "plugin/sdk/AIPlugin.h"
#include "plugin/sdk/SPAccess.h"
#include "plugin/sdk/SPBlocks.h"
#include "plugin/sdk/SPPlugins.h"

namespace headless {

void RegisterAcquiredOnlySuites(SuiteRegistry& registry);

namespace {

// One access reference per plug-in, naming its record; each acquisition is one lock on it.
SPErr AcquirePlugin(SPPluginRef plugin, SPAccessRef* access) {
    SPAccessRef& out = Out(access);
    out = nullptr;
    const PluginId id = PluginIdOf(plugin);
    ++App().plugins[id].accessLocks;
    out = AppHandleOf<SPAccessRef>(HandleKind::kAccess, id);
    return kSPNoError;
}

SPErr ReleasePlugin(SPAccessRef access) {
    if (!access) Throw(kSPBadParameterError);
    Application& app = App();
    PluginRecord& record = app.plugins[AppIdOf<PluginTag>(HandleKind::kAccess, access, app.plugins)];
    if (record.accessLocks == 0) Throw(kSPBadParameterError);  // released more often than acquired
    --record.accessLocks;
    return kSPNoError;
}

SPErr SetPluginName(SPPluginRef plugin, const char* name) {
    if (!name) Throw(kSPBadParameterError);
    PluginOf(plugin).name = StableText(name);
    return kSPNoError;
}

SPErr GetPluginName(SPPluginRef plugin, const char** name) {
    Out(name) = PluginOf(plugin).name.CStr();
    return kSPNoError;
}

SPErr GetPluginFileSpecification(SPPluginRef plugin, SPPlatformFileSpecification* file) {
    SPPlatformFileSpecification& out = Out(file);
    WriteFileSpecification(PluginOf(plugin).filePath, out);
    return kSPNoError;
}

SPErr AllocateBlock(size_t size, const char* debugName, void** block) {
    (void)debugName;
    void*& out = Out(block);
    out = AllocateHostBlock(size);
    return kSPNoError;
}

SPErr FreeBlock(void* block) {
    return FreeHostBlock(block);
}

// A new block with the old contents, as far as both reach; the old block is freed only once the new one exists.
SPErr ReallocateBlock(void* block, size_t newSize, const char* debugName, void** newBlock) {
    void*& out = Out(newBlock);
    if (!block) return AllocateBlock(newSize, debugName, newBlock);
    const auto& blocks = App().liveBlocks;
    const auto it = blocks.find(block);
    if (it == blocks.end()) Throw(kSPBadParameterError);
    const std::size_t kept = std::min(it->second, newSize);
    void* grown = AllocateHostBlock(newSize);
    std::memcpy(grown, block, kept);
    FreeHostBlock(block);
    out = grown;
    return kSPNoError;
}

AIErr SetupPluginData(SPPluginRef plugin, SPMessageData* message) {
    SPMessageData& out = Out(message);
    PluginIdOf(plugin);
    // The module's globals are the module's own: the loader keeps them, and the record's field is left as it is.
    out.self = plugin;
    out.basic = HostBasicSuite();
    return kNoErr;
}

const SPAccessSuite kAccessSuite = {
    TRIMORA_HOST_FN(SPAccessSuite, AcquirePlugin, AcquirePlugin),
    TRIMORA_HOST_FN(SPAccessSuite, ReleasePlugin, ReleasePlugin),
};

const SPPluginsSuite kPluginsSuite = {
    TRIMORA_HOST_FN(SPPluginsSuite, SetPluginName, SetPluginName),
    TRIMORA_HOST_FN(SPPluginsSuite, GetPluginName, GetPluginName),
    TRIMORA_HOST_FN(SPPluginsSuite, GetPluginFileSpecification, GetPluginFileSpecification),
};

const SPBlocksSuite kBlocksSuite = {
    TRIMORA_HOST_FN(SPBlocksSuite, AllocateBlock, AllocateBlock),
    TRIMORA_HOST_FN(SPBlocksSuite, FreeBlock, FreeBlock),
    TRIMORA_HOST_FN(SPBlocksSuite, ReallocateBlock, ReallocateBlock),
};

const AIPluginSuite kPluginSuite = {
    TRIMORA_HOST_FN(AIPluginSuite, SetupPluginData, SetupPluginData),
};

}  // namespace

void RegisterPlatformSuites(SuiteRegistry& registry) {
    registry.Add(kSPAccessSuite, kSPAccessSuiteVersion, &kAccessSuite);
    registry.Add(kSPPluginsSuite, kSPPluginsSuiteVersion, &kPluginsSuite);
    registry.Add(kSPBlocksSuite, kSPBlocksSuiteVersion, &kBlocksSuite);
    registry.Add(kAIPluginSuite, kAIPluginSuiteVersion, &kPluginSuite);
    RegisterAcquiredOnlySuites(registry);
}

}  // namespace headless
