// Clip options in the host's preferences and in action parameters, with the host's own stores read back.
#include <gtest/gtest.h>

#include "plugin/command/ClipOptions.h"
#include "plugin/host/Suites.h"
#include "tests/plugin/command/CommandFixture.h"

namespace trimora::testing {
namespace {

constexpr ActionParamKeyID kTypeKey = FourCharCode("type");

class ClipOptionsStore : public CommandTest {
protected:
    void SetUp() override { StartUp(); }

    AIActionParamValueRef NewValue() {
        AIActionParamValueRef value = nullptr;
        EXPECT_EQ(sAIActionManager->AINewActionParamValue(&value), kNoErr);
        return value;
    }
    const headless::ActionParamValue& Stored(AIActionParamValueRef value) {
        return app.paramValues[headless::AppIdOf<headless::ParamValueTag>(headless::HandleKind::kParamValue, value,
                                                                          app.paramValues)];
    }
};

TEST_F(ClipOptionsStore, NothingStoredLoadsTheDefaultsOverWhateverTheRecordHeld) {
    ClipOptions options{3, 4, 5, 6, 7};
    LoadClipOptionsFromPreferences(options);
    EXPECT_EQ(options, ClipOptions{});
}

TEST_F(ClipOptionsStore, EachPreferenceLandsInItsOwnField) {
    app.preferences.PutInteger(kSection, "ClipType", 2);
    app.preferences.PutBoolean(kSection, "DeleteTextOnTheLine", true);
    app.preferences.PutBoolean(kSection, "PreserveMaskPath", true);
    app.preferences.PutBoolean("Another Plug-in", "ShowProgress", true);
    ClipOptions options;
    LoadClipOptionsFromPreferences(options);
    EXPECT_EQ(options, (ClipOptions{2, 0, 1, 0, 1}));
}

TEST_F(ClipOptionsStore, SavingWritesAllFiveKeysOfTheSection) {
    SaveClipOptionsToPreferences(ClipOptions{7, 1, 0, 1, 0});
    EXPECT_EQ(app.preferences.GetInteger(kSection, "ClipType"), 7);
    EXPECT_EQ(app.preferences.GetBoolean(kSection, "DeleteEmptyLayer"), true);
    EXPECT_EQ(app.preferences.GetBoolean(kSection, "DeleteTextOnTheLine"), false);
    EXPECT_EQ(app.preferences.GetBoolean(kSection, "ShowProgress"), true);
    EXPECT_EQ(app.preferences.GetBoolean(kSection, "PreserveMaskPath"), false);
}

TEST_F(ClipOptionsStore, ARefusedPreferenceIsSkippedAndTheOthersStillCount) {
    app.preferences.PutInteger(kSection, "ClipType", 1);
    app.preferences.PutBoolean(kSection, "ShowProgress", true);
    app.faults.FailCall("AIPreferenceSuite::GetIntegerPreference", kBad);
    ClipOptions options;
    LoadClipOptionsFromPreferences(options);
    EXPECT_EQ(options, (ClipOptions{0, 0, 0, 1, 0}));

    app.faults.FailCall("AIPreferenceSuite::PutBooleanPreference", kBad, 1);
    SaveClipOptionsToPreferences(ClipOptions{1, 1, 1, 0, 1});
    EXPECT_EQ(app.preferences.GetBoolean(kSection, "DeleteEmptyLayer"), std::nullopt);
    EXPECT_EQ(app.preferences.GetBoolean(kSection, "PreserveMaskPath"), true);
}

TEST_F(ClipOptionsStore, WrittenParametersCarryTheValuesAndReadBackUnchanged) {
    const AIActionParamValueRef value = NewValue();
    ASSERT_EQ(WriteClipOptionsToAction(ClipOptions{0, 1, 0, 1, 1}, value), kNoErr);
    const auto& entries = Stored(value).entries;
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries.at(kTypeKey).typeCode, kActionTypeEnumerated);
    EXPECT_EQ(entries.at(kTypeKey).name, "外側削除");
    EXPECT_EQ(entries.at(FourCharCode("delL")).integer, 1);
    EXPECT_EQ(entries.at(FourCharCode("delT")).integer, 0);
    EXPECT_EQ(entries.at(FourCharCode("swpr")).integer, 1);
    EXPECT_EQ(entries.at(FourCharCode("pMsk")).integer, 1);

    ClipOptions read{9, 9, 9, 9, 9};
    ASSERT_EQ(ReadClipOptionsFromAction(value, read), kNoErr);
    EXPECT_EQ(read, (ClipOptions{0, 1, 0, 1, 1}));
}

TEST_F(ClipOptionsStore, AClipTypeBeyondOneIsNamedAsTheInsideCaseAndKeptAsItIs) {
    const AIActionParamValueRef value = NewValue();
    ASSERT_EQ(WriteClipOptionsToAction(ClipOptions{7, 0, 0, 0, 0}, value), kNoErr);
    EXPECT_EQ(Stored(value).entries.at(kTypeKey).name, "内側削除");
    EXPECT_EQ(Stored(value).entries.at(kTypeKey).integer, 7);
    ClipOptions read;
    ASSERT_EQ(ReadClipOptionsFromAction(value, read), kNoErr);
    EXPECT_EQ(read.ClipType, 7);
}

TEST_F(ClipOptionsStore, AMissingParameterEndsTheReadWithTheHostsCode) {
    const AIActionParamValueRef value = NewValue();
    ASSERT_EQ(sAIActionManager->AIActionSetEnumerated(value, kTypeKey, "x", 1), kNoErr);
    ASSERT_EQ(sAIActionManager->AIActionSetBoolean(value, FourCharCode("delL"), 1), kNoErr);
    ClipOptions read;
    EXPECT_EQ(ReadClipOptionsFromAction(value, read), headless::kNoSuchParamKeyErr);
    EXPECT_EQ(HostCalls("AIActionManagerSuite::AIActionGetBoolean"), 2u);  // stopped at 'delT'

    EXPECT_EQ(ReadClipOptionsFromAction(NewValue(), read), headless::kNoSuchParamKeyErr);
    EXPECT_EQ(HostCalls("AIActionManagerSuite::AIActionGetBoolean"), 2u);  // nothing after 'type'
}

TEST_F(ClipOptionsStore, AWriteStopsAtTheFirstRefusal) {
    app.faults.FailCall("AIActionManagerSuite::AIActionSetBoolean", kBad, 2);
    const AIActionParamValueRef value = NewValue();
    EXPECT_EQ(WriteClipOptionsToAction(ClipOptions{1, 1, 1, 1, 1}, value), kBad);
    EXPECT_EQ(HostCalls("AIActionManagerSuite::AIActionSetBoolean"), 2u);
    EXPECT_EQ(Stored(value).entries.size(), 2u);
}

}  // namespace
}  // namespace trimora::testing
