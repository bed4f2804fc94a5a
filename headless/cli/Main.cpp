// The `trimora` command: subcommands over SVG files.
#include <CLI/CLI.hpp>

#include <exception>
#include <filesystem>
#include <iostream>
#include <utility>

#include "headless/cli/InfoReport.h"
#include "headless/svg/SvgError.h"
#include "headless/svg/SvgFile.h"

int main(int argc, char** argv) {
    CLI::App app{"Zavik-Trimora: clips vector artwork against a region"};
    app.require_subcommand(1);

    std::string infoFile;
    std::vector<std::string> select;
    CLI::App* info = app.add_subcommand("info", "print the document as the host sees it");
    info->add_option("file", infoFile, "SVG file")->required();
    info->add_option("--select", select, "ids of objects to select");

    std::string input, output;
    CLI::App* convert = app.add_subcommand("convert", "read an SVG file and write it back");
    convert->add_option("input", input, "SVG file to read")->required();
    convert->add_option("output", output, "SVG file to write")->required();

    // CLI11 alone answers an unknown command with "a subcommand is required", which does not name it.
    if (argc > 1 && argv[1][0] != '-') {
        const std::string first = argv[1];
        auto named = [&first](const CLI::App* sub) { return sub->check_name(first); };
        if (std::as_const(app).get_subcommands(named).empty()) {
            std::cerr << "trimora: unknown command '" << first << "'\nRun with --help for more information.\n";
            return 2;
        }
    }
    CLI11_PARSE(app, argc, argv);
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
            headless::svg::ReadSvgFile(input, document);
            headless::svg::WriteSvgFile(document, output);
        }
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
