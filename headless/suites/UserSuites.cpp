// The user suite (alerts, progress, cancel), the application context suite and the notifier suite.
#include <algorithm>

#include "headless/suites/HostEntry.h"
#include "headless/suites/PluginRegistry.h"
#include "headless/suites/SuiteText.h"
#include "plugin/sdk/AIContext.h"
#include "plugin/sdk/AINotifier.h"
#include "plugin/sdk/AIUser.h"

namespace headless {
namespace {

void RaiseAlert(Alert::Kind kind, AIUnicodeStringRef text) {
    Application& app = App();
    app.user.alerts.push_back({kind, suitetext::UnicodeStringUtf8(text)});
    // A copy: the driver's callback may raise alerts of its own.
    const Alert alert = app.user.alerts.back();
    if (app.user.onAlert) app.user.onAlert(alert);
}

AIErr ErrorAlert(AIUnicodeStringRef text) {
    RaiseAlert(Alert::Kind::kError, text);
    return kNoErr;
}

AIErr MessageAlert(AIUnicodeStringRef text) {
    RaiseAlert(Alert::Kind::kMessage, text);
    return kNoErr;
}

AIErr SetProgressText(AIUnicodeStringRef text) {
    UserModel& user = App().user;
    user.progressText = suitetext::UnicodeStringUtf8(text);
    user.progressTexts.push_back(user.progressText);
    user.progressShown = true;
    if (user.onProgress) user.onProgress();
    return kNoErr;
}

AIErr UpdateProgress(ASInt32 current, ASInt32 max) {
    if (max < 0) Throw(kBadParameterErr);
    UserModel& user = App().user;
    user.progressHighestAsked = std::max(user.progressHighestAsked, current);
    user.progressCurrent = std::clamp(current, 0, max);
    user.progressMax = max;
    user.progressShown = true;
    if (user.onProgress) user.onProgress();
    return kNoErr;
}

AIErr CloseProgress() {
    UserModel& user = App().user;
    user.progressShown = false;
    user.progressText.clear();
    user.progressCurrent = 0;
    user.progressMax = 0;
    return kNoErr;
}

AIBoolean Cancel() {
    UserModel& user = App().user;
    ++user.cancelQueries;
    if (user.cancelRequested.load()) return 1;
    return user.cancelAnswer && user.cancelAnswer() ? 1 : 0;
}

constexpr AIUserSuite kUserSuite = {
    TRIMORA_HOST_FN(AIUserSuite, ErrorAlert, ErrorAlert),
    TRIMORA_HOST_FN(AIUserSuite, MessageAlert, MessageAlert),
    TRIMORA_HOST_FN(AIUserSuite, SetProgressText, SetProgressText),
    TRIMORA_HOST_FN(AIUserSuite, UpdateProgress, UpdateProgress),
    TRIMORA_HOST_FN(AIUserSuite, CloseProgress, CloseProgress),
    TRIMORA_HOST_VALUE_FN(AIUserSuite, Cancel, Cancel),
};

AIErr GetPlatformAppWindow(AIWindowRef* appWindow) {
    Out(appWindow) = App().context.mainWindow;
    return kNoErr;
}

// Each context remembers its depth, so that a pop out of nesting order is refused rather than unbalancing the count.
AIErr PushAppContext(SPPluginRef plugin, AIAppContextHandle* appContext) {
    PluginIdOf(plugin);
    AIAppContextHandle& out = Out(appContext);
    Application& app = App();
    const Id<AppContextTag> id = app.appContexts.Add(app.context.open + 1);
    ++app.context.open;
    ++app.context.pushes;
    out = AppHandleOf<AIAppContextHandle>(HandleKind::kAppContext, id);
    return kNoErr;
}

AIErr PopAppContext(AIAppContextHandle appContext) {
    if (!appContext) Throw(kBadParameterErr);
    Application& app = App();
    const Id<AppContextTag> id = AppIdOf<AppContextTag>(HandleKind::kAppContext, appContext, app.appContexts);
    if (app.appContexts[id] != app.context.open) Throw(kBadParameterErr);
    app.appContexts.Remove(id);
    --app.context.open;
    ++app.context.pops;
    return kNoErr;
}

constexpr AIAppContextSuite kAppContextSuite = {
    TRIMORA_HOST_FN(AIAppContextSuite, GetPlatformAppWindow, GetPlatformAppWindow),
    TRIMORA_HOST_FN(AIAppContextSuite, PushAppContext, PushAppContext),
    TRIMORA_HOST_FN(AIAppContextSuite, PopAppContext, PopAppContext),
};

NotifierId NotifierIdOf(AINotifierHandle h) {
    if (!h) Throw(kBadParameterErr);
    return AppIdOf<NotifierTag>(HandleKind::kNotifier, h, App().notifiers);
}

AIErr AddNotifier(SPPluginRef plugin, const char* name, const char* type, AINotifierHandle* notifier) {
    PluginIdOf(plugin);  // notifications go to a plug-in the host loaded
    AINotifierHandle& out = Out(notifier);
    Notifier n{plugin, suitetext::RequiredBytes(name), suitetext::RequiredBytes(type), true};
    out = AppHandleOf<AINotifierHandle>(HandleKind::kNotifier, App().notifiers.Add(std::move(n)));
    return kNoErr;
}

AIErr SetNotifierActive(AINotifierHandle notifier, AIBoolean active) {
    App().notifiers[NotifierIdOf(notifier)].active = active != 0;
    return kNoErr;
}

AIErr GetNotifierActive(AINotifierHandle notifier, AIBoolean* active) {
    AIBoolean& out = Out(active);
    out = App().notifiers[NotifierIdOf(notifier)].active ? 1 : 0;
    return kNoErr;
}

constexpr AINotifierSuite kNotifierSuite = {
    TRIMORA_HOST_FN(AINotifierSuite, AddNotifier, AddNotifier),
    TRIMORA_HOST_FN(AINotifierSuite, SetNotifierActive, SetNotifierActive),
    TRIMORA_HOST_FN(AINotifierSuite, GetNotifierActive, GetNotifierActive),
};

}  // namespace

void RegisterUserSuites(SuiteRegistry& registry) {
    registry.Add(kAIUserSuite, kAIUserSuiteVersion, &kUserSuite);
    registry.Add(kAIAppContextSuite, kAIAppContextSuiteVersion, &kAppContextSuite);
    registry.Add(kAINotifierSuite, kAINotifierSuiteVersion, &kNotifierSuite);
}

}  // namespace headless
