// The action manager suite (parameter types and values, registering, recording and playing events) and the
// preference suite.
#include <cstring>
#include <string>

#include "headless/suites/HostEntry.h"
#include "headless/suites/PluginRegistry.h"
#include "headless/suites/SuiteText.h"
#include "plugin/sdk/AIActionManager.h"
#include "plugin/sdk/AIPreference.h"

namespace headless {
namespace {

using suitetext::PlatformToUtf8;
using suitetext::RequiredBytes;

ParamTypeId TypeIdOf(AIActionParamTypeRef h) {
    if (!h) Throw(kBadParameterErr);
    return AppIdOf<ParamTypeTag>(HandleKind::kParamType, h, App().paramTypes);
}

ParamValueId ValueIdOf(AIActionParamValueRef h) {
    if (!h) Throw(kBadParameterErr);
    return AppIdOf<ParamValueTag>(HandleKind::kParamValue, h, App().paramValues);
}

ActionParamValue& ValueOf(AIActionParamValueRef h) {
    return App().paramValues[ValueIdOf(h)];
}

// The entry of `key`, which the module relies on being refused when missing or of another type.
const ActionParamEntry& EntryOf(AIActionParamValueRef value, ActionParamKeyID key, ActionParamTypeID typeCode) {
    const ActionParamValue& v = ValueOf(value);
    const auto it = v.entries.find(key);
    if (it == v.entries.end()) Throw(kNoSuchParamKeyErr);
    if (it->second.typeCode != typeCode) Throw(kWrongKindErr);
    return it->second;
}

const RegisteredActionEvent* FindEvent(const std::string& nameUtf8) {
    for (const RegisteredActionEvent& e : App().actions.registered)
        if (e.name == nameUtf8) return &e;
    return nullptr;
}

bool KnownTypeCode(ActionParamTypeID code) {
    return code == kActionTypeBoolean || code == kActionTypeEnumerated || code == kActionTypeInteger ||
           code == kActionTypeReal || code == kActionTypeText;
}

AIErr NewActionParamType(AIActionParamTypeRef* type) {
    AIActionParamTypeRef& out = Out(type);
    out = AppHandleOf<AIActionParamTypeRef>(HandleKind::kParamType, App().paramTypes.Add());
    return kNoErr;
}

AIErr DeleteActionParamType(AIActionParamTypeRef type) {
    App().paramTypes.Remove(TypeIdOf(type));
    return kNoErr;
}

// A key declared again keeps its place and takes the new label and type.
AIErr ActionSetTypeKey(AIActionParamTypeRef type, ActionParamKeyID key, const char* name, ActionParamTypeID typeCode,
                       AIBoolean show) {
    ActionParamType& t = App().paramTypes[TypeIdOf(type)];
    if (!KnownTypeCode(typeCode)) Throw(kBadParameterErr);
    ActionParamKey declared{key, PlatformToUtf8(RequiredBytes(name)), typeCode, show != 0};
    for (ActionParamKey& k : t.keys) {
        if (k.key != key) continue;
        k = std::move(declared);
        return kNoErr;
    }
    t.keys.push_back(std::move(declared));
    return kNoErr;
}

AIErr RegisterActionEvent(const char* eventName, const char* localizedName, ASInt32 version, ASInt32 flag,
                          AIActionCallbackProc callback, SPPluginRef plugin, AIActionUserData userData,
                          AIActionParamTypeRef parameter) {
    Application& app = App();
    PluginIdOf(plugin);  // playback is sent to a plug-in the host loaded
    RegisteredActionEvent event;
    event.name = PlatformToUtf8(RequiredBytes(eventName));
    event.localizedName = PlatformToUtf8(RequiredBytes(localizedName));
    if (FindEvent(event.name)) Throw(kEventExistsErr);
    event.version = version;
    event.flag = flag;
    event.callback = callback;
    event.plugin = plugin;
    event.userData = userData;
    if (parameter) event.parameters = app.paramTypes[TypeIdOf(parameter)];
    app.actions.registered.push_back(std::move(event));
    return kNoErr;
}

AIBoolean InRecordMode() {
    return App().actions.recording ? 1 : 0;
}

AIErr NewActionParamValue(AIActionParamValueRef* value) {
    AIActionParamValueRef& out = Out(value);
    out = AppHandleOf<AIActionParamValueRef>(HandleKind::kParamValue, App().paramValues.Add());
    return kNoErr;
}

AIErr DeleteActionParamValue(AIActionParamValueRef value) {
    App().paramValues.Remove(ValueIdOf(value));
    return kNoErr;
}

AIErr ActionGetEnumerated(AIActionParamValueRef value, ActionParamKeyID key, char* name, ASInt32* bufferSize,
                          ASInt32* enumValue) {
    ASInt32& outValue = Out(enumValue);
    const ActionParamEntry& entry = EntryOf(value, key, kActionTypeEnumerated);
    if (!name && !bufferSize) {
        outValue = entry.integer;
        return kNoErr;
    }
    ASInt32& size = Out(bufferSize);
    if (size < 0) Throw(kBadParameterErr);
    const std::string whole = suitetext::Utf8ToPlatform(entry.name);
    if (name && size > 0) {
        const std::size_t room = static_cast<std::size_t>(size) - 1;
        const std::string fitted = whole.size() <= room ? whole : suitetext::Utf8ToPlatformPrefix(entry.name, room);
        std::memcpy(name, fitted.data(), fitted.size());
        name[fitted.size()] = '\0';
    }
    size = static_cast<ASInt32>(whole.size() + 1);
    outValue = entry.integer;
    return kNoErr;
}

AIErr ActionSetEnumerated(AIActionParamValueRef value, ActionParamKeyID key, const char* name, ASInt32 enumValue) {
    ActionParamValue& v = ValueOf(value);
    v.entries[key] = {kActionTypeEnumerated, enumValue, PlatformToUtf8(RequiredBytes(name))};
    return kNoErr;
}

AIErr ActionGetBoolean(AIActionParamValueRef value, ActionParamKeyID key, AIBoolean* boolValue) {
    AIBoolean& out = Out(boolValue);
    out = EntryOf(value, key, kActionTypeBoolean).integer;
    return kNoErr;
}

AIErr ActionSetBoolean(AIActionParamValueRef value, ActionParamKeyID key, AIBoolean boolValue) {
    ValueOf(value).entries[key] = {kActionTypeBoolean, boolValue != 0 ? 1 : 0, {}};
    return kNoErr;
}

bool KnownDialogStatus(ActionDialogStatus status) {
    return status >= kDialogNone && status <= kDialogOff;
}

AIErr RecordActionEvent(const char* eventName, ActionDialogStatus dialogStatus, AIActionParamValueRef value) {
    Application& app = App();
    std::string name = PlatformToUtf8(RequiredBytes(eventName));
    if (!KnownDialogStatus(dialogStatus)) Throw(kBadParameterErr);
    const ActionParamValue& parameters = ValueOf(value);
    if (!app.actions.recording) Throw(kNotRecordingErr);
    if (!FindEvent(name)) Throw(kNoSuchEventErr);
    app.actions.recorded.push_back({std::move(name), dialogStatus, parameters});
    return kNoErr;
}

// An event with a callback is played through it; otherwise the module loader delivers it to its plug-in.
AIErr PlayActionEvent(const char* eventName, ActionDialogStatus dialogStatus, AIActionParamValueRef value) {
    Application& app = App();
    const std::string name = PlatformToUtf8(RequiredBytes(eventName));
    if (!KnownDialogStatus(dialogStatus)) Throw(kBadParameterErr);
    if (value) ValueIdOf(value);
    const RegisteredActionEvent* found = FindEvent(name);
    if (!found) Throw(kNoSuchEventErr);
    // A copy: the plug-in may register further events while it plays, moving the list.
    const RegisteredActionEvent event = *found;
    if (event.callback) return event.callback(value, event.userData, dialogStatus);
    if (!app.actions.player) Throw(kUnhandledMsgErr);
    const ActionPlayer player = app.actions.player;
    return player(event, dialogStatus, value);
}

constexpr AIActionManagerSuite kActionManagerSuite = {
    TRIMORA_HOST_FN(AIActionManagerSuite, AINewActionParamType, NewActionParamType),
    TRIMORA_HOST_FN(AIActionManagerSuite, AIDeleteActionParamType, DeleteActionParamType),
    TRIMORA_HOST_FN(AIActionManagerSuite, AIActionSetTypeKey, ActionSetTypeKey),
    TRIMORA_HOST_FN(AIActionManagerSuite, RegisterActionEvent, RegisterActionEvent),
    TRIMORA_HOST_VALUE_FN(AIActionManagerSuite, InRecordMode, InRecordMode),
    TRIMORA_HOST_FN(AIActionManagerSuite, AINewActionParamValue, NewActionParamValue),
    TRIMORA_HOST_FN(AIActionManagerSuite, AIDeleteActionParamValue, DeleteActionParamValue),
    TRIMORA_HOST_FN(AIActionManagerSuite, AIActionGetEnumerated, ActionGetEnumerated),
    TRIMORA_HOST_FN(AIActionManagerSuite, AIActionSetEnumerated, ActionSetEnumerated),
    TRIMORA_HOST_FN(AIActionManagerSuite, AIActionGetBoolean, ActionGetBoolean),
    TRIMORA_HOST_FN(AIActionManagerSuite, AIActionSetBoolean, ActionSetBoolean),
    TRIMORA_HOST_FN(AIActionManagerSuite, RecordActionEvent, RecordActionEvent),
    TRIMORA_HOST_FN(AIActionManagerSuite, PlayActionEvent, PlayActionEvent),
};

// A get of a preference never put answers an error and leaves *value alone: the caller has preset its default.
AIErr GetBooleanPreference(const char* prefix, const char* suffix, AIBoolean* value) {
    AIBoolean& out = Out(value);
    const std::optional<bool> stored = App().preferences.GetBoolean(RequiredBytes(prefix), RequiredBytes(suffix));
    if (!stored) Throw(kNoSuchPreferenceErr);
    out = *stored ? 1 : 0;
    return kNoErr;
}

AIErr PutBooleanPreference(const char* prefix, const char* suffix, AIBoolean value) {
    App().preferences.PutBoolean(RequiredBytes(prefix), RequiredBytes(suffix), value != 0);
    return kNoErr;
}

AIErr GetIntegerPreference(const char* prefix, const char* suffix, ASInt32* value) {
    ASInt32& out = Out(value);
    const std::optional<ASInt32> stored = App().preferences.GetInteger(RequiredBytes(prefix), RequiredBytes(suffix));
    if (!stored) Throw(kNoSuchPreferenceErr);
    out = *stored;
    return kNoErr;
}

AIErr PutIntegerPreference(const char* prefix, const char* suffix, ASInt32 value) {
    App().preferences.PutInteger(RequiredBytes(prefix), RequiredBytes(suffix), value);
    return kNoErr;
}

constexpr AIPreferenceSuite kPreferenceSuite = {
    TRIMORA_HOST_FN(AIPreferenceSuite, GetBooleanPreference, GetBooleanPreference),
    TRIMORA_HOST_FN(AIPreferenceSuite, PutBooleanPreference, PutBooleanPreference),
    TRIMORA_HOST_FN(AIPreferenceSuite, GetIntegerPreference, GetIntegerPreference),
    TRIMORA_HOST_FN(AIPreferenceSuite, PutIntegerPreference, PutIntegerPreference),
};

}  // namespace

void RegisterActionSuites(SuiteRegistry& registry) {
    registry.Add(kAIActionManagerSuite, kAIActionManagerSuiteVersion, &kActionManagerSuite);
    registry.Add(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &kPreferenceSuite);
}

}  // namespace headless
