// `trimora play`: the host plays a recorded step back over many files, as an action would: no dialog, the
// recorded options, the preferences untouched. Each file is its own document; a failing file does not stop the
// others, and each result is written whole into the output folder under the input's name.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "headless/cli/HostSession.h"
#include "headless/cli/RegionDocument.h"

namespace headless::app {

struct PlayRequest {
    std::string action;  // the JSON file `clip --record` wrote
    std::vector<std::string> inputs;
    std::string outputDirectory;
    bool inPlace = false;
    RegionChoice region;
    Reporting reporting;
};

// One line a file on `out`, then a summary; returns 0 when every file was done, else the exit code of the first
// file that was not (130 at once on Ctrl-C, the files not yet begun left alone).
int RunPlay(const PlayRequest& request, std::ostream& out, std::ostream& err);

}  // namespace headless::app
