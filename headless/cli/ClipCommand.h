// `trimora clip`: a person at the menu. The file is read with its region selected, the module started, the menu
// command sent with the options dialog played by the flags (or by the user on the terminal), and the clipped
// document written whole, only when the run finished.
#pragma once

#include <iosfwd>
#include <string>

#include "headless/cli/ChoiceFlags.h"
#include "headless/cli/HostSession.h"
#include "headless/cli/RegionDocument.h"

namespace headless::app {

struct ClipRequest {
    std::string input;
    std::string output;
    bool inPlace = false;  // the output may be the input file
    RegionChoice region;
    ClipChoices choices;
    bool dialog = false;  // the options dialog on the terminal instead of the flags
    std::string preview;  // PNG file, or empty
    std::string record;   // JSON file for the recorded action, or empty
    Reporting reporting;
    bool timings = false;  // each phase's time on standard error
};

// Returns the exit code; every message has been printed.
int RunClip(const ClipRequest& request, std::ostream& out, std::ostream& err);

// Refuses an output that is the input file unless `inPlace`; throws CommandError.
void CheckOutputIsNotInput(const std::string& input, const std::string& output, bool inPlace);

}  // namespace headless::app
