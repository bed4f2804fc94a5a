// The suite tables and the object that holds one acquisition of them: constructing a SuiteSet acquires every suite
// of the tables into the module-wide pointers, destroying it gives them back.
#pragma once

#include <cstring>
#include <span>

#include "plugin/sdk/AITypes.h"

// One row of a suite table. A null name ends a table's required part; if that row's version is
// kOptionalSuitesMarker, optional rows follow up to a second row with a null name.
struct SuiteEntry {
    const char* name;
    ASInt32 version;
    const void** address;  // the module-wide pointer the host writes; a row without one is skipped
};

constexpr ASInt32 kOptionalSuitesMarker = static_cast<ASInt32>(FourCharCode("OPTS"));

// A row for a module-wide suite pointer of any suite type.
template <typename Suite>
SuiteEntry SuiteRow(const char* name, ASInt32 version, const Suite** pointer) {
    return {name, version, reinterpret_cast<const void**>(pointer)};
}

// The suites the framework itself calls, processed by count, and the plug-in's table, ended by a null name.
std::span<const SuiteEntry> FrameworkSuites();
const SuiteEntry* PluginSuites();

// Number of live SuiteSet objects that share the filled pointers; 0 at load.
extern ASUInt16 sSuiteAcquisitionCount;

class SuiteSet {
public:
    // Acquires the module's two tables.
    SuiteSet();
    SuiteSet(std::span<const SuiteEntry> framework, const SuiteEntry* plugin);
    ~SuiteSet();
    SuiteSet(const SuiteSet&) = delete;
    SuiteSet& operator=(const SuiteSet&) = delete;

    // 0, or the first code the host refused a suite with.
    ASErr AcquisitionCode() const { return acquisitionCode_; }
    // Tries again the optional suites the host did not give; a missing one is not an error.
    void RetryOptionalSuites();

    ASUInt16 RequiredCount() const { return requiredCount_; }
    ASUInt16 OptionalCount() const { return optionalCount_; }
    ASUInt16 OptionalAcquired() const { return optionalAcquired_; }

private:
    ASErr Release();
    const SuiteEntry* OptionalRows() const;

    std::span<const SuiteEntry> framework_;
    const SuiteEntry* plugin_;
    ASErr acquisitionCode_ = kNoErr;
    ASUInt16 optionalCount_ = 0;
    ASUInt16 requiredCount_ = 0;
    ASUInt16 optionalAcquired_ = 0;
};

// The suite pointer a row names. The pointers are typed; copying the bytes keeps them so without aliasing them.
inline const void* HeldSuite(const SuiteEntry& row) {
    const void* table = nullptr;
    std::memcpy(&table, row.address, sizeof table);
    return table;
}
