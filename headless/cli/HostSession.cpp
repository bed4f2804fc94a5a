// The alerts of one message are kept by the host; the outcome reads them rather than a second record of its own.
#include "headless/cli/HostSession.h"

#include <ostream>

#include "headless/cli/HostTexts.h"
#include "headless/cli/InstalledFiles.h"
#include "headless/cli/Interrupt.h"
#include "headless/suites/SuiteText.h"
#include "headless/win32/StandIn.h"

namespace headless::app {

namespace {

// What GetModuleHandleA answers for the module's file; any address of ours that no other handle can equal.
HMODULE LoadedModuleHandle() {
    static int token;
    return reinterpret_cast<HMODULE>(&token);
}

constexpr std::string_view kCompletionMessage = "切り抜き処理が終了しました";

}  // namespace

HostSession::HostSession(Reporting reporting, std::ostream& out, std::ostream& err)
    : reporting_(reporting), out_(out), err_(err) {
    if (reporting_.progressBar && !reporting_.quiet) bar_.emplace(err_, TerminalColumns());
    app_.user.onAlert = [this](const Alert& alert) { ShowAlert(alert); };
    app_.user.onProgress = [this] { ShowProgress(); };
    app_.user.cancelAnswer = [] { return Interrupted(); };
    // A long run on a big document would otherwise keep the name of every host call it made.
    app_.calls.SetEnabled(false);
}

HostSession::~HostSession() {
    if (started_) module_.Shutdown();
    win32::ForgetLoadedModule(LoadedModuleHandle());
}

void HostSession::StartModule() {
    if (const auto script = InstalledResourceScript(); !script.empty()) win32::SetResourceScript(script);
    const std::string path = ModuleFilePath();
    if (!module_.Load(path)) throw CommandError(kExitRunFailed, module_.LoadError());
    win32::SetLoadedModule(suitetext::Utf8ToPlatform(path), LoadedModuleHandle());
    if (const AIErr error = module_.Startup())
        throw CommandError(kExitRunFailed, "the module did not start: " + CodeName(error));
    started_ = true;
}

void HostSession::BeginMessage() {
    firstAlert_ = app_.user.alerts.size();
}

RunOutcome HostSession::Outcome(AIErr result, bool needsCompletion) {
    EndProgress();
    if (Interrupted() || result == kCanceledErr) return {kExitCancelled, "cancelled"};
    const std::vector<Alert>& alerts = app_.user.alerts;
    bool completed = false;
    for (std::size_t i = firstAlert_; i < alerts.size(); ++i) {
        if (alerts[i].kind == Alert::Kind::kError) return {kExitRefused, AlertLine(alerts[i].text)};
        completed = completed || alerts[i].text == kCompletionMessage;
    }
    if (result != kNoErr) return {kExitRunFailed, "the run failed: " + CodeName(result)};
    if (needsCompletion && !completed) return {kExitRunFailed, "the module ended the command without finishing a run"};
    return {kExitDone, ""};
}

void HostSession::ShowAlert(const Alert& alert) {
    if (!reporting_.echoAlerts) return;
    EndProgress();
    if (alert.kind == Alert::Kind::kError)
        err_ << "trimora: " << AlertLine(alert.text) << std::endl;
    else if (!reporting_.quiet)
        out_ << AlertLine(alert.text) << std::endl;
}

void HostSession::ShowProgress() {
    if (bar_) bar_->Show(app_.user.progressText, app_.user.progressCurrent, app_.user.progressMax);
}

void HostSession::EndProgress() {
    if (bar_) bar_->Clear();
}

}  // namespace headless::app
