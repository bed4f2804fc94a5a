// Rendering through rsvg-convert (a child process, no shell) and comparing RGBA pixels.
#include "tests/render/ImageCompare.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "headless/svg/PngCodec.h"
#include "tests/render/Process.h"

namespace trimora::test {

namespace {

headless::svg::PixelImage LoadRgba(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    headless::svg::PixelImage image = headless::svg::DecodePng(bytes);
    if (image.channels == 4) return image;
    headless::svg::PixelImage rgba{image.width, image.height, 4, {}};
    for (size_t i = 0; i < image.pixels.size(); i += 3) {
        rgba.pixels.insert(rgba.pixels.end(), {image.pixels[i], image.pixels[i + 1], image.pixels[i + 2], 255});
    }
    return rgba;
}

}  // namespace

std::string RenderSvg(const std::string& svg, const std::string& png) {
    const pid_t pid = StartProgram({"rsvg-convert", "--format=png", "--output=" + png, svg});
    if (pid < 0) return "cannot start rsvg-convert";
    int status = 0;
    if (waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "rsvg-convert failed on " + svg;
    return {};
}

ImageDifference ComparePngFiles(const std::string& first, const std::string& second, int tolerance) {
    ImageDifference result;
    try {
        const headless::svg::PixelImage a = LoadRgba(first), b = LoadRgba(second);
        result.width = a.width;
        result.height = a.height;
        result.sameSize = a.width == b.width && a.height == b.height;
        if (!result.sameSize) return result;
        // Colours are compared as drawn, weighted by their coverage: the colour of a pixel the shape hardly
        // touches is the renderer's rounding, not what anyone sees.
        auto drawn = [](const std::uint8_t* px, size_t c) { return c == 3 ? px[3] : (px[c] * px[3] + 127) / 255; };
        for (size_t i = 0; i < a.pixels.size(); i += 4) {
            int worst = 0;
            for (size_t c = 0; c < 4; ++c)
                worst = std::max(worst, std::abs(drawn(&a.pixels[i], c) - drawn(&b.pixels[i], c)));
            result.maxChannelDelta = std::max(result.maxChannelDelta, worst);
            if (worst > tolerance) ++result.differingPixels;
        }
    } catch (const std::exception& e) {
        result.error = e.what();
    }
    return result;
}

ImageDifference CompareRenderings(const std::string& firstSvg, const std::string& secondSvg,
                                  const std::string& workDirectory, int tolerance) {
    const std::filesystem::path dir(workDirectory);
    const std::string firstPng = (dir / (std::filesystem::path(firstSvg).stem().string() + ".first.png")).string();
    const std::string secondPng = (dir / (std::filesystem::path(secondSvg).stem().string() + ".second.png")).string();
    ImageDifference result;
    if (std::string error = RenderSvg(firstSvg, firstPng); !error.empty()) {
        result.error = error;
        return result;
    }
    if (std::string error = RenderSvg(secondSvg, secondPng); !error.empty()) {
        result.error = error;
        return result;
    }
    return ComparePngFiles(firstPng, secondPng, tolerance);
}

}  // namespace trimora::test
