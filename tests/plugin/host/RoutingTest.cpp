// Message routing: every pair reaches its handler, results reach the host, '!MSG' is answered 0 and other codes
// are reported once; notifications reach their hooks inside an application context.
#include <gtest/gtest.h>

#include "plugin/host/AIError.h"
#include "plugin/sdk/AICallers.h"
#include "plugin/sdk/AIMenu.h"
#include "tests/plugin/host/ModuleFixture.h"

namespace trimora::testing {
namespace {

using Strings = std::vector<std::string>;

struct RoutedPair {
    const char* caller;
    const char* selector;
    const char* handler;
    ASErr baseResult;
};

const RoutedPair kRoutedPairs[] = {
    {"SP Properties", "Acquire", "OnAcquireProperty", kUnhandledMsgErr},
    {"SP Properties", "Release", "OnReleaseProperty", kUnhandledMsgErr},
    {"Action Manager", "Do Action", "OnDoAction", kNoErr},
    {"AI Menu", "AI Go", "OnMenuGo", kUnhandledMsgErr},
    {"AI Menu", "AI Update", "OnMenuUpdate", kUnhandledMsgErr},
    {"AI Filter", "AI Get Parameters", "OnFilterGetParameters", kUnhandledMsgErr},
    {"AI Filter", "AI Go", "OnFilterGo", kUnhandledMsgErr},
    {"AI Plugin Group", "AI Notify Edits", "OnPluginGroupNotifyEdits", kUnhandledMsgErr},
    {"AI Plugin Group", "AI Update", "OnPluginGroupUpdate", kUnhandledMsgErr},
    {"AI File Format", "AI Get Parameters", "OnFileFormatGetParameters", kUnhandledMsgErr},
    {"AI File Format", "AI Go", "OnFileFormatGo", kUnhandledMsgErr},
    {"AI File Format", "AI Check", "OnFileFormatCheck", kUnhandledMsgErr},
    {"AI File Format", "AI Update AI140", "OnFileFormatUpdate", kUnhandledMsgErr},
    {"AI File Format", "Do Action", "OnFileFormatDoAction", kUnhandledMsgErr},
    {"AI Tool", "AI Edit Options", "OnToolEditOptions", kUnhandledMsgErr},
    {"AI Tool", "AI Track Cursor", "OnToolTrackCursor", kUnhandledMsgErr},
    {"AI Tool", "AI Mouse Down", "OnToolMouseDown", kUnhandledMsgErr},
    {"AI Tool", "AI Mouse Drag", "OnToolMouseDrag", kUnhandledMsgErr},
    {"AI Tool", "AI Mouse Up", "OnToolMouseUp", kUnhandledMsgErr},
    {"AI Tool", "AI Select", "OnToolSelect", kUnhandledMsgErr},
    {"AI Tool", "AI Deselect", "OnToolDeselect", kUnhandledMsgErr},
    {"AI Tool", "AI Reselect", "OnToolReselect", kNoErr},
    {"AI Tool", "AI Decrease Diameter", "OnToolDecreaseDiameter", kNoErr},
    {"AI Tool", "AI Increase Diameter", "OnToolIncreaseDiameter", kNoErr},
    {"AI Live Effect", "AI Live Effect Edit Parameters", "OnLiveEffectEditParameters", kUnhandledMsgErr},
    {"AI Live Effect", "AI Live Effect Go Live", "OnLiveEffectGoLive", kUnhandledMsgErr},
    {"AI Live Effect", "AI Live Effect Interpolate Parameters", "OnLiveEffectInterpolateParameters", kUnhandledMsgErr},
    {"AI Live Effect", "AI Live Effect Input Type", "OnLiveEffectInputType", kUnhandledMsgErr},
    {"AI Live Effect", "AI Live Effect Scale Parameters", "OnLiveEffectScaleParameters", kUnhandledMsgErr},
    {"AI Live Effect", "AI Live Effect Convert Color Space", "OnLiveEffectConvertColorSpace", kUnhandledMsgErr},
    {"AI Live Effect", "AI Live Effect Adjust Colors", "OnLiveEffectAdjustColors", kUnhandledMsgErr},
    {"AI Live Effect", "AI Live Effect Handle Merge", "OnLiveEffectHandleMerge", kUnhandledMsgErr},
    {"AI Timer", "AI Go", "OnTimerGo", kUnhandledMsgErr},
    {"AI Clipboard", "AI Go", "OnClipboardGo", kUnhandledMsgErr},
    {"AI Clipboard", "AI Can Copy", "OnClipboardCanCopy", kUnhandledMsgErr},
    {"AI Clipboard", "AI Clone", "OnClipboardClone", kUnhandledMsgErr},
    {"AI Clipboard", "AI Dispose", "OnClipboardDispose", kUnhandledMsgErr},
    {"Workspace Manager", "Write Workspace", "OnWriteWorkspace", kUnhandledMsgErr},
    {"Workspace Manager", "Restore Workspace", "OnRestoreWorkspace", kUnhandledMsgErr},
    {"Workspace Manager", "Default Workspace", "OnDefaultWorkspace", kUnhandledMsgErr},
};

class Routing : public ModuleTest {
protected:
    Routing() { EXPECT_EQ(host.Startup(), kNoErr); }

    // The module's calls for one message, without the router's own entry.
    Strings HandlersFor(const char* caller, const char* selector, ASErr* result = nullptr) {
        const std::size_t mark = Calls().size();
        const ASErr answer = host.Send(caller, selector);
        if (result) *result = answer;
        Strings calls = CallsSince(mark);
        if (!calls.empty() && calls.front().starts_with("OnMessage ")) calls.erase(calls.begin());
        return calls;
    }
};

TEST_F(Routing, EveryPairReachesItsHandlerAndItsCodeReachesTheHost) {
    for (const RoutedPair& pair : kRoutedPairs) {
        ASErr result = -1;
        EXPECT_EQ(HandlersFor(pair.caller, pair.selector, &result), Strings{pair.handler}) << pair.handler;
        EXPECT_EQ(result, kNoErr) << pair.handler;
        Record().answers[pair.handler] = kBad;
        EXPECT_EQ(host.Send(pair.caller, pair.selector), kBad) << pair.handler;
    }
}

TEST_F(Routing, TheBaseHandlersAnswerUnhandledExceptTheFewThatSucceed) {
    Plugin plugin(nullptr);
    for (const RoutedPair& pair : kRoutedPairs)
        EXPECT_EQ(plugin.OnMessage(pair.caller, pair.selector, nullptr), pair.baseResult) << pair.handler;
    EXPECT_EQ(plugin.OnMessage(kSPInterfaceCaller, kSPInterfaceAboutSelector, nullptr), kNoErr);
    EXPECT_EQ(plugin.OnMessage(kSPInterfaceCaller, kSPInterfaceStartupSelector, nullptr), kNoErr);
    EXPECT_EQ(plugin.OnMessage(kSPCacheCaller, kSPPluginPurgeSelector, nullptr), kNoErr);
    EXPECT_EQ(plugin.OnMessage("AI Menu", "AI Something", nullptr), kUnhandledMsgErr);
    EXPECT_EQ(plugin.OnMessage("Nobody", "AI Go", nullptr), kUnhandledMsgErr);
}

TEST_F(Routing, SelectorsAndCallersMatchExactly) {
    EXPECT_TRUE(HandlersFor("AI Menu", "AI Go ").empty());
    EXPECT_TRUE(HandlersFor("AI Menu", "ai go").empty());
    EXPECT_TRUE(HandlersFor("AI menu", "AI Go").empty());
    EXPECT_TRUE(HandlersFor("SP Interface", "About").empty());
    EXPECT_TRUE(HandlersFor("SP Cache", "Plug-in Purge2").empty());
    EXPECT_TRUE(HandlersFor("SP Access", "Reload2").empty());
}

TEST_F(Routing, UnhandledIsAnsweredZeroWithoutAReportAndOtherCodesAreReportedOnce) {
    Record().answers["OnMenuGo"] = kUnhandledMsgErr;
    AIMenuMessage message{};
    EXPECT_EQ(host.Send(kCallerAIMenu, kSelectorAIGoMenuItem, message.d), kNoErr);
    EXPECT_EQ(Object()->LastError(), kNoErr);

    Record().answers["OnMenuGo"] = kBad;
    const std::size_t mark = Calls().size();
    EXPECT_EQ(host.Send(kCallerAIMenu, kSelectorAIGoMenuItem, message.d), kBad);
    EXPECT_EQ(CallsSince(mark), (Strings{"OnMessage AI Menu/AI Go", "OnMenuGo", "OnError AI Menu/AI Go"}));
    EXPECT_EQ(Object()->lastMessage, &message);
    EXPECT_EQ(Object()->LastError(), kBad);
}

TEST_F(Routing, AnExceptionFromAHandlerReachesTheHostAsItsCode) {
    Record().throws["OnMenuGo"] = kBad;
    EXPECT_EQ(host.MenuGo(nullptr), kBad);
    EXPECT_EQ(Object()->LastError(), kBad);
}

TEST_F(Routing, PurgeAnswersPurgeFalseOnlyWhenThePluginAgrees) {
    ASErr result = -1;
    EXPECT_EQ(HandlersFor(kSPCacheCaller, kSPPluginPurgeSelector, &result), Strings{"OnPurge"});
    EXPECT_EQ(result, kNoErr);
    Record().purge = true;
    EXPECT_EQ(host.Send(kSPCacheCaller, kSPPluginPurgeSelector), kPurgeFalseErr);
    EXPECT_EQ(Object()->LastError(), kNoErr);  // an ignored code, never recorded
}

TEST_F(Routing, NotificationsReachTheirHookAndThenOnNotifyInsideAContext) {
    const AINotifierHandle started = Object()->AppStartedNotifier();
    const AINotifierHandle shutdown = Object()->AppShutdownNotifier();
    auto notify = [&](AINotifierHandle notifier, const char* selector) {
        const std::size_t mark = Calls().size();
        EXPECT_EQ(host.Notify(notifier, "some type", selector), kNoErr);
        Strings calls = CallsSince(mark);
        calls.erase(calls.begin());
        return calls;
    };
    EXPECT_EQ(notify(started, "AI Notify"), (Strings{"OnApplicationStarted", "OnNotify"}));
    EXPECT_EQ(notify(shutdown, "AI Notify"), (Strings{"OnApplicationShutdown", "OnNotify"}));
    EXPECT_EQ(notify(nullptr, "AI Notify"), (Strings{"OnNotify"}));
    EXPECT_EQ(notify(started, "AI Other"), (Strings{"OnApplicationStarted"}));
    EXPECT_EQ(notify(nullptr, "AI Other"), Strings{});
    EXPECT_EQ(HostCalls("AIAppContextSuite::PushAppContext"), 5u);
    EXPECT_EQ(HostCalls("AIAppContextSuite::PopAppContext"), 5u);
    EXPECT_EQ(app.context.open, 0);

    Record().answers["OnApplicationStarted"] = kBad;
    EXPECT_EQ(host.Notify(started, "some type"), kBad);
    EXPECT_EQ(Calls().back(), "OnError AI Notifier/AI Notify");  // OnNotify skipped
}

}  // namespace
}  // namespace trimora::testing
