// The `trimora` command: subcommands over SVG files.
#include <unistd.h>
#include <CLI/CLI.hpp>

#include <exception>
#include <filesystem>
#include <iostream>
#include <utility>

#include "headless/cli/ClipCommand.h"
#include "headless/cli/InfoReport.h"
#include "headless/cli/InstalledFiles.h"
#include "headless/cli/PhaseTimes.h"
#include "headless/cli/PlayCommand.h"
#include "headless/svg/SvgError.h"
#include "headless/svg/SvgFile.h"

namespace {

using headless::app::ClipRequest;
using headless::app::CommandError;
using headless::app::PlayRequest;
using headless::app::RegionChoice;
using headless::app::Reporting;

// A choice with its --no- form; given neither way it stays unset and the stored preference applies.
void AddChoice(CLI::App* command, const std::string& name, std::optional<bool>& choice, const std::string& what) {
    command->add_flag_function(
        "--" + name + ",!--no-" + name, [&choice](std::int64_t count) { choice = count > 0; }, what);
}

void AddRegion(CLI::App* command, RegionChoice& region) {
    CLI::Option* id = command->add_option("--region", region.id, "SVG id of the closed path to clip against");
    CLI::Option* data = command->add_option("--region-path", region.pathData,
                                            "path data in the file's user units, for a region the file lacks");
    id->excludes(data);
}

void AddReporting(CLI::App* command, bool& progress, bool& quiet) {
    command->add_flag("--progress", progress, "draw the progress bar even when standard error is no terminal");
    command->add_flag("-q,--quiet", quiet, "print nothing but errors");
}

Reporting MakeReporting(bool progress, bool quiet) {
    return {quiet, progress || isatty(STDERR_FILENO), true};
}

void RequireRegion(const RegionChoice& region) {
    if (region.id.empty() && region.pathData.empty())
        throw CommandError(headless::app::kExitBadInput, "give the region with --region ID or --region-path DATA");
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Zavik-Trimora: clips vector artwork against a region"};
    app.name("trimora");
    app.require_subcommand(1);
    app.add_flag_callback(
        "--version",
        [] {
            std::cout << "Zavik-Trimora " << headless::app::ModuleVersion() << "\n";
            throw CLI::Success();
        },
        "print the module's version");

    std::string infoFile;
    std::vector<std::string> select;
    CLI::App* info = app.add_subcommand("info", "print the document as the host sees it");
    info->add_option("file", infoFile, "SVG file")->required();
    info->add_option("--select", select, "ids of objects to select");

    std::string input, output;
    CLI::App* convert = app.add_subcommand("convert", "read an SVG file and write it back");
    convert->add_option("input", input, "SVG file to read")->required();
    convert->add_option("output", output, "SVG file to write")->required();
    bool convertTimings = false;
    convert->add_flag("--timings", convertTimings, "print the time of reading and of writing on standard error");

    ClipRequest clipRequest;
    bool clipProgress = false, clipQuiet = false;
    CLI::App* clip = app.add_subcommand("clip", "clip a drawing against a region, as the menu command does");
    clip->add_option("input", clipRequest.input, "SVG file to clip")->required();
    clip->add_option("-o,--output", clipRequest.output, "SVG file to write the result to")->required();
    clip->add_flag("--in-place", clipRequest.inPlace, "allow the output to be the input file");
    AddRegion(clip, clipRequest.region);
    CLI::Option* outside = clip->add_flag_function(
        "--outside,!--no-outside", [&clipRequest](std::int64_t n) { clipRequest.choices.inside = n < 0; },
        "remove everything outside the region (外側削除)");
    CLI::Option* inside = clip->add_flag_function(
        "--inside,!--no-inside", [&clipRequest](std::int64_t n) { clipRequest.choices.inside = n > 0; },
        "remove everything inside the region (内側削除)");
    outside->excludes(inside);
    AddChoice(clip, "delete-empty-layers", clipRequest.choices.deleteEmptyLayers, "delete layers left empty");
    AddChoice(clip, "delete-crossing-text", clipRequest.choices.deleteCrossingText,
              "delete text and symbols lying across the region's outline");
    AddChoice(clip, "show-progress", clipRequest.choices.showProgress, "redraw after each layer");
    AddChoice(clip, "keep-region", clipRequest.choices.keepRegion, "keep the region's path in the drawing");
    clip->add_flag("--dialog", clipRequest.dialog, "show the options dialog on the terminal instead of the flags");
    clip->add_option("--preview", clipRequest.preview, "PNG file: before and after, side by side");
    clip->add_option("--record", clipRequest.record, "JSON file: the action recorded while the command runs");
    AddReporting(clip, clipProgress, clipQuiet);
    clip->add_flag("--timings", clipRequest.timings,
                   "print the time of reading, of the module's run and of writing on standard error");

    PlayRequest playRequest;
    bool playProgress = false, playQuiet = false;
    CLI::App* play = app.add_subcommand("play", "play a recorded action over many files");
    play->add_option("action", playRequest.action, "JSON file written by clip --record")->required();
    play->add_option("inputs", playRequest.inputs, "SVG files to clip")->required();
    play->add_option("-o,--output", playRequest.outputDirectory, "folder for the results")->required();
    play->add_flag("--in-place", playRequest.inPlace, "allow a result to replace its input file");
    AddRegion(play, playRequest.region);
    AddReporting(play, playProgress, playQuiet);

    if (argc == 1) {
        std::cout << app.help();
        return 0;
    }
    // CLI11 alone answers an unknown command with "a subcommand is required", which does not name it.
    if (argv[1][0] != '-') {
        const std::string first = argv[1];
        auto named = [&first](const CLI::App* sub) { return sub->check_name(first); };
        if (std::as_const(app).get_subcommands(named).empty()) {
            std::cerr << "trimora: unknown command '" << first << "'\nRun with --help for more information.\n";
            return 1;
        }
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "trimora: " << e.what() << "\nRun with --help for more information.\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "trimora: " << e.what() << "\n";
        return 3;
    }
    // The output replaces its file only once written, but a run that writes over its own input leaves nothing to
    // compare with or go back to; it is refused.
    std::error_code sameFile;
    if (*convert && std::filesystem::equivalent(input, output, sameFile)) {
        std::cerr << "trimora: " << output << ": the output is the input file\n";
        return 1;
    }
    try {
        headless::Document document;
        if (*info) {
            headless::svg::ReadSvgFile(infoFile, document, {select});
            headless::app::WriteInfoReport(document, std::cout);
        } else if (*convert) {
            headless::app::PhaseTimes phases(convertTimings ? &std::cerr : nullptr);
            phases.Begin("read");
            headless::svg::ReadSvgFile(input, document);
            phases.Begin("write");
            headless::svg::WriteSvgFile(document, output);
        } else if (*clip) {
            RequireRegion(clipRequest.region);
            clipRequest.reporting = MakeReporting(clipProgress, clipQuiet);
            return headless::app::RunClip(clipRequest, std::cout, std::cerr);
        } else if (*play) {
            RequireRegion(playRequest.region);
            playRequest.reporting = MakeReporting(playProgress, playQuiet);
            return headless::app::RunPlay(playRequest, std::cout, std::cerr);
        }
    } catch (const CommandError& e) {
        std::cerr << "trimora: " << e.what() << "\n";
        return e.ExitCode();
    } catch (const headless::svg::SvgError& e) {
        std::cerr << "trimora: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        // Anything else (memory exhausted, a file system failure) still ends with a message, not an abort.
        std::cerr << "trimora: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
