// The error report: ignored codes, the repeat window read through a test clock, and ai::Error.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "plugin/host/AIError.h"
#include "plugin/host/ErrorReport.h"
#include "tests/plugin/host/RecordingPlugin.h"

namespace trimora::testing {
namespace {

std::int64_t gNow = 0;
std::int64_t TestClock() {
    return gNow;
}

class ErrorReport : public ::testing::Test {
protected:
    ErrorReport() {
        gNow = 1000;
        SetCalendarClock(&TestClock);
    }
    ~ErrorReport() override { SetCalendarClock(nullptr); }

    RecordingPlugin plugin{nullptr};
    const ASErr kFirst = FourCharErr("ONE!");
    const ASErr kSecond = FourCharErr("TWO!");
};

TEST_F(ErrorReport, IgnoredCodesAreStoredAsLittleEndianWordsEndedByZero) {
    char bytes[64];
    std::memcpy(bytes, IgnoredErrorCodes, sizeof bytes);
    EXPECT_EQ(std::string(bytes, sizeof bytes), "?TMFESFRRTFADLAVTOOMHSRTKEHCTIHCKTLTslFpdF!SqcA!PRsdEpksENODPOTS");
    EXPECT_EQ(IgnoredErrorCodes[16], 361);
    EXPECT_EQ(IgnoredErrorCodes[17], 0);
    for (int i = 0; i < 17; ++i)
        EXPECT_TRUE(IsIgnoredErrorCode(IgnoredErrorCodes[i])) << i;
    EXPECT_FALSE(IsIgnoredErrorCode(kFirst));
    EXPECT_FALSE(IsIgnoredErrorCode(360));
}

TEST_F(ErrorReport, IgnoredCodesAreNeverRecorded) {
    plugin.OnError(kCanceledErr, "AI Menu", "AI Go", nullptr);
    plugin.OnError(361, "AI Menu", "AI Go", nullptr);
    EXPECT_EQ(plugin.LastError(), kNoErr);
    EXPECT_EQ(plugin.LastErrorTime(), 0);
}

TEST_F(ErrorReport, TheSameCodeWithinFiveSecondsIsARepeat) {
    plugin.OnError(kFirst, "", "", nullptr);
    EXPECT_EQ(plugin.LastErrorTime(), 1000);
    gNow = 1004;
    plugin.OnError(kFirst, "", "", nullptr);
    EXPECT_EQ(plugin.LastErrorTime(), 1000);
    gNow = 1005;
    plugin.OnError(kFirst, "", "", nullptr);
    EXPECT_EQ(plugin.LastErrorTime(), 1005);
}

TEST_F(ErrorReport, ADifferentCodeIsRecordedAtOnce) {
    plugin.OnError(kFirst, "", "", nullptr);
    plugin.OnError(kSecond, "", "", nullptr);
    EXPECT_EQ(plugin.LastError(), kSecond);
    gNow = 1001;
    plugin.OnError(kFirst, "", "", nullptr);
    EXPECT_EQ(plugin.LastError(), kFirst);
    EXPECT_EQ(plugin.LastErrorTime(), 1001);
}

TEST_F(ErrorReport, WithoutSuppressionOrWindowEveryCallRecords) {
    plugin.SetSuppressRepeats(false);
    plugin.OnError(kFirst, "", "", nullptr);
    gNow = 1001;
    plugin.OnError(kFirst, "", "", nullptr);
    EXPECT_EQ(plugin.LastErrorTime(), 1001);
    plugin.SetSuppressRepeats(true);
    plugin.SetRepeatTimeout(0);
    gNow = 1002;
    plugin.OnError(kFirst, "", "", nullptr);
    EXPECT_EQ(plugin.LastErrorTime(), 1002);
}

TEST(AIError, CarriesItsCodeAndAlwaysDescribesItselfAlike) {
    try {
        throw ai::Error(FourCharErr("BAD!"));
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "AI Exception");
        EXPECT_EQ(dynamic_cast<const ai::Error&>(e).Code(), FourCharErr("BAD!"));
    }
}

}  // namespace
}  // namespace trimora::testing
