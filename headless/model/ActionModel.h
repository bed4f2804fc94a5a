// The host's action manager: parameter types and values, registered and recorded events.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "headless/document/Ids.h"
#include "plugin/sdk/AIActionManager.h"

namespace headless {

struct ParamTypeTag;
struct ParamValueTag;
using ParamTypeId = Id<ParamTypeTag>;
using ParamValueId = Id<ParamValueTag>;

constexpr AIErr kNoSuchParamKeyErr = FourCharErr("KEY?");  // a key the parameter value does not hold
constexpr AIErr kEventExistsErr = FourCharErr("EVT!");     // an event name registered before
constexpr AIErr kNoSuchEventErr = FourCharErr("EVT?");     // an event name never registered
constexpr AIErr kNotRecordingErr = FourCharErr("REC?");    // a step recorded while the host is not recording

struct ActionParamKey {
    ASUInt32 key = 0;
    std::string name;  // UTF-8, converted from the platform encoding
    ASUInt32 typeCode = 0;
    bool show = false;
};

struct ActionParamType {
    std::vector<ActionParamKey> keys;  // in declaration order
};

struct ActionParamEntry {
    ASUInt32 typeCode = 0;  // 'enum' or 'bool'
    ASInt32 integer = 0;    // the enumerated value or the boolean
    std::string name;       // the enumeration's name, UTF-8
};

struct ActionParamValue {
    std::map<ASUInt32, ActionParamEntry> entries;
};

struct RegisteredActionEvent {
    std::string name;  // UTF-8
    std::string localizedName;
    ASInt32 version = 0;
    ASInt32 flag = 0;
    SPPluginRef plugin = nullptr;
    AIActionCallbackProc callback = nullptr;
    AIActionUserData userData = nullptr;
    ActionParamType parameters;  // a copy: the module deletes its type after registering
};

struct RecordedActionEvent {
    std::string name;  // UTF-8
    ASInt32 dialogStatus = 0;
    ActionParamValue parameters;  // a copy: the module deletes its value after recording
};

// Plays an event that has no callback: the module loader sends "Action Manager"/"Do Action" to its plug-in.
using ActionPlayer = std::function<AIErr(const RegisteredActionEvent& event, ActionDialogStatus dialogStatus,
                                         AIActionParamValueRef value)>;

struct ActionModel {
    bool recording = false;
    std::vector<RegisteredActionEvent> registered;
    std::vector<RecordedActionEvent> recorded;
    ActionPlayer player;
};

}  // namespace headless
