// A command run as a user runs it: a child process, its wall time, its peak memory and what it printed on standard
// error, where `trimora --timings` leaves the time of each phase.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace clipbench {

struct ChildRun {
    int exitCode = -1;  // 128 + the signal when one ended it
    double wallSeconds = 0;
    long peakKilobytes = 0;  // the child's own high-water mark
    std::string errorText;   // its standard error; standard output is dropped
};

// Starts `argv` (argv[0] is the program file) and waits for it; throws std::runtime_error when it cannot start.
ChildRun RunChild(const std::vector<std::string>& argv);

// The phases of the command's "timings:" line, in order; empty when it printed none.
std::vector<std::pair<std::string, double>> ParsePhaseTimes(const std::string& errorText);

// The first line of `errorText` that is not the timings line, for a run that failed.
std::string FirstMessage(const std::string& errorText);

}  // namespace clipbench
