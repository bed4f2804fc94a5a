// AI Action Manager suite: declaring a recordable action event, recording it, and reading the parameters of a
// recorded step when the host plays it back.
#pragma once

#include "plugin/sdk/SPMessageData.h"

constexpr const char* kAIActionManagerSuite = "AI Action Manager Suite";
constexpr int kAIActionManagerSuiteVersion = 5;

// Keys and type codes of action parameters are four-character codes.
using ActionParamKeyID = ASUInt32;
using ActionParamTypeID = ASUInt32;

constexpr ActionParamTypeID kActionTypeBoolean = FourCharCode("bool");
constexpr ActionParamTypeID kActionTypeEnumerated = FourCharCode("enum");
constexpr ActionParamTypeID kActionTypeInteger = FourCharCode("long");
constexpr ActionParamTypeID kActionTypeReal = FourCharCode("doub");
constexpr ActionParamTypeID kActionTypeText = FourCharCode("TEXT");

// Whether the host shows the plug-in's dialog when it plays a step.
enum ActionDialogStatus : ASInt32 {
    kDialogNone = 0,
    kDialogOn = 1,
    kDialogPartial = 2,
    kDialogOff = 3,
};

using AIActionUserData = void*;
// Called by the host to play an event of a plug-in that registered one; null means the host sends
// "Action Manager"/"Do Action" to the plug-in instead.
using AIActionCallbackProc = AIErr (*)(AIActionParamValueRef parameter, AIActionUserData userData,
                                       ActionDialogStatus dialogStatus);

// Byte strings (names, labels) are in the platform encoding; the host copies them.
struct AIActionManagerSuite {
    AIErr (*AINewActionParamType)(AIActionParamTypeRef* type);
    AIErr (*AIDeleteActionParamType)(AIActionParamTypeRef type);
    // Adds key to the type with a label shown in the actions panel; show non-zero lists the value there.
    AIErr (*AIActionSetTypeKey)(AIActionParamTypeRef type, ActionParamKeyID key, const char* name,
                                ActionParamTypeID typeCode, AIBoolean show);
    // The host keeps its own copy of the parameter type.
    AIErr (*RegisterActionEvent)(const char* eventName, const char* localizedName, ASInt32 version, ASInt32 flag,
                                 AIActionCallbackProc callback, SPPluginRef plugin, AIActionUserData userData,
                                 AIActionParamTypeRef parameter);
    // Answered as a value: non-zero while the host is recording actions.
    AIBoolean (*InRecordMode)();
    AIErr (*AINewActionParamValue)(AIActionParamValueRef* value);
    AIErr (*AIDeleteActionParamValue)(AIActionParamValueRef value);
    // The enumeration's display name goes to name (may be null), cut to fit and NUL-terminated; on entry
    // *bufferSize is the buffer's size, on return the size the whole name needs with its NUL. A key missing from the
    // value, or of another type, is an error.
    AIErr (*AIActionGetEnumerated)(AIActionParamValueRef value, ActionParamKeyID key, char* name, ASInt32* bufferSize,
                                   ASInt32* enumValue);
    AIErr (*AIActionSetEnumerated)(AIActionParamValueRef value, ActionParamKeyID key, const char* name,
                                   ASInt32 enumValue);
    AIErr (*AIActionGetBoolean)(AIActionParamValueRef value, ActionParamKeyID key, AIBoolean* boolValue);
    AIErr (*AIActionSetBoolean)(AIActionParamValueRef value, ActionParamKeyID key, AIBoolean boolValue);
    // Adds a step for eventName with a copy of value to the action being recorded.
    AIErr (*RecordActionEvent)(const char* eventName, ActionDialogStatus dialogStatus, AIActionParamValueRef value);
    AIErr (*PlayActionEvent)(const char* eventName, ActionDialogStatus dialogStatus, AIActionParamValueRef value);
};

// Caller "Action Manager", selector "Do Action".
struct DoActionMessage {
    SPMessageData d;
    // 0 (kDialogNone) plays without the dialog; any other value asks for it.
    ActionDialogStatus showDialog;
    AIActionParamValueRef param;
};
