// Reads and writes the shared synthetic documents and prints the time of each step and the peak memory.
// Usage: bench_svg [folder or files...]; by default the 1k and 10k circle documents of the shared folder.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "headless/svg/SvgError.h"
#include "headless/svg/SvgFile.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

}  // namespace

int main(int argc, char** argv) {
    // The benchmark documents' folder, or files to read; by default the shared folder beside the repository.
    std::vector<std::string> files(argv + 1, argv + argc);
    if (files.empty()) files = {TRIMORA_BENCH_DATA};
    if (files.size() == 1 && std::filesystem::is_directory(files[0])) {
        const std::string data = files[0];
        files = {data + "/synth-1k-circle.svg", data + "/synth-10k-circle.svg"};
    }
    const std::filesystem::path output = std::filesystem::temp_directory_path() / "trimora-svg-bench.svg";
    try {
        for (const std::string& file : files) {
            // Best of three, so that a busy machine does not decide the figure.
            double bestRead = 1e9, bestWrite = 1e9;
            size_t objects = 0;
            for (int run = 0; run < 3; ++run) {
                headless::Document document;
                auto start = std::chrono::steady_clock::now();
                headless::svg::ReadSvgFile(file, document);
                bestRead = std::min(bestRead, Seconds(start));
                objects = document.ArtCount();
                start = std::chrono::steady_clock::now();
                headless::svg::WriteSvgFile(document, output.string());
                bestWrite = std::min(bestWrite, Seconds(start));
            }
            std::printf("%s: %zu objects, read %.4f s, write %.4f s, together %.4f s\n",
                        std::filesystem::path(file).filename().c_str(), objects, bestRead, bestWrite,
                        bestRead + bestWrite);
        }
    } catch (const headless::svg::SvgError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::filesystem::remove(output);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
