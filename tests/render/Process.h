// Starting another program, as the render comparison and the corpus check do: no shell, arguments as given.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace trimora::test {

// Starts args[0] (looked up on PATH unless it names a file) with `args`; its standard output and error go to
// `outputFile` when one is named. Returns the process id, or -1 when it cannot be started.
pid_t StartProgram(std::vector<std::string> args, const std::string& outputFile = {});

}  // namespace trimora::test
