// Acquiring and releasing the suite tables through the basic suite, shared among the live SuiteSet objects.
#include "plugin/host/SuiteSet.h"

#include "plugin/host/Suites.h"

ASUInt16 sSuiteAcquisitionCount = 0;

namespace {

void SetHeldSuite(const SuiteEntry& row, const void* table) {
    std::memcpy(row.address, &table, sizeof table);
}

ASErr AcquireRow(const SuiteEntry& row) {
    const void* table = nullptr;
    const ASErr code = sSPBasic->AcquireSuite(row.name, row.version, &table);
    SetHeldSuite(row, code == kNoErr ? table : nullptr);
    return code;
}

// Gives back a held row and clears its pointer whatever the host answers.
ASErr ReleaseRow(const SuiteEntry& row) {
    const ASErr code = sSPBasic->ReleaseSuite(row.name, row.version);
    SetHeldSuite(row, nullptr);
    return code;
}

ASUInt16 CountRows(const SuiteEntry* rows) {
    ASUInt16 count = 0;
    while (rows[count].name)
        ++count;
    return count;
}

}  // namespace

SuiteSet::SuiteSet() : SuiteSet(FrameworkSuites(), PluginSuites()) {}

SuiteSet::SuiteSet(std::span<const SuiteEntry> framework, const SuiteEntry* plugin)
    : framework_(framework), plugin_(plugin) {
    ASErr code = kNoErr;
    if (sSuiteAcquisitionCount != 0) {
        ++sSuiteAcquisitionCount;  // the pointers are filled already
    } else {
        for (const SuiteEntry& row : framework_) {
            if (row.address && (code = AcquireRow(row)) != kNoErr) break;
        }
        for (const SuiteEntry* row = plugin_; code == kNoErr && row->name; ++row) {
            if (row->address) code = AcquireRow(*row);
        }
        if (code == kNoErr) ++sSuiteAcquisitionCount;
    }
    acquisitionCode_ = code;
    requiredCount_ = CountRows(plugin_);
    if (const SuiteEntry* optional = OptionalRows()) optionalCount_ = CountRows(optional);
    if (code == kNoErr && optionalAcquired_ < optionalCount_) RetryOptionalSuites();
}

SuiteSet::~SuiteSet() {
    Release();  // a failing release is the host's to know; nothing here can do better
}

const SuiteEntry* SuiteSet::OptionalRows() const {
    const SuiteEntry& end = plugin_[requiredCount_];
    return end.version == kOptionalSuitesMarker && plugin_[requiredCount_ + 1].name ? &end + 1 : nullptr;
}

void SuiteSet::RetryOptionalSuites() {
    const SuiteEntry* optional = OptionalRows();
    if (!optional) return;
    for (ASUInt16 i = 0; i < optionalCount_ && optional[i].address; ++i) {
        if (!HeldSuite(optional[i]) && AcquireRow(optional[i]) == kNoErr) ++optionalAcquired_;
    }
}

ASErr SuiteSet::Release() {
    // A count already at 0 belongs to a set that never shared; it is the last holder, not the 65536th.
    if (sSuiteAcquisitionCount > 0 && --sSuiteAcquisitionCount > 0) return kNoErr;
    auto releaseHeld = [](const SuiteEntry& row) { return row.address && HeldSuite(row) ? ReleaseRow(row) : kNoErr; };
    for (const SuiteEntry& row : framework_) {
        if (ASErr code = releaseHeld(row)) return code;
    }
    for (const SuiteEntry* row = plugin_; row->name; ++row) {
        if (ASErr code = releaseHeld(*row)) return code;
    }
    const SuiteEntry* optional = OptionalRows();
    for (const SuiteEntry* row = optional; row && row->name && optionalAcquired_ > 0; ++row) {
        if (!row->address || !HeldSuite(*row)) continue;
        --optionalAcquired_;  // counted per suite given back, so a missing row cannot end the walk early
        if (ASErr code = ReleaseRow(*row)) return code;
    }
    return kNoErr;
}
