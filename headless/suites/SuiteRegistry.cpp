// The published suites, acquisitions and releases, and the basic suite over them.
#include "headless/model/SuiteRegistry.h"

#include <cstring>

#include "headless/model/Application.h"
#include "headless/suites/HostEntry.h"

namespace headless {

void SuiteRegistry::Add(std::string name, ASInt32 version, const void* table) {
    tables_[{std::move(name), version}] = table;
}

const void* SuiteRegistry::Find(std::string_view name, ASInt32 version) const {
    auto it = tables_.find(std::pair<std::string, ASInt32>{std::string(name), version});
    return it == tables_.end() ? nullptr : it->second;
}

SPErr SuiteRegistry::Acquire(const FaultPlan& faults, const char* name, ASInt32 version, const void** out) {
    if (!name || !out) return Fail(kSPBadParameterError);
    *out = nullptr;
    if (SPErr refused = faults.SuiteRefusal(name)) return Fail(refused);
    const void* table = Find(name, version);
    if (!table) return Fail(kSPSuiteNotFoundError);
    *out = table;
    ++held_[name];
    return kSPNoError;
}

SPErr SuiteRegistry::Release(const char* name, ASInt32 version) {
    if (!name) return Fail(kSPBadParameterError);
    auto it = held_.find(std::string_view(name));
    if (!Find(name, version) || it == held_.end() || it->second == 0) return Fail(kSPSuiteNotFoundError);
    --it->second;
    return kSPNoError;
}

int SuiteRegistry::Held(std::string_view name) const {
    auto it = held_.find(name);
    return it == held_.end() ? 0 : it->second;
}

int SuiteRegistry::TotalHeld() const {
    int total = 0;
    for (const auto& [name, count] : held_)
        total += count;
    return total;
}

namespace {

SPErr AcquireSuite(const char* name, ASInt32 version, const void** suite) {
    Application& app = App();
    return app.suites.Acquire(app.faults, name, version, suite);
}

SPErr ReleaseSuite(const char* name, ASInt32 version) {
    return App().suites.Release(name, version);
}

ASBoolean IsEqual(const char* a, const char* b) {
    return a && b && std::strcmp(a, b) == 0;
}

SPErr AllocateBlock(std::size_t size, void** block) {
    Out(block) = AllocateHostBlock(size);
    return kSPNoError;
}

SPErr FreeBlock(void* block) {
    return FreeHostBlock(block);
}

const SPBasicSuite kBasicSuite = {
    TRIMORA_HOST_FN(SPBasicSuite, AcquireSuite, AcquireSuite),
    TRIMORA_HOST_FN(SPBasicSuite, ReleaseSuite, ReleaseSuite),
    TRIMORA_HOST_VALUE_FN(SPBasicSuite, IsEqual, IsEqual),
    TRIMORA_HOST_FN(SPBasicSuite, AllocateBlock, AllocateBlock),
    TRIMORA_HOST_FN(SPBasicSuite, FreeBlock, FreeBlock),
};

}  // namespace

const SPBasicSuite* HostBasicSuite() {
    return &kBasicSuite;
}

// Every application publishes every table the host has; made here so that the model needs nothing of the suites.
Application::Application() {
    RegisterAllSuites(suites);
    MakeCurrent();
}

}  // namespace headless
