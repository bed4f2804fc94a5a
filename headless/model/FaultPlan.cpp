// Planned failures of host functions and suites.
#include "headless/model/FaultPlan.h"

namespace headless {

void FaultPlan::FailCall(std::string function, AIErr code, int nth) {
    calls_[std::move(function)] = Planned{code, nth, 0};
}

void FaultPlan::LackSuite(std::string suiteName, AIErr code) {
    lackedSuites_[std::move(suiteName)] = code;
}

void FaultPlan::Clear() {
    calls_.clear();
    lackedSuites_.clear();
}

AIErr FaultPlan::Check(std::string_view function) {
    auto it = calls_.find(function);
    if (it == calls_.end()) return kNoErr;
    Planned& p = it->second;
    ++p.calls;
    return (p.nth == 0 || p.nth == p.calls) ? p.code : kNoErr;
}

AIErr FaultPlan::SuiteRefusal(std::string_view suiteName) const {
    auto it = lackedSuites_.find(suiteName);
    return it == lackedSuites_.end() ? kNoErr : it->second;
}

}  // namespace headless
