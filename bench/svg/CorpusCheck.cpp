// The round-trip check over a corpus of real drawings: each file is converted by `trimora convert` in a process of
// its own (so that a crash is counted, not suffered), both files are rendered with rsvg-convert and the pictures
// compared. Prints one line a file and last "N of M render the same, R refused, C crashed".
// Usage: svg_corpus_check TRIMORA WORK_DIRECTORY FILE...
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "tests/render/ImageCompare.h"
#include "tests/render/Process.h"

namespace {

constexpr auto kConvertTimeout = std::chrono::seconds(30);

enum class Outcome { kSame, kDiffers, kRefused, kCrashed, kUnrenderable };

struct Conversion {
    bool crashed = false;
    bool refused = false;
    std::string message;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs `trimora convert input output`, its messages going to `log`; a signal or a hang is a crash.
Conversion Convert(const std::string& trimora, const std::string& input, const std::string& output,
                   const std::string& log) {
    const pid_t pid = trimora::test::StartProgram({trimora, "convert", input, output}, {.outputFile = log});
    Conversion result;
    if (pid < 0) {
        result.crashed = true;
        result.message = "cannot start " + trimora;
        return result;
    }
    const auto deadline = std::chrono::steady_clock::now() + kConvertTimeout;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            result.crashed = true;
            result.message = "no answer within the time limit";
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (WIFSIGNALED(status)) {
        result.crashed = true;
        result.message = "killed by signal " + std::to_string(WTERMSIG(status));
    } else if (WEXITSTATUS(status) != 0) {
        // The command ends any failure with a message; an exit without one, or a sanitizer report, is a crash.
        const std::string messages = ReadAll(log);
        result.message = messages.substr(0, messages.find('\n'));
        const bool sanitizerReport =
            messages.find("Sanitizer") != std::string::npos || messages.find("runtime error:") != std::string::npos;
        result.refused = WEXITSTATUS(status) == 1 && !sanitizerReport;
        result.crashed = !result.refused;
    }
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: svg_corpus_check TRIMORA WORK_DIRECTORY FILE...\n");
        return 2;
    }
    const std::string trimora = argv[1];
    const std::filesystem::path work = argv[2];
    std::filesystem::create_directories(work);
    int same = 0, total = 0, refused = 0, crashed = 0, unrenderable = 0;
    for (int i = 3; i < argc; ++i) {
        const std::string input = argv[i];
        const std::string stem = "f" + std::to_string(i);
        const std::string output = (work / (stem + ".svg")).string();
        const std::string reference = (work / (stem + ".in.png")).string();
        // A file the renderer itself cannot draw says nothing about the round trip: it is left out of the count.
        if (!trimora::test::RenderSvg(input, reference).empty()) {
            ++unrenderable;
            std::printf("left out (rsvg-convert cannot render it): %s\n", input.c_str());
            continue;
        }
        ++total;
        const Conversion conversion = Convert(trimora, input, output, (work / (stem + ".log")).string());
        if (conversion.crashed || conversion.refused) {
            ++(conversion.crashed ? crashed : refused);
            std::printf("%s: %s\n", conversion.crashed ? "CRASHED" : "refused", input.c_str());
            std::printf("    %s\n", conversion.message.c_str());
            continue;
        }
        const std::string rendered = (work / (stem + ".out.png")).string();
        trimora::test::ImageDifference diff;
        if (std::string error = trimora::test::RenderSvg(output, rendered); !error.empty()) {
            diff.error = error;
        } else {
            diff = trimora::test::ComparePngFiles(reference, rendered, trimora::test::kRoundTripTolerance);
        }
        if (diff.error.empty() && diff.sameSize && diff.differingPixels == 0) {
            ++same;
            std::printf("same: %s\n", input.c_str());
            std::filesystem::remove(output);
            continue;
        }
        std::printf("DIFFERS: %s -> %s", input.c_str(), output.c_str());
        if (!diff.error.empty())
            std::printf(" (%s)\n", diff.error.c_str());
        else if (!diff.sameSize)
            std::printf(" (picture size changed)\n");
        else
            std::printf(" (%ld pixels, largest channel difference %d)\n", diff.differingPixels, diff.maxChannelDelta);
    }
    if (unrenderable > 0) std::printf("%d files left out: rsvg-convert cannot render them\n", unrenderable);
    std::printf("%d of %d render the same, %d refused, %d crashed\n", same, total, refused, crashed);
    return 0;
}
