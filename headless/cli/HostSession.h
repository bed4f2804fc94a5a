// The host as the command runs it: one application with the module loaded from its file and started, what the
// module shows the user reported on the terminal, and Ctrl-C answered through the progress display's cancel.
#pragma once

#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "headless/cli/ProgressBar.h"
#include "headless/loader/ModuleHost.h"
#include "headless/model/Application.h"

namespace headless::app {

// Exit codes a script can trust.
enum ExitCode : int {
    kExitDone = 0,
    kExitBadInput = 1,
    kExitRefused = 2,
    kExitRunFailed = 3,
    kExitCancelled = 130,
};

// What the command cannot start or go on with: the message says what and where.
class CommandError : public std::runtime_error {
public:
    CommandError(int exitCode, const std::string& message) : std::runtime_error(message), exitCode_(exitCode) {}
    int ExitCode() const { return exitCode_; }

private:
    int exitCode_;
};

struct Reporting {
    bool quiet = false;        // nothing but errors
    bool progressBar = false;  // drawn on standard error
    bool echoAlerts = true;    // alerts printed as the module raises them
};

// How one message sent to the module ended, as the user and a script see it.
struct RunOutcome {
    int exitCode = kExitDone;
    std::string message;  // empty for success; the refusal's alert, the failure's code, or the cancel
};

class HostSession {
public:
    HostSession(Reporting reporting, std::ostream& out, std::ostream& err);
    // Shuts the module down when it was started.
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    // Loads the module file and sends it start-up; throws CommandError (the run cannot happen).
    void StartModule();

    Application& App() { return app_; }
    ModuleHost& Module() { return module_; }

    // Notes where the alerts of the next message start.
    void BeginMessage();
    // Classifies the module's answer to a message: cancelled (Ctrl-C or 'STOP'), refused (an error alert), failed
    // (a non-zero code); otherwise done, when `needsCompletion` is false or the module said it finished.
    RunOutcome Outcome(AIErr result, bool needsCompletion);
    // Erases the progress bar, so that other output starts on a clean line.
    void EndProgress();

private:
    void ShowAlert(const Alert& alert);
    void ShowProgress();

    Reporting reporting_;
    std::ostream& out_;
    std::ostream& err_;
    Application app_;
    ModuleHost module_{app_};
    std::optional<ProgressBar> bar_;
    std::size_t firstAlert_ = 0;
    bool started_ = false;
};

}  // namespace headless::app
