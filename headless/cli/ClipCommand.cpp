// Nothing is written before the run has finished: an interrupted or failed run leaves every file as it was,
// except the preferences, which the menu command stores as soon as the dialog is confirmed.
#include "headless/cli/ClipCommand.h"

#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <ostream>

#include "headless/cli/ActionFile.h"
#include "headless/cli/Interrupt.h"
#include "headless/cli/PhaseTimes.h"
#include "headless/cli/PreferenceFile.h"
#include "headless/cli/Preview.h"
#include "headless/cli/TerminalDialog.h"
#include "headless/suites/MenuQueries.h"
#include "headless/svg/AtomicFile.h"
#include "headless/svg/SvgFile.h"

namespace headless::app {

namespace {

constexpr const char* kClipMenuGroup = "Objects";
constexpr const char* kClipMenuItem = "Zavik-Trimora2.5...";

bool SameStore(const PreferenceStore& a, const PreferenceStore& b) {
    return a.Integers() == b.Integers() && a.Booleans() == b.Booleans();
}

AIMenuItemHandle ClipMenuItem(const Application& app) {
    const MenuItemId item = FindMenuItem(app, kClipMenuGroup, kClipMenuItem);
    if (!item) throw CommandError(kExitRunFailed, "the module added no clip command to the menus");
    if (!MenuItemEnabled(app, item)) throw CommandError(kExitRunFailed, "the clip command is disabled");
    return MenuItemHandle(item);
}

std::unique_ptr<win32::DialogDriver> MakeDialogDriver(const ClipRequest& request) {
    if (request.dialog) return std::make_unique<TerminalDialogDriver>(STDIN_FILENO, std::cerr);
    return std::make_unique<ChoiceFlagsDriver>(request.choices);
}

void StorePreferences(const PreferenceStore& store, const ClipRequest& request, std::ostream& err) {
    try {
        SavePreferences(DefaultPreferencesPath(), store);
    } catch (const svg::FileWriteError& e) {
        if (!request.reporting.quiet) err << "trimora: warning: the options were not stored: " << e.what() << "\n";
    }
}

// The run's products, each written whole.
struct PreviewSources {
    std::string before;
    std::string outline;
};

void WriteResults(const ClipRequest& request, HostSession& session, const PreviewSources& preview) {
    Application& app = session.App();
    svg::WriteSvgFile(*app.CurrentDocument(), request.output);
    if (!request.record.empty()) {
        if (app.actions.recorded.empty() || app.actions.registered.empty())
            throw CommandError(kExitRunFailed, "the module recorded no action");
        const std::string json = ActionToJson(app.actions.recorded.back(), app.actions.registered.front().parameters);
        svg::WriteFileAtomically(request.record, json);
    }
    if (!request.preview.empty()) {
        const Document& document = *app.CurrentDocument();
        WritePreview(preview.before, svg::WriteSvgText(document), preview.outline, document.page.width,
                     document.page.height, request.preview);
    }
}

}  // namespace

void CheckOutputIsNotInput(const std::string& input, const std::string& output, bool inPlace) {
    std::error_code error;
    if (!inPlace && std::filesystem::equivalent(input, output, error))
        throw CommandError(kExitBadInput, output + ": the output is the input file (--in-place allows it)");
}

int RunClip(const ClipRequest& request, std::ostream& out, std::ostream& err) {
    CheckOutputIsNotInput(request.input, request.output, request.inPlace);
    if (request.dialog && !(isatty(STDIN_FILENO) && isatty(STDERR_FILENO)))
        throw CommandError(kExitBadInput, "--dialog: the dialog needs a terminal on standard input and error");

    const InterruptGuard interrupts;
    HostSession session(request.reporting, out, err);
    PhaseTimes phases(request.timings ? &err : nullptr);
    phases.Begin("read");
    Application& app = session.App();
    Document& document = app.NewDocument();
    const RegionInDocument region = ReadWithRegion(request.input, request.region, document);
    PreviewSources preview;
    if (!request.preview.empty())
        preview = {svg::WriteSvgText(document), RegionOutlineSvg(request.input, request.region)};

    const std::string warnings = LoadPreferences(DefaultPreferencesPath(), app.preferences);
    if (!warnings.empty() && !request.reporting.quiet) err << "trimora: warning: " << warnings;
    const PreferenceStore loaded = app.preferences;

    phases.Begin("run");
    session.StartModule();
    const AIMenuItemHandle item = ClipMenuItem(app);
    const std::unique_ptr<win32::DialogDriver> driver = MakeDialogDriver(request);
    const win32::ScopedDialogDriver scope(*driver);
    app.actions.recording = !request.record.empty();

    session.BeginMessage();
    const AIErr result = session.Module().MenuGo(item);
    const RunOutcome outcome = session.Outcome(result, true);
    if (outcome.exitCode == kExitCancelled) {
        err << "trimora: cancelled; nothing written\n";
        return outcome.exitCode;
    }
    if (!SameStore(app.preferences, loaded)) StorePreferences(app.preferences, request, err);
    // A refusal has been shown as the module raised it.
    if (outcome.exitCode == kExitRefused) return outcome.exitCode;
    if (outcome.exitCode != kExitDone) {
        err << "trimora: " << request.input << ": " << outcome.message << "; nothing written\n";
        return outcome.exitCode;
    }
    phases.Begin("write");
    DropAddedRegionLayer(document, region);
    WriteResults(request, session, preview);
    return kExitDone;
}

}  // namespace headless::app
