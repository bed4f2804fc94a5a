// The suites the host publishes, by name and version, and how many acquisitions of each the module holds.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "plugin/sdk/SPBasic.h"

namespace headless {

class FaultPlan;

class SuiteRegistry {
public:
    void Add(std::string name, ASInt32 version, const void* table);
    const void* Find(std::string_view name, ASInt32 version) const;

    // What the basic suite does: refusals planned in `faults` come first.
    SPErr Acquire(const FaultPlan& faults, const char* name, ASInt32 version, const void** out);
    SPErr Release(const char* name, ASInt32 version);

    int Held(std::string_view name) const;
    int TotalHeld() const;
    std::size_t Published() const { return tables_.size(); }

private:
    std::map<std::pair<std::string, ASInt32>, const void*, std::less<>> tables_;
    std::map<std::string, int, std::less<>> held_;
};

// The basic suite handed to the module in every message.
const SPBasicSuite* HostBasicSuite();

// Each group of suites registers its tables; defined beside the suites themselves.
void RegisterArtSuites(SuiteRegistry& registry);
void RegisterDocumentSuites(SuiteRegistry& registry);
void RegisterMathSuites(SuiteRegistry& registry);
void RegisterRasterSuite(SuiteRegistry& registry);
void RegisterTextSuites(SuiteRegistry& registry);
void RegisterPlatformSuites(SuiteRegistry& registry);
void RegisterUserSuites(SuiteRegistry& registry);
void RegisterMenuSuite(SuiteRegistry& registry);
void RegisterActionSuites(SuiteRegistry& registry);
void RegisterPathfinderSuite(SuiteRegistry& registry);

inline void RegisterAllSuites(SuiteRegistry& registry) {
    RegisterArtSuites(registry);
    RegisterDocumentSuites(registry);
    RegisterMathSuites(registry);
    RegisterRasterSuite(registry);
    RegisterTextSuites(registry);
    RegisterPlatformSuites(registry);
    RegisterUserSuites(registry);
    RegisterMenuSuite(registry);
    RegisterActionSuites(registry);
    RegisterPathfinderSuite(registry);
}

}  // namespace headless
