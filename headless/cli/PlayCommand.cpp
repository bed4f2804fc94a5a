// The recorded parameters go into a parameter value of the host's own, handed to the module with
// "Action Manager"/"Do Action" as the host hands a step of an action palette.
#include "headless/cli/PlayCommand.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "headless/cli/ActionFile.h"
#include "headless/cli/ClipCommand.h"
#include "headless/cli/Interrupt.h"
#include "headless/suites/HostEntry.h"
#include "headless/svg/SvgError.h"
#include "headless/svg/SvgFile.h"

namespace headless::app {

namespace {

namespace fs = std::filesystem;

RecordedActionEvent ReadAction(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::error_code error;
    if (fs::is_directory(file, error)) throw CommandError(kExitBadInput, file + ": is a directory, not an action");
    if (!in) throw CommandError(kExitBadInput, file + ": cannot open file");
    std::stringstream text;
    text << in.rdbuf();
    try {
        return ActionFromJson(text.str(), file);
    } catch (const ActionFileError& e) {
        throw CommandError(kExitBadInput, e.what());
    }
}

void CheckEventIsRegistered(const Application& app, const RecordedActionEvent& step, const std::string& file) {
    for (const RegisteredActionEvent& event : app.actions.registered)
        if (event.name == step.name) return;
    throw CommandError(kExitBadInput, file + ": the module has no action event \"" + step.name + "\"");
}

// Plays the step over one file; the outcome is the file's result.
RunOutcome PlayOne(HostSession& session, const PlayRequest& request, const RecordedActionEvent& step,
                   const std::string& input, const fs::path& output) {
    Application& app = session.App();
    Document& document = app.NewDocument();
    struct CloseAtEnd {
        Application& app;
        ~CloseAtEnd() { app.CloseDocument(); }
    } close{app};
    RegionInDocument region;
    try {
        CheckOutputIsNotInput(input, output.string(), request.inPlace);
        region = ReadWithRegion(input, request.region, document);
    } catch (const CommandError& e) {
        return {e.ExitCode(), e.what()};
    } catch (const svg::SvgError& e) {
        return {kExitBadInput, e.what()};
    }
    // From here on the messages are the module's and the host's, which do not name the file.
    const ParamValueId valueId = app.paramValues.Add(step.parameters);
    const auto value = AppHandleOf<AIActionParamValueRef>(HandleKind::kParamValue, valueId);
    session.BeginMessage();
    const AIErr result = session.Module().DoAction(kDialogNone, value);
    if (app.paramValues.Find(valueId)) app.paramValues.Remove(valueId);
    RunOutcome outcome = session.Outcome(result, false);
    if (outcome.exitCode != kExitDone) return {outcome.exitCode, input + ": " + outcome.message};
    DropAddedRegionLayer(document, region);
    try {
        svg::WriteSvgFile(document, output.string());
    } catch (const svg::SvgError& e) {
        return {kExitBadInput, e.what()};
    }
    return outcome;
}

}  // namespace

int RunPlay(const PlayRequest& request, std::ostream& out, std::ostream& err) {
    const RecordedActionEvent step = ReadAction(request.action);
    std::error_code error;
    fs::create_directories(request.outputDirectory, error);
    if (error || !fs::is_directory(request.outputDirectory))
        throw CommandError(kExitBadInput, request.outputDirectory + ": cannot be made a folder for the results");

    const InterruptGuard interrupts;
    Reporting reporting = request.reporting;
    reporting.echoAlerts = false;  // each file's line says what the module said
    HostSession session(reporting, out, err);
    session.StartModule();
    CheckEventIsRegistered(session.App(), step, request.action);

    int firstFailure = kExitDone;
    std::size_t done = 0;
    for (const std::string& input : request.inputs) {
        const fs::path output = fs::path(request.outputDirectory) / fs::path(input).filename();
        const RunOutcome outcome = PlayOne(session, request, step, input, output);
        if (outcome.exitCode == kExitDone) {
            ++done;
            if (!request.reporting.quiet) out << input << ": done, " << output.string() << std::endl;
        } else {
            err << "trimora: " << outcome.message << std::endl;
            if (firstFailure == kExitDone) firstFailure = outcome.exitCode;
        }
        if (outcome.exitCode == kExitCancelled) return kExitCancelled;
    }
    if (!request.reporting.quiet || done != request.inputs.size())
        out << done << " of " << request.inputs.size() << " files done" << std::endl;
    return firstFailure;
}

}  // namespace headless::app
