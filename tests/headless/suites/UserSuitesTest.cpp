// What the host shows and asks: alerts and progress with their UTF-8 texts, the driver's cancel answer, the
// balance of application contexts, and notifiers found by type.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "headless/suites/NotifierQueries.h"
#include "plugin/sdk/AIContext.h"
#include "plugin/sdk/AINotifier.h"
#include "plugin/sdk/AIUser.h"
#include "tests/headless/suites/HostStrings.h"
#include "tests/support/HostFixture.h"

namespace headless {
namespace {

using testing::HostString;

class UserSuite : public testing::HostTest {
protected:
    const AIUserSuite* user = Acquire<AIUserSuite>(kAIUserSuite, kAIUserSuiteVersion);
};

TEST_F(UserSuite, AlertsReachTheDriverInUtf8AndBadStringsRaiseNone) {
    std::vector<std::string> shown;
    app.user.onAlert = [&](const Alert& a) { shown.push_back(a.text); };
    ASSERT_EQ(user->ErrorAlert(HostString(app, U"ドキュメントが開かれていません")), kNoErr);
    ASSERT_EQ(user->MessageAlert(HostString(app, U"切り抜き処理が終了しました")), kNoErr);
    ASSERT_EQ(app.user.alerts.size(), 2u);
    EXPECT_EQ(app.user.alerts[0].kind, Alert::Kind::kError);
    EXPECT_EQ(app.user.alerts[1].kind, Alert::Kind::kMessage);
    EXPECT_EQ(shown, (std::vector<std::string>{"ドキュメントが開かれていません", "切り抜き処理が終了しました"}));

    EXPECT_EQ(user->ErrorAlert(nullptr), kBadParameterErr);
    EXPECT_EQ(user->ErrorAlert(HostString(app, std::u32string(1, char32_t{0xD800}))), kBadParameterErr);
    const AIUnicodeStringRef gone = HostString(app, U"x");
    app.strings.Remove(AppIdOf<UnicodeStringTag>(HandleKind::kUnicodeString, gone, app.strings));
    EXPECT_EQ(user->MessageAlert(gone), kDeadHandleErr);
    EXPECT_EQ(app.user.alerts.size(), 2u);
    EXPECT_EQ(shown.size(), 2u);
}

TEST_F(UserSuite, ProgressIsRecordedAndClamped) {
    ASSERT_EQ(user->SetProgressText(HostString(app, U"外側削除: レイヤー 1")), kNoErr);
    ASSERT_EQ(user->SetProgressText(HostString(app, U"外側削除: レイヤー 2")), kNoErr);
    EXPECT_EQ(app.user.progressText, "外側削除: レイヤー 2");
    EXPECT_EQ(app.user.progressTexts, (std::vector<std::string>{"外側削除: レイヤー 1", "外側削除: レイヤー 2"}));
    EXPECT_TRUE(app.user.progressShown);

    struct Case {
        ASInt32 current, max, shown;
    };
    for (const Case c : {Case{40, 100, 40}, Case{150, 100, 100}, Case{-3, 100, 0}, Case{5, 0, 0}}) {
        ASSERT_EQ(user->UpdateProgress(c.current, c.max), kNoErr);
        EXPECT_EQ(app.user.progressCurrent, c.shown) << c.current << "/" << c.max;
        EXPECT_EQ(app.user.progressMax, c.max);
    }
    EXPECT_EQ(user->UpdateProgress(1, -1), kBadParameterErr);
    EXPECT_EQ(app.user.progressMax, 0);

    ASSERT_EQ(user->CloseProgress(), kNoErr);
    EXPECT_FALSE(app.user.progressShown);
    EXPECT_EQ(app.user.progressTexts.size(), 2u);  // the history stays for the test to read
}

TEST_F(UserSuite, CancelIsTheDriversAnswerAndEveryQueryCounts) {
    EXPECT_FALSE(user->Cancel());
    int asked = 0;
    app.user.cancelAnswer = [&] { return ++asked == 3; };
    EXPECT_FALSE(user->Cancel());
    EXPECT_FALSE(user->Cancel());
    EXPECT_TRUE(user->Cancel());
    EXPECT_EQ(app.user.cancelQueries, 4);
    app.faults.FailCall("AIUserSuite::Cancel", FourCharErr("BAD!"));
    EXPECT_FALSE(user->Cancel());
}

class AppContext : public testing::HostTest {
protected:
    const AIAppContextSuite* context = Acquire<AIAppContextSuite>(kAIAppContextSuite, kAIAppContextSuiteVersion);
};

TEST_F(AppContext, PushesAndPopsStayBalancedAndNested) {
    AIAppContextHandle outer = nullptr;
    AIAppContextHandle inner = nullptr;
    ASSERT_EQ(context->PushAppContext(self, &outer), kNoErr);
    ASSERT_EQ(context->PushAppContext(self, &inner), kNoErr);
    EXPECT_EQ(app.context.open, 2);
    EXPECT_EQ(context->PopAppContext(outer), kBadParameterErr);  // out of nesting order
    EXPECT_EQ(app.context.open, 2);
    ASSERT_EQ(context->PopAppContext(inner), kNoErr);
    ASSERT_EQ(context->PopAppContext(outer), kNoErr);
    EXPECT_EQ(context->PopAppContext(outer), kDeadHandleErr);
    EXPECT_EQ(context->PopAppContext(nullptr), kBadParameterErr);
    EXPECT_EQ(app.context.pushes, 2);
    EXPECT_EQ(app.context.pops, 2);
    EXPECT_EQ(app.context.open, 0);
    EXPECT_EQ(app.appContexts.LiveCount(), 0u);
    EXPECT_EQ(context->PushAppContext(self, nullptr), kBadParameterErr);
    AIAppContextHandle stray = nullptr;
    EXPECT_EQ(context->PushAppContext(nullptr, &stray), kBadParameterErr);
    EXPECT_EQ(app.context.pushes, 2);

    AIWindowRef window = nullptr;
    ASSERT_EQ(context->GetPlatformAppWindow(&window), kNoErr);
    EXPECT_EQ(window, app.context.mainWindow);
}

class Notifiers : public testing::HostTest {
protected:
    const AINotifierSuite* notifiers = Acquire<AINotifierSuite>(kAINotifierSuite, kAINotifierSuiteVersion);
};

TEST_F(Notifiers, AreFoundByTypeWhileActive) {
    AINotifierHandle started = nullptr;
    AINotifierHandle shutdown = nullptr;
    ASSERT_EQ(
        notifiers->AddNotifier(self, "Zavik-Trimora2.5 App Started Notifier", kAIApplicationStartedNotifier, &started),
        kNoErr);
    ASSERT_EQ(notifiers->AddNotifier(self, "Zavik-Trimora2.5 Application Shutdown Notifier",
                                     kAIApplicationShutdownNotifier, &shutdown),
              kNoErr);
    const std::vector<NotifierId> found = NotifiersOfType(app, kAIApplicationStartedNotifier);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(NotifierHandle(found[0]), started);
    EXPECT_EQ(app.notifiers[found[0]].name, "Zavik-Trimora2.5 App Started Notifier");

    AIBoolean active = 0;
    ASSERT_EQ(notifiers->GetNotifierActive(started, &active), kNoErr);
    EXPECT_EQ(active, 1);
    ASSERT_EQ(notifiers->SetNotifierActive(started, false), kNoErr);
    ASSERT_EQ(notifiers->GetNotifierActive(started, &active), kNoErr);
    EXPECT_EQ(active, 0);
    EXPECT_TRUE(NotifiersOfType(app, kAIApplicationStartedNotifier).empty());
    EXPECT_EQ(NotifiersOfType(app, kAIApplicationShutdownNotifier).size(), 1u);

    AINotifierHandle refused = nullptr;
    EXPECT_EQ(notifiers->AddNotifier(nullptr, nullptr, kAIApplicationStartedNotifier, &refused), kBadParameterErr);
    EXPECT_EQ(notifiers->AddNotifier(self, "n", nullptr, &refused), kBadParameterErr);
    const auto stranger = reinterpret_cast<SPPluginRef>(std::uintptr_t{0x1234});  // no plug-in the host loaded
    EXPECT_EQ(notifiers->AddNotifier(stranger, "n", kAIApplicationStartedNotifier, &refused), kDeadHandleErr);
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(notifiers->SetNotifierActive(reinterpret_cast<AINotifierHandle>(std::uintptr_t{0x1234}), true),
              kDeadHandleErr);
}

}  // namespace
}  // namespace headless
