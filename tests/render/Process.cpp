// posix_spawnp with the caller's environment and, when asked, both output streams sent to one file.
#include "tests/render/Process.h"

#include <fcntl.h>
#include <spawn.h>

extern char** environ;

namespace trimora::test {

pid_t StartProgram(std::vector<std::string> args, const std::string& outputFile) {
    if (args.empty()) return -1;
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!outputFile.empty()) {
        posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
    }
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

}  // namespace trimora::test
