// Clip options in the host's preferences and in the recorded action's parameters.
#include "plugin/command/ClipOptions.h"

#include <array>
#include <string>

#include "plugin/command/PlatformText.h"
#include "plugin/host/Suites.h"

namespace {

constexpr ActionParamKeyID kClipTypeKey = FourCharCode("type");
constexpr const char* kClipTypePreference = "ClipType";
constexpr const char* kClipTypeLabel = "切り抜きタイプ: ";
constexpr const char* kOutsideName = "外側削除";
constexpr const char* kInsideName = "内側削除";

struct BooleanOption {
    AIBoolean ClipOptions::*field;
    const char* preference;
    ActionParamKeyID key;
    const char* label;  // UTF-8
};

// The four booleans in record order, which is also the order of the preferences and of the declared keys.
constexpr std::array<BooleanOption, 4> kBooleanOptions = {{
    {&ClipOptions::DeleteEmptyLayer, "DeleteEmptyLayer", FourCharCode("delL"), "空のレイヤーを削除: "},
    {&ClipOptions::DeleteTextOnTheLine, "DeleteTextOnTheLine", FourCharCode("delT"), "ラインにかかるテキストを削除: "},
    {&ClipOptions::ShowProgress, "ShowProgress", FourCharCode("swpr"), "進行状況を表示: "},
    {&ClipOptions::PreserveMaskPath, "PreserveMaskPath", FourCharCode("pMsk"), "切り抜き範囲指定パスを残す"},
}};

}  // namespace

void LoadClipOptionsFromPreferences(ClipOptions& options) {
    options = ClipOptions{};
    sAIPreference->GetIntegerPreference(kClipOptionsSection, kClipTypePreference, &options.ClipType);
    for (const BooleanOption& option : kBooleanOptions) {
        sAIPreference->GetBooleanPreference(kClipOptionsSection, option.preference, &(options.*option.field));
    }
}

void SaveClipOptionsToPreferences(const ClipOptions& options) {
    sAIPreference->PutIntegerPreference(kClipOptionsSection, kClipTypePreference, options.ClipType);
    for (const BooleanOption& option : kBooleanOptions) {
        sAIPreference->PutBooleanPreference(kClipOptionsSection, option.preference, options.*option.field);
    }
}

ASErr ReadClipOptionsFromAction(AIActionParamValueRef value, ClipOptions& options) {
    char name[256] = {};  // the enumeration's display name, not used
    ASInt32 nameSize = sizeof(name);
    if (ASErr error =
            sAIActionManager->AIActionGetEnumerated(value, kClipTypeKey, name, &nameSize, &options.ClipType)) {
        return error;
    }
    for (const BooleanOption& option : kBooleanOptions) {
        if (ASErr error = sAIActionManager->AIActionGetBoolean(value, option.key, &(options.*option.field))) {
            return error;
        }
    }
    return kNoErr;
}

ASErr DeclareClipOptionKeys(AIActionParamTypeRef type) {
    constexpr AIBoolean kShow = 1;
    if (ASErr error = sAIActionManager->AIActionSetTypeKey(type, kClipTypeKey, ToPlatformText(kClipTypeLabel).c_str(),
                                                           kActionTypeEnumerated, kShow)) {
        return error;
    }
    for (const BooleanOption& option : kBooleanOptions) {
        if (ASErr error = sAIActionManager->AIActionSetTypeKey(type, option.key, ToPlatformText(option.label).c_str(),
                                                               kActionTypeBoolean, kShow)) {
            return error;
        }
    }
    return kNoErr;
}

// A clip type other than 0 or 1 can come only from a played-back action; it runs as the inside case, so it is
// named as one, and the value itself goes on unchanged.
ASErr WriteClipOptionsToAction(const ClipOptions& options, AIActionParamValueRef value) {
    const std::string name = ToPlatformText(options.ClipType == 0 ? kOutsideName : kInsideName);
    if (ASErr error = sAIActionManager->AIActionSetEnumerated(value, kClipTypeKey, name.c_str(), options.ClipType)) {
        return error;
    }
    for (const BooleanOption& option : kBooleanOptions) {
        if (ASErr error = sAIActionManager->AIActionSetBoolean(value, option.key, options.*option.field)) return error;
    }
    return kNoErr;
}
