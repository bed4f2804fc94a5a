// How long each phase of a command took (reading, running the module, writing), printed on standard error when the
// user asks with --timings, so that a whole run can be told apart from its file input and output.
#pragma once

#include <chrono>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace headless::app {

class PhaseTimes {
public:
    // Prints nothing unless `out` is given.
    explicit PhaseTimes(std::ostream* out) : out_(out) {}
    // Prints the phases that ran, also when the command ends early.
    ~PhaseTimes();
    PhaseTimes(const PhaseTimes&) = delete;
    PhaseTimes& operator=(const PhaseTimes&) = delete;

    // Ends the phase under way, if any, and starts `phase`.
    void Begin(std::string phase);
    // One line: "trimora: timings: read 0.0123 s, run 0.0456 s, write 0.0078 s".
    std::string Line() const;

private:
    void EndPhase();

    std::ostream* out_;
    std::string current_;
    std::chrono::steady_clock::time_point start_;
    std::vector<std::pair<std::string, double>> phases_;
};

}  // namespace headless::app
