// The host functions a fault sweep treats apart.
#include "tests/support/FaultCalls.h"

#include <set>

namespace trimora::test {

bool AnswersAValue(std::string_view call) {
    static const std::set<std::string_view> kValues = {"AIActionManagerSuite::InRecordMode",
                                                       "AIHitTestSuite::IsHit",
                                                       "AIHitTestSuite::GetArt",
                                                       "AIRealMathSuite::AIRealPointLength",
                                                       "AIRealMathSuite::AIRealPointAngle",
                                                       "AIRealMathSuite::EqualWithinTol",
                                                       "AIRealMathSuite::AIRealPointInAIRealRect",
                                                       "AIRealMathSuite::AIRealRectInAIRealRect",
                                                       "AIRealMathSuite::AIRealRectOverlap",
                                                       "AIRealMathSuite::AIRealMatrixInvert",
                                                       "AIUserSuite::Cancel",
                                                       "AIUnicodeStringSuite::Destroy"};
    return kValues.contains(call);
}

bool ReleasesAHostObject(std::string_view call) {
    return call.ends_with("::Release") || call.ends_with("::DisposeArtSet") ||
           call.ends_with("::AIDeleteActionParamValue") || call.ends_with("::Destroy");
}

}  // namespace trimora::test
