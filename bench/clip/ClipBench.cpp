// Whole runs of the built `trimora` command, as a user runs it, on the synthetic benchmark documents: `clip`
// outside and inside, and `convert` (reading and writing alone) as the floor. For each: the best wall time of a
// few runs, the command's own phase times from that run, the child's peak memory against the file's size, and the
// paths and segments written against those read. Then the ratios the whole run is held to, beside paper.js's and
// Skia's bare intersection loops on the same documents from the same run when node is installed.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/clip/ChildRun.h"
#include "bench/peers/PeerEngines.h"
#include "headless/document/Document.h"
#include "headless/svg/SvgFile.h"

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kDocuments = {"synth-1k-circle", "synth-1k-star",          "synth-10k-circle",
                                             "synth-10k-star",  "synth-cross-10k-circle", "synth-cross-10k-star"};
// The documents whose targets name another engine.
const std::vector<std::string> kPeerDocuments = {"synth-10k-circle", "synth-cross-10k-circle", "synth-cross-10k-star"};

struct Tally {
    std::size_t paths = 0, segments = 0;
};

// Paths and their segments, the region left out (the clip does not keep it).
Tally CountPathsHere(const std::string& file) {
    headless::Document document;
    headless::svg::ReadSvgFile(file, document);
    Tally t;
    for (int layer = 0; layer < document.CountLayers(); ++layer) {
        std::vector<headless::ArtId> art;
        if (document.ListLayerArt(document.NthLayer(layer), &art) != kNoErr) continue;
        for (const headless::ArtId id : art) {
            const headless::Art& a = *document.Find(id);
            if (a.type != kPathArt || a.carried.id == "region") continue;
            ++t.paths;
            t.segments += a.segments.size();
        }
    }
    return t;
}

// Counted in a child process of its own: Linux hands a spawned command the spawner's peak memory as the start of
// its own, so the bench must never hold a document itself, or every later figure would be at least that large.
Tally CountPaths(const std::string& file) {
    int ends[2];
    if (pipe(ends) != 0) throw std::runtime_error("pipe failed");
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        close(ends[0]);
        Tally t;
        try {
            t = CountPathsHere(file);
        } catch (...) {
            _exit(1);
        }
        _exit(write(ends[1], &t, sizeof t) == static_cast<ssize_t>(sizeof t) ? 0 : 1);
    }
    close(ends[1]);
    Tally t;
    const bool got = read(ends[0], &t, sizeof t) == static_cast<ssize_t>(sizeof t);
    close(ends[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!got || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(file + ": the paths could not be counted");
    return t;
}

struct Row {
    std::string mode;
    clipbench::ChildRun best;  // the fastest run
    long peakKilobytes = 0;
    Tally output;
    bool ok() const { return best.exitCode == 0; }
};

Row Measure(const std::string& mode, const std::vector<std::string>& argv, const std::string& output, int runs) {
    Row row{mode, {}, 0, {}};
    for (int run = 0; run < runs; ++run) {
        clipbench::ChildRun r = clipbench::RunChild(argv);
        row.peakKilobytes = std::max(row.peakKilobytes, r.peakKilobytes);
        if (run == 0 || (r.exitCode == 0 && r.wallSeconds < row.best.wallSeconds)) row.best = std::move(r);
        if (row.best.exitCode != 0) break;  // a refusal does not get faster
    }
    if (row.ok()) row.output = CountPaths(output);
    fs::remove(output);
    return row;
}

std::string Phase(const clipbench::ChildRun& run, const std::string& name) {
    for (const auto& [phase, seconds] : clipbench::ParsePhaseTimes(run.errorText)) {
        if (phase != name) continue;
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", seconds);
        return text;
    }
    return "-";
}

void PrintRow(const std::string& document, const Row& row, const Tally& input, std::uintmax_t fileBytes) {
    std::printf("%-22s %-8s %7.3f %7s %7s %7s %8.1f %6.1fx", document.c_str(), row.mode.c_str(), row.best.wallSeconds,
                Phase(row.best, "read").c_str(), Phase(row.best, "run").c_str(), Phase(row.best, "write").c_str(),
                double(row.peakKilobytes) / 1024.0, double(row.peakKilobytes) * 1024.0 / double(fileBytes));
    if (row.ok())
        std::printf("  %6zu -> %-6zu %7zu -> %-7zu (%.2f per path, input %.2f)\n", input.paths, row.output.paths,
                    input.segments, row.output.segments,
                    row.output.paths ? double(row.output.segments) / double(row.output.paths) : 0.0,
                    input.paths ? double(input.segments) / double(input.paths) : 0.0);
    else
        std::printf("  exit %d: %s\n", row.best.exitCode, clipbench::FirstMessage(row.best.errorText).c_str());
}

struct DocumentRuns {
    std::map<std::string, Row> rows;  // by mode
    std::uintmax_t fileBytes = 0;
    std::vector<peers::PeerFigure> peers;
    const Row* Find(const std::string& mode) const {
        const auto it = rows.find(mode);
        return it != rows.end() && it->second.ok() ? &it->second : nullptr;
    }
};

// One target: the measured figure, what it must be at most (or at least), and whether it holds.
void PrintTarget(const std::string& what, std::optional<double> measured, double bound, bool atMost) {
    if (!measured) {
        std::printf("  %-62s %8s (target %s %.1f)  not measured\n", what.c_str(), "-", atMost ? "<=" : ">=", bound);
        return;
    }
    const bool met = atMost ? *measured <= bound : *measured >= bound;
    std::printf("  %-62s %8.2f (target %s %.1f)  %s\n", what.c_str(), *measured, atMost ? "<=" : ">=", bound,
                met ? "met" : "MISSED");
}

std::optional<double> WallRatio(const DocumentRuns* a, const std::string& modeA, const DocumentRuns* b,
                                const std::string& modeB) {
    if (!a || !b) return std::nullopt;
    const Row* x = a->Find(modeA);
    const Row* y = b->Find(modeB);
    if (!x || !y || y->best.wallSeconds <= 0) return std::nullopt;
    return x->best.wallSeconds / y->best.wallSeconds;
}

void PrintTargets(const std::map<std::string, DocumentRuns>& all) {
    auto doc = [&all](const std::string& name) -> const DocumentRuns* {
        const auto it = all.find(name);
        return it == all.end() ? nullptr : &it->second;
    };
    std::printf("targets (ratios of wall times from this run)\n");
    const DocumentRuns* circle = doc("synth-10k-circle");
    PrintTarget("synth-10k-circle: clip outside / convert", WallRatio(circle, "outside", circle, "convert"), 2.5, true);
    std::optional<double> paper;
    if (circle && circle->Find("outside"))
        if (const auto peer = peers::FindPeer(circle->peers, "paper"))
            paper = peer->seconds / circle->Find("outside")->best.wallSeconds;
    PrintTarget("synth-10k-circle: paper.js bare loop / clip outside", paper, 7.0, false);
    for (const std::string name : {"synth-cross-10k-circle", "synth-cross-10k-star"}) {
        const DocumentRuns* cross = doc(name);
        for (const std::string mode : {"outside", "inside"}) {
            std::optional<double> skia;
            if (cross && cross->Find(mode))
                if (const auto peer = peers::FindPeer(cross->peers, "skia"))
                    skia = cross->Find(mode)->best.wallSeconds / peer->seconds;
            PrintTarget(name + ": clip " + mode + " / Skia bare loop", skia, 1.0, true);
        }
    }
    for (const std::string shape : {"circle", "star"})
        for (const std::string mode : {"outside", "inside"})
            PrintTarget("synth-10k-" + shape + " / synth-1k-" + shape + ": clip " + mode,
                        WallRatio(doc("synth-10k-" + shape), mode, doc("synth-1k-" + shape), mode), 11.0, true);
    for (const auto& [name, runs] : all) {
        if (name.find("10k") == std::string::npos) continue;
        double worst = 0;
        for (const auto& [mode, row] : runs.rows)
            if (mode != "convert" && row.ok())
                worst = std::max(worst, double(row.peakKilobytes) * 1024.0 / double(runs.fileBytes));
        PrintTarget(name + ": peak memory of clip / file size", worst > 0 ? std::optional(worst) : std::nullopt, 8.0,
                    true);
    }
}

int Usage() {
    std::fprintf(stderr, "usage: bench_clip BENCH-DATA-DIR [--only DOCUMENT] [--runs N] [--no-peers]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') return Usage();
    const std::string dir = argv[1];
    std::vector<std::string> names = kDocuments;
    int runs = 3;
    bool withPeers = true;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc)
            names = {argv[++i]};
        else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--no-peers") == 0)
            withPeers = false;
        else
            return Usage();
    }
    try {
        // The runs keep their options away from the user's own, and their outputs in a folder of their own.
        const fs::path work = fs::temp_directory_path() / ("trimora-bench-clip-" + std::to_string(getpid()));
        fs::create_directories(work);
        setenv("XDG_CONFIG_HOME", work.c_str(), 1);
        const std::string output = (work / "out.svg").string();

        std::printf("%-22s %-8s %7s %7s %7s %7s %8s %7s  %-16s %s\n", "document", "mode", "wall s", "read", "run",
                    "write", "peak MB", "/file", "paths in -> out", "segments in -> out");
        std::map<std::string, DocumentRuns> all;
        for (const std::string& name : names) {
            const std::string file = dir + "/" + name + ".svg";
            DocumentRuns& runsOf = all[name];
            runsOf.fileBytes = fs::file_size(file);
            const Tally input = CountPaths(file);
            const std::vector<std::string> convert = {TRIMORA_COMMAND, "convert", "--timings", file, output};
            runsOf.rows["convert"] = Measure("convert", convert, output, runs);
            PrintRow(name, runsOf.rows["convert"], input, runsOf.fileBytes);
            for (const std::string mode : {"outside", "inside"}) {
                const std::vector<std::string> clip = {
                    TRIMORA_COMMAND,    "clip",    file,       "-o", output, "--region", "region", "--" + mode,
                    "--no-keep-region", "--quiet", "--timings"};
                runsOf.rows[mode] = Measure(mode, clip, output, runs);
                PrintRow(name, runsOf.rows[mode], input, runsOf.fileBytes);
            }
            if (withPeers && std::find(kPeerDocuments.begin(), kPeerDocuments.end(), name) != kPeerDocuments.end()) {
                runsOf.peers = peers::RunPeers(file);
                for (const peers::PeerFigure& peer : runsOf.peers)
                    std::printf("  peer: %s\n", peer.line.c_str());
            }
        }
        PrintTargets(all);
        fs::remove_all(work);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_clip: %s\n", e.what());
        return 1;
    }
    return 0;
}
