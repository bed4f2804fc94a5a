// Start-up of the plug-in object: the clip command's menu item, the About item and the recordable action.
#include <string>

#include "plugin/command/ClipOptions.h"
#include "plugin/command/PlatformText.h"
#include "plugin/command/SDKAboutPluginsHelper.h"
#include "plugin/command/ZvTrimoraPlugin.h"
#include "plugin/host/Suites.h"

namespace {

constexpr const char* kClipMenuKey = "Zavik-Trimora2.5";
constexpr const char* kClipMenuText = "Zavik-Trimora2.5...";  // UTF-8, and the About item's text too
constexpr const char* kAboutGroupName = "AboutZavikName";
constexpr const char* kAboutSubmenuText = "Zavikについて...";
constexpr const char* kActionEventName = "Zavik-Trimora2.5";
constexpr ASInt32 kActionEventVersion = 1;

// Deletes the parameter type once the host has taken its copy, also when a conversion throws on the way.
class ParamTypeGuard {
public:
    ParamTypeGuard() = default;
    ~ParamTypeGuard() {
        if (type_) sAIActionManager->AIDeleteActionParamType(type_);
    }
    ParamTypeGuard(const ParamTypeGuard&) = delete;
    ParamTypeGuard& operator=(const ParamTypeGuard&) = delete;

    AIActionParamTypeRef* Out() { return &type_; }
    AIActionParamTypeRef Get() const { return type_; }

private:
    AIActionParamTypeRef type_ = nullptr;
};

}  // namespace

// Start-up succeeds when the framework's part did: a menu item or an action the host refused is only missing.
ASErr ZvTrimoraPlugin::OnStartup(void* message) {
    if (ASErr error = Plugin::OnStartup(message)) {
        // The entry point deletes the object next; the module-wide pointer must not outlive it.
        BindInstance(nullptr);
        return error;
    }
    auto* data = static_cast<SPMessageData*>(message);
    try {
        if (AddMenus(data) == kNoErr) AddAction(data);
    } catch (...) {
        // A text the host would not convert: the entry point deletes the object next, so the framework's lock
        // goes back and the module-wide pointer goes with it.
        KeepLoaded(false);
        BindInstance(nullptr);
        throw;
    }
    return KeepLoaded(true);
}

ASErr ZvTrimoraPlugin::AddMenus(SPMessageData* message) {
    const ai::HostString clipText = ai::HostString::FromUtf8(kClipMenuText);
    const AIPlatformAddMenuItemDataUS clipData = {kObjectsMenuGroup, clipText.Ref()};
    if (ASErr error = sAIMenu->AddMenuItem(message->self, kClipMenuKey, &clipData, kMenuItemNoOptions, &clipMenuItem)) {
        return error;
    }
    // Enabled while a document is open, whatever is selected: the run itself says what is wrong with a selection.
    if (ASErr error = sAIMenu->UpdateMenuItemAutomatically(clipMenuItem, kAutoEnableMenuItemAction, 0, 0, 0, 0,
                                                           kIfOpenDocument, 0)) {
        return error;
    }

    const std::string aboutText = ToPlatformText(kClipMenuText);
    SDKAboutPluginsHelper helper;
    return helper.AddAboutMenuItem(message, kAboutGroupName, ai::HostString::FromUtf8(kAboutSubmenuText),
                                   aboutText.c_str(), &aboutMenuItem);
}

ASErr ZvTrimoraPlugin::AddAction(SPMessageData* message) {
    ParamTypeGuard type;
    if (ASErr error = sAIActionManager->AINewActionParamType(type.Out())) return error;
    if (ASErr error = DeclareClipOptionKeys(type.Get())) return error;
    const std::string name = ToPlatformText(kActionEventName);
    return sAIActionManager->RegisterActionEvent(name.c_str(), name.c_str(), kActionEventVersion, 0, nullptr,
                                                 message->self, nullptr, type.Get());
}
