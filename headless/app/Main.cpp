// The `trimora` command: subcommands over SVG files.
#include <CLI/CLI.hpp>

#include <iostream>

#include "headless/app/InfoReport.h"
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

    CLI11_PARSE(app, argc, argv);
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
    }
    return 0;
}
