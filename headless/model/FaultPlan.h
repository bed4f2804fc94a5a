// Failures a test arranges before it runs the module: "the third AIMenuSuite::AddMenuItem returns 'BAD!'",
// "the host lacks the AI Layer Suite".
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "plugin/sdk/AITypes.h"

namespace headless {

class FaultPlan {
public:
    // The nth call (counting from 1) of `function` answers `code`; nth 0 makes every call fail.
    void FailCall(std::string function, AIErr code, int nth = 0);
    // The basic suite refuses every acquisition of this suite with `code`.
    void LackSuite(std::string suiteName, AIErr code = kSPSuiteNotFoundError);
    void Clear();

    // Called once per host function call: counts it and answers the planned code, or 0.
    AIErr Check(std::string_view function);
    AIErr SuiteRefusal(std::string_view suiteName) const;

private:
    struct Planned {
        AIErr code = 0;
        int nth = 0;
        int calls = 0;
    };
    std::map<std::string, Planned, std::less<>> calls_;
    std::map<std::string, AIErr, std::less<>> lackedSuites_;
};

}  // namespace headless
