// Starting another program, as the render comparison, the corpus check and the command's tests do: no shell,
// arguments as given.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace trimora::test {

// Where a started program's output goes, and what its environment holds besides the caller's.
struct ProgramIo {
    std::string outputFile{};                // standard output, and standard error unless errorFile is named
    std::string errorFile{};                 // standard error alone
    std::vector<std::string> environment{};  // NAME=value entries; each replaces the caller's entry of that name
};

// Starts args[0] (looked up on PATH unless it names a file) with `args`. Returns the process id, or -1 when it
// cannot be started.
pid_t StartProgram(std::vector<std::string> args, const ProgramIo& io = {});

}  // namespace trimora::test
