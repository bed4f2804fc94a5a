// The action manager as the module declares, records and plays back its action, and the preference store behind
// the clip options. Japanese texts cross the suite in CP932, the host's default platform encoding.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "headless/suites/HostEntry.h"
#include "plugin/sdk/AIActionManager.h"
#include "plugin/sdk/AIPreference.h"
#include "tests/support/HostFixture.h"

namespace headless {
namespace {

constexpr ActionParamKeyID kTypeKey = FourCharCode("type");
constexpr ActionParamKeyID kDelLKey = FourCharCode("delL");
constexpr ActionParamKeyID kDelTKey = FourCharCode("delT");
constexpr ActionParamKeyID kSwprKey = FourCharCode("swpr");
constexpr ActionParamKeyID kPMskKey = FourCharCode("pMsk");

// "内側削除" in CP932: four double-byte characters.
constexpr const char* kInsideCp932 = "\223\340\221\244\215\355\217\234";

class ActionManager : public testing::HostTest {
protected:
    AIActionParamValueRef NewValue() {
        AIActionParamValueRef value = nullptr;
        EXPECT_EQ(actions->AINewActionParamValue(&value), kNoErr);
        return value;
    }
    void RegisterEvent(const char* name, AIActionCallbackProc callback = nullptr, void* userData = nullptr) {
        ASSERT_EQ(actions->RegisterActionEvent(name, name, 1, 0, callback, self, userData, nullptr), kNoErr);
    }

    const AIActionManagerSuite* actions =
        Acquire<AIActionManagerSuite>(kAIActionManagerSuite, kAIActionManagerSuiteVersion);
};

TEST_F(ActionManager, DeclaredKeysKeepTheirJapaneseLabelsAndTheEventKeepsItsOwnCopy) {
    struct Declared {
        ActionParamKeyID key;
        const char* cp932;
        ActionParamTypeID type;
        const char* utf8;
    };
    // The 'swpr' label holds 表, whose second byte is an ASCII backslash in CP932.
    const std::vector<Declared> declared = {
        {kTypeKey, "\220\330\202\350\224\262\202\253\203^\203C\203v: ", kActionTypeEnumerated, "切り抜きタイプ: "},
        {kDelLKey, "\213\363\202\314\203\214\203C\203\204\201[\202\360\215\355\217\234: ", kActionTypeBoolean,
         "空のレイヤーを削除: "},
        {kDelTKey,
         "\203\211\203C\203\223\202\311\202\251\202\251\202\351\203e\203L\203X\203g\202\360\215\355\217\234: ",
         kActionTypeBoolean, "ラインにかかるテキストを削除: "},
        {kSwprKey, "\220i\215s\217\363\213\265\202\360\225\134\216\246: ", kActionTypeBoolean, "進行状況を表示: "},
        {kPMskKey, "\220\330\202\350\224\262\202\253\224\315\210\315\216w\222\350\203p\203X\202\360\216c\202\267",
         kActionTypeBoolean, "切り抜き範囲指定パスを残す"},
    };
    AIActionParamTypeRef type = nullptr;
    ASSERT_EQ(actions->AINewActionParamType(&type), kNoErr);
    for (const Declared& d : declared)
        ASSERT_EQ(actions->AIActionSetTypeKey(type, d.key, d.cp932, d.type, true), kNoErr);
    EXPECT_EQ(actions->AIActionSetTypeKey(type, kTypeKey, "x", FourCharCode("what"), true), kBadParameterErr);
    EXPECT_EQ(actions->AIActionSetTypeKey(type, kTypeKey, "\202", kActionTypeEnumerated, true),  // a cut character
              kBadParameterErr);
    ASSERT_EQ(actions->RegisterActionEvent("Zavik-Trimora2.5", "Zavik-Trimora2.5", 1, 0, nullptr, self, nullptr, type),
              kNoErr);
    ASSERT_EQ(actions->AIDeleteActionParamType(type), kNoErr);
    EXPECT_EQ(actions->AIActionSetTypeKey(type, kTypeKey, "x", kActionTypeBoolean, true), kDeadHandleErr);

    ASSERT_EQ(app.actions.registered.size(), 1u);
    const RegisteredActionEvent& event = app.actions.registered[0];
    EXPECT_EQ(event.name, "Zavik-Trimora2.5");
    EXPECT_EQ(event.version, 1);
    ASSERT_EQ(event.parameters.keys.size(), declared.size());
    for (std::size_t i = 0; i < declared.size(); ++i) {
        const ActionParamKey& k = event.parameters.keys[i];
        EXPECT_EQ(k.key, declared[i].key);
        EXPECT_EQ(k.name, declared[i].utf8);
        EXPECT_EQ(k.typeCode, declared[i].type);
        EXPECT_TRUE(k.show);
    }
    EXPECT_EQ(actions->RegisterActionEvent("Zavik-Trimora2.5", "again", 2, 0, nullptr, self, nullptr, nullptr),
              kEventExistsErr);
    EXPECT_EQ(actions->RegisterActionEvent("Other", "Other", 1, 0, nullptr, nullptr, nullptr, nullptr),
              kBadParameterErr);  // no plug-in to play it back to
    EXPECT_EQ(actions->RegisterActionEvent(nullptr, "x", 1, 0, nullptr, nullptr, nullptr, nullptr), kBadParameterErr);
    EXPECT_EQ(app.actions.registered.size(), 1u);
}

TEST_F(ActionManager, ValuesAnswerOnlyForKeysOfTheirType) {
    const AIActionParamValueRef value = NewValue();
    ASSERT_EQ(actions->AIActionSetEnumerated(value, kTypeKey, kInsideCp932, 1), kNoErr);
    ASSERT_EQ(actions->AIActionSetBoolean(value, kDelLKey, 1), kNoErr);
    ASSERT_EQ(actions->AIActionSetBoolean(value, kDelTKey, 7), kNoErr);
    ASSERT_EQ(actions->AIActionSetBoolean(value, kPMskKey, 0), kNoErr);

    char name[256];
    ASInt32 size = sizeof name;
    ASInt32 clipType = -1;
    ASSERT_EQ(actions->AIActionGetEnumerated(value, kTypeKey, name, &size, &clipType), kNoErr);
    EXPECT_STREQ(name, kInsideCp932);
    EXPECT_EQ(size, 9);
    EXPECT_EQ(clipType, 1);
    AIBoolean flag = -1;
    ASSERT_EQ(actions->AIActionGetBoolean(value, kDelTKey, &flag), kNoErr);
    EXPECT_EQ(flag, 1);
    ASSERT_EQ(actions->AIActionGetBoolean(value, kPMskKey, &flag), kNoErr);
    EXPECT_EQ(flag, 0);

    // Refusals leave the out values alone.
    flag = 42;
    clipType = 42;
    size = sizeof name;
    EXPECT_EQ(actions->AIActionGetBoolean(value, kSwprKey, &flag), kNoSuchParamKeyErr);
    EXPECT_EQ(actions->AIActionGetBoolean(value, kTypeKey, &flag), kWrongKindErr);
    EXPECT_EQ(actions->AIActionGetEnumerated(value, kDelLKey, name, &size, &clipType), kWrongKindErr);
    EXPECT_EQ(flag, 42);
    EXPECT_EQ(clipType, 42);
    EXPECT_EQ(actions->AIActionGetBoolean(nullptr, kDelLKey, &flag), kBadParameterErr);
    EXPECT_EQ(actions->AIActionGetBoolean(value, kDelLKey, nullptr), kBadParameterErr);

    // Setting a key again replaces it, type and all.
    ASSERT_EQ(actions->AIActionSetBoolean(value, kTypeKey, 1), kNoErr);
    EXPECT_EQ(actions->AIActionGetEnumerated(value, kTypeKey, name, &size, &clipType), kWrongKindErr);

    ASSERT_EQ(actions->AIDeleteActionParamValue(value), kNoErr);
    EXPECT_EQ(actions->AIActionGetBoolean(value, kDelLKey, &flag), kDeadHandleErr);
    EXPECT_EQ(actions->AIDeleteActionParamValue(value), kDeadHandleErr);
}

TEST_F(ActionManager, EnumerationNamesAreCutToWholeCharactersAndAlwaysTerminated) {
    const AIActionParamValueRef value = NewValue();
    ASSERT_EQ(actions->AIActionSetEnumerated(value, kTypeKey, kInsideCp932, 1), kNoErr);
    struct Case {
        ASInt32 bufferSize;
        std::size_t written;  // bytes before the NUL
    };
    for (const Case c : {Case{9, 8}, Case{8, 6}, Case{5, 4}, Case{4, 2}, Case{2, 0}, Case{1, 0}}) {
        char name[16];
        std::memset(name, 'x', sizeof name);
        ASInt32 size = c.bufferSize;
        ASInt32 clipType = -1;
        ASSERT_EQ(actions->AIActionGetEnumerated(value, kTypeKey, name, &size, &clipType), kNoErr) << c.bufferSize;
        EXPECT_EQ(size, 9) << c.bufferSize;
        EXPECT_EQ(std::strlen(name), c.written) << c.bufferSize;
        EXPECT_EQ(std::memcmp(name, kInsideCp932, c.written), 0) << c.bufferSize;
        EXPECT_EQ(name[c.bufferSize], 'x') << "wrote past the buffer of " << c.bufferSize;
        EXPECT_EQ(clipType, 1);
    }
    // A size query: no buffer, or one of no bytes.
    char untouched = 'x';
    ASInt32 size = 0;
    ASInt32 clipType = -1;
    ASSERT_EQ(actions->AIActionGetEnumerated(value, kTypeKey, &untouched, &size, &clipType), kNoErr);
    EXPECT_EQ(untouched, 'x');
    EXPECT_EQ(size, 9);
    size = 100;
    ASSERT_EQ(actions->AIActionGetEnumerated(value, kTypeKey, nullptr, &size, &clipType), kNoErr);
    EXPECT_EQ(size, 9);
    size = -1;
    EXPECT_EQ(actions->AIActionGetEnumerated(value, kTypeKey, &untouched, &size, &clipType), kBadParameterErr);
}

TEST_F(ActionManager, RecordedStepsKeepCopiesAfterTheModuleDeletesItsValue) {
    RegisterEvent("Zavik-Trimora2.5");
    const AIActionParamValueRef value = NewValue();
    ASSERT_EQ(actions->AIActionSetEnumerated(value, kTypeKey, kInsideCp932, 1), kNoErr);
    ASSERT_EQ(actions->AIActionSetBoolean(value, kSwprKey, 1), kNoErr);

    EXPECT_FALSE(actions->InRecordMode());
    EXPECT_EQ(actions->RecordActionEvent("Zavik-Trimora2.5", kDialogOff, value), kNotRecordingErr);
    app.actions.recording = true;
    EXPECT_TRUE(actions->InRecordMode());
    ASSERT_EQ(actions->RecordActionEvent("Zavik-Trimora2.5", kDialogOff, value), kNoErr);
    EXPECT_EQ(actions->RecordActionEvent("Unregistered", kDialogOff, value), kNoSuchEventErr);
    EXPECT_EQ(actions->RecordActionEvent("Zavik-Trimora2.5", static_cast<ActionDialogStatus>(9), value),
              kBadParameterErr);
    ASSERT_EQ(actions->AIDeleteActionParamValue(value), kNoErr);
    EXPECT_EQ(actions->RecordActionEvent("Zavik-Trimora2.5", kDialogOff, value), kDeadHandleErr);

    ASSERT_EQ(app.actions.recorded.size(), 1u);
    const RecordedActionEvent& step = app.actions.recorded[0];
    EXPECT_EQ(step.name, "Zavik-Trimora2.5");
    EXPECT_EQ(step.dialogStatus, kDialogOff);
    ASSERT_EQ(step.parameters.entries.size(), 2u);
    const ActionParamEntry& type = step.parameters.entries.at(kTypeKey);
    EXPECT_EQ(type.typeCode, kActionTypeEnumerated);
    EXPECT_EQ(type.integer, 1);
    EXPECT_EQ(type.name, "内側削除");
    EXPECT_EQ(step.parameters.entries.at(kSwprKey).integer, 1);
}

struct Played {
    AIActionParamValueRef value = nullptr;
    ActionDialogStatus status = kDialogNone;
};

AIErr PlayThroughCallback(AIActionParamValueRef value, AIActionUserData userData, ActionDialogStatus status) {
    *static_cast<Played*>(userData) = {value, status};
    return FourCharErr("CBCK");
}

TEST_F(ActionManager, PlayingGoesThroughTheCallbackOrElseThePlayer) {
    Played played;
    RegisterEvent("With Callback", &PlayThroughCallback, &played);
    RegisterEvent("Zavik-Trimora2.5");
    const AIActionParamValueRef value = NewValue();

    EXPECT_EQ(actions->PlayActionEvent("With Callback", kDialogOn, value), FourCharErr("CBCK"));
    EXPECT_EQ(played.value, value);
    EXPECT_EQ(played.status, kDialogOn);

    EXPECT_EQ(actions->PlayActionEvent("Zavik-Trimora2.5", kDialogNone, value), kUnhandledMsgErr);  // nobody to play
    std::string heard;
    app.actions.player = [&](const RegisteredActionEvent& event, ActionDialogStatus, AIActionParamValueRef v) {
        heard = event.name;
        return v == value ? kNoErr : kBadParameterErr;
    };
    EXPECT_EQ(actions->PlayActionEvent("Zavik-Trimora2.5", kDialogNone, value), kNoErr);
    EXPECT_EQ(heard, "Zavik-Trimora2.5");
    EXPECT_EQ(actions->PlayActionEvent("Nobody", kDialogNone, value), kNoSuchEventErr);
}

class Preferences : public testing::HostTest {
protected:
    const AIPreferenceSuite* prefs = Acquire<AIPreferenceSuite>(kAIPreferenceSuite, kAIPreferenceSuiteVersion);
};

TEST_F(Preferences, AMissingPreferenceIsAnErrorAndLeavesTheDefault) {
    ASInt32 clipType = 0;
    AIBoolean flag = 0;
    EXPECT_EQ(prefs->GetIntegerPreference("Zavik-Trimora2.5", "ClipType", &clipType), kNoSuchPreferenceErr);
    EXPECT_EQ(prefs->GetBooleanPreference("Zavik-Trimora2.5", "ShowProgress", &flag), kNoSuchPreferenceErr);
    EXPECT_EQ(clipType, 0);
    EXPECT_EQ(flag, 0);

    ASSERT_EQ(prefs->PutIntegerPreference("Zavik-Trimora2.5", "ClipType", 2), kNoErr);
    ASSERT_EQ(prefs->PutBooleanPreference("Zavik-Trimora2.5", "ShowProgress", 5), kNoErr);
    ASSERT_EQ(prefs->GetIntegerPreference("Zavik-Trimora2.5", "ClipType", &clipType), kNoErr);
    ASSERT_EQ(prefs->GetBooleanPreference("Zavik-Trimora2.5", "ShowProgress", &flag), kNoErr);
    EXPECT_EQ(clipType, 2);
    EXPECT_EQ(flag, 1);

    // Sections, keys and types do not leak into each other.
    flag = 0;
    EXPECT_EQ(prefs->GetBooleanPreference("Zavik-Trimora2.5", "ClipType", &flag), kNoSuchPreferenceErr);
    EXPECT_EQ(prefs->GetIntegerPreference("Other", "ClipType", &clipType), kNoSuchPreferenceErr);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(clipType, 2);
    EXPECT_EQ(prefs->PutIntegerPreference(nullptr, "ClipType", 1), kBadParameterErr);
    EXPECT_EQ(prefs->GetIntegerPreference("Zavik-Trimora2.5", nullptr, &clipType), kBadParameterErr);
    EXPECT_EQ(prefs->GetIntegerPreference("Zavik-Trimora2.5", "ClipType", nullptr), kBadParameterErr);
}

}  // namespace
}  // namespace headless
