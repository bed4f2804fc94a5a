#include "bench/clip/ChildRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace clipbench {

namespace {

constexpr const char* kTimingsMark = "timings:";

struct SpawnActions {
    posix_spawn_file_actions_t actions;
    SpawnActions() { posix_spawn_file_actions_init(&actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
};

}  // namespace

ChildRun RunChild(const std::vector<std::string>& argv) {
    if (argv.empty()) throw std::runtime_error("no program to run");
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    SpawnActions spawn;
    posix_spawn_file_actions_addopen(&spawn.actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&spawn.actions, pipeEnds[1], STDERR_FILENO);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &spawn.actions, nullptr, args.data(), environ);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        throw std::runtime_error(argv[0] + ": " + std::strerror(spawned));
    }
    ChildRun run;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(pipeEnds[0], buffer, sizeof buffer);
        if (n > 0)
            run.errorText.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0)
        if (errno != EINTR) throw std::runtime_error(std::string("wait4: ") + std::strerror(errno));
    run.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKilobytes = usage.ru_maxrss;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

std::vector<std::pair<std::string, double>> ParsePhaseTimes(const std::string& errorText) {
    std::vector<std::pair<std::string, double>> phases;
    const std::size_t mark = errorText.rfind(kTimingsMark);
    if (mark == std::string::npos) return phases;
    const std::size_t end = errorText.find('\n', mark);
    std::string line = errorText.substr(mark + std::strlen(kTimingsMark), end - mark - std::strlen(kTimingsMark));
    for (char& c : line)
        if (c == ',') c = ' ';
    // "name seconds s", repeated.
    std::istringstream words(line);
    std::string name, unit;
    double seconds = 0;
    while (words >> name >> seconds >> unit && unit == "s")
        phases.emplace_back(name, seconds);
    return phases;
}

std::string FirstMessage(const std::string& errorText) {
    std::istringstream lines(errorText);
    std::string line;
    while (std::getline(lines, line))
        if (line.find(kTimingsMark) == std::string::npos && !line.empty()) return line;
    return {};
}

}  // namespace clipbench
