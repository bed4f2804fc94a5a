// posix_spawnp with the caller's environment amended as asked, and the output streams sent to files when asked.
#include "tests/render/Process.h"

#include <fcntl.h>
#include <spawn.h>

#include <string_view>

extern char** environ;

namespace trimora::test {

namespace {

std::string_view NameOf(std::string_view entry) {
    return entry.substr(0, entry.find('='));
}

std::vector<char*> Environment(const std::vector<std::string>& replacements) {
    std::vector<char*> envp;
    for (char** e = environ; *e; ++e) {
        bool replaced = false;
        for (const std::string& r : replacements)
            replaced = replaced || NameOf(*e) == NameOf(r);
        if (!replaced) envp.push_back(*e);
    }
    for (const std::string& r : replacements)
        envp.push_back(const_cast<char*>(r.c_str()));
    envp.push_back(nullptr);
    return envp;
}

}  // namespace

pid_t StartProgram(std::vector<std::string> args, const ProgramIo& io) {
    if (args.empty()) return -1;
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    constexpr int kCreate = O_WRONLY | O_CREAT | O_TRUNC;
    if (!io.outputFile.empty()) {
        posix_spawn_file_actions_addopen(&actions, 1, io.outputFile.c_str(), kCreate, 0644);
        if (io.errorFile.empty()) posix_spawn_file_actions_adddup2(&actions, 1, 2);
    }
    if (!io.errorFile.empty()) posix_spawn_file_actions_addopen(&actions, 2, io.errorFile.c_str(), kCreate, 0644);
    std::vector<char*> envp = Environment(io.environment);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

}  // namespace trimora::test
