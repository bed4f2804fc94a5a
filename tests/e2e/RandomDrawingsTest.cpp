// Seeded random drawings of overlapping filled shapes against a random convex region, both passes: what the
// result paints must be what the input paints on the kept side, sample by sample.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "headless/svg/SvgFile.h"
#include "tests/e2e/ClipSession.h"
#include "tests/e2e/Coverage.h"

namespace trimora::e2e {
namespace {

constexpr int kPage = 200;

std::string RandomDrawing(std::mt19937& rng) {
    std::uniform_real_distribution<double> at(10, kPage - 10), size(15, 90), unit(0, 1);
    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kPage << "\" height=\"" << kPage << "\">\n<g>\n";
    for (int i = 0; i < 6; ++i) {
        const double x = at(rng), y = at(rng), w = size(rng), h = size(rng);
        if (unit(rng) < 0.5) {
            svg << "<rect x=\"" << x - w / 2 << "\" y=\"" << y - h / 2 << "\" width=\"" << w << "\" height=\"" << h
                << "\"";
        } else {
            svg << "<ellipse cx=\"" << x << "\" cy=\"" << y << "\" rx=\"" << w / 2 << "\" ry=\"" << h / 2 << "\"";
        }
        svg << " fill=\"#" << std::hex << ((rng() & 0xffffff) | 0x101010) << std::dec << "\"/>\n";
    }
    svg << "</g>\n<g>\n";
    // A convex region: points on an ellipse at increasing angles.
    const double cx = at(rng), cy = at(rng), rx = size(rng), ry = size(rng);
    svg << "<path id=\"region\" fill=\"none\" stroke=\"#000\" d=\"M";
    for (double a = unit(rng); a < 6.2; a += 0.4 + unit(rng))
        svg << " " << cx + rx * std::cos(a) << " " << cy + ry * std::sin(a);
    svg << " Z\"/>\n</g>\n</svg>\n";
    return svg.str();
}

TEST(RandomDrawings, TheKeptSidePaintsWhatTheInputPaintedThere) {
    const std::filesystem::path dir = std::filesystem::path(TRIMORA_BINARY_DIR) / "e2e-output" / "random";
    std::filesystem::create_directories(dir);
    const auto samples = PageSamples(kPage, kPage, 4);
    for (unsigned seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 rng(seed);
        const std::string file = (dir / ("seed-" + std::to_string(seed) + ".svg")).string();
        std::ofstream(file) << RandomDrawing(rng);
        headless::Document before;
        headless::svg::ReadSvgFile(file, before);
        const headless::ArtId region = ArtNamed(before, "region").front();
        // What the input paints and where the region lies, asked once for both passes.
        std::vector<bool> painted, inside;
        for (AIRealPoint p : samples) {
            painted.push_back(FillPaints(before, p));
            inside.push_back(Inside(before, region, p));
        }
        for (ASInt32 clipType : {0, 1}) {
            ClipSession session(file, "region");
            ClipOptions options;
            options.ClipType = clipType;
            ASSERT_EQ(session.Clip(options, seed % 2 ? Start::kMenu : Start::kAction), kNoErr);
            long wrong = 0;
            for (std::size_t i = 0; i < samples.size(); ++i) {
                const bool expected = painted[i] && inside[i] == (clipType == 0);
                if (FillPaints(session.doc, samples[i]) != expected) ++wrong;
            }
            EXPECT_LE(wrong, kEdgeSamples) << "pass " << clipType << ", " << file;
        }
    }
}

}  // namespace
}  // namespace trimora::e2e
