// Draws the two before-and-after pictures of the options dialog (bitmaps 103 and 104) into a folder:
//   draw_bitmaps <folder> [--png]   writes inside.bmp and outside.bmp, and with --png a PNG of each to look at.
#include <array>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string_view>

#include "plugin/resources/tools/IndexedImage.h"

namespace {

using trimora::tools::IndexedImage;
using trimora::tools::Palette;
using trimora::tools::Point;

enum Colour : std::uint8_t {
    kWhite,
    kBlack,
    kCyan,
    kDarkCyan,
    kGrey,
    kDarkGrey,
    kInk,
    kRed,
    kArrow,
    kDash,
};

constexpr Palette kPalette = {{
    {255, 255, 255},  // background
    {0, 0, 0},
    {64, 214, 240},   // star
    {0, 132, 168},    // star outline
    {176, 176, 176},  // square
    {112, 112, 112},  // square outline
    {40, 44, 72},     // curve
    {224, 32, 32},    // clip region
    {88, 88, 88},     // arrow
    {136, 136, 136},  // dashed outline of the removed or kept area
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
    {0, 0, 0},
}};

constexpr int kWidth = 170;
constexpr int kHeight = 52;
constexpr int kPanelWidth = 72;
constexpr int kPanelHeight = 48;
constexpr int kPanelTop = 2;
constexpr int kBeforeLeft = 2;
constexpr int kAfterLeft = 96;

// The clip region inside a panel, inclusive pixel bounds.
constexpr int kRegionLeft = 18;
constexpr int kRegionTop = 12;
constexpr int kRegionRight = 48;
constexpr int kRegionBottom = 38;

bool InsideRegion(int x, int y) {
    return x > kRegionLeft && x < kRegionRight && y > kRegionTop && y < kRegionBottom;
}

// Star, square and curve of one panel, without the region.
IndexedImage DrawArtwork() {
    IndexedImage art(kPanelWidth, kPanelHeight, kWhite);
    const std::array<Point, 4> square = {{{6, 21}, {29, 21}, {29, 44}, {6, 44}}};
    art.FillPolygon(square, kGrey, kDarkGrey);

    // A five-pointed star, one point up; corners as unit offsets (cos and sin of multiples of 36 degrees).
    constexpr std::array<Point, 10> kUnitStar = {{{0.0, -1.0},
                                                  {0.224514, -0.309017},
                                                  {0.951057, -0.309017},
                                                  {0.363271, 0.118034},
                                                  {0.587785, 0.809017},
                                                  {0.0, 0.381966},
                                                  {-0.587785, 0.809017},
                                                  {-0.363271, 0.118034},
                                                  {-0.951057, -0.309017},
                                                  {-0.224514, -0.309017}}};
    constexpr Point kStarCentre = {50.0, 20.0};
    constexpr double kStarRadius = 16.0;
    std::array<Point, 10> star{};
    for (std::size_t i = 0; i < star.size(); ++i) {
        star[i] = {kStarCentre.x + kStarRadius * kUnitStar[i].x, kStarCentre.y + kStarRadius * kUnitStar[i].y};
    }
    art.FillPolygon(star, kCyan, kDarkCyan);

    art.StrokeCubic({2, 40}, {24, 2}, {40, 62}, {70, 10}, kInk);
    return art;
}

void DrawArrow(IndexedImage& image) {
    const int middle = kPanelTop + kPanelHeight / 2;
    for (int dy = 0; dy < 2; ++dy)
        image.StrokeLine({77, middle - 1.0 + dy}, {87, middle - 1.0 + dy}, kArrow);
    const std::array<Point, 3> head = {{{86, middle - 6.0}, {93, middle + 0.0}, {86, middle + 6.0}}};
    image.FillPolygon(head, kArrow, kArrow);
}

IndexedImage DrawPicture(bool keepInside) {
    const IndexedImage art = DrawArtwork();
    IndexedImage image(kWidth, kHeight, kWhite);

    image.Blit(art, kBeforeLeft, kPanelTop, [](int, int) { return true; });
    image.StrokeRect(kBeforeLeft + kRegionLeft, kPanelTop + kRegionTop, kBeforeLeft + kRegionRight,
                     kPanelTop + kRegionBottom, kRed);

    DrawArrow(image);

    image.Blit(art, kAfterLeft, kPanelTop, [keepInside](int x, int y) { return InsideRegion(x, y) == keepInside; });
    image.StrokeRect(kAfterLeft + kRegionLeft, kPanelTop + kRegionTop, kAfterLeft + kRegionRight,
                     kPanelTop + kRegionBottom, kDash, 3, 2);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::string_view(argv[2]) != "--png")) {
        std::fprintf(stderr, "usage: %s <folder> [--png]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const bool png = argc == 3;
    struct Picture {
        const char* name;
        bool keepInside;
    };
    // 103 (inside.bmp) removes the inside of the region; 104 (outside.bmp) removes the outside.
    constexpr std::array<Picture, 2> kPictures = {{{"inside", false}, {"outside", true}}};
    try {
        for (const Picture& picture : kPictures) {
            const IndexedImage image = DrawPicture(picture.keepInside);
            trimora::tools::WriteFile(folder / (std::string(picture.name) + ".bmp"), image.EncodeBmp(kPalette));
            if (png) trimora::tools::WritePng(folder / (std::string(picture.name) + ".png"), image, kPalette);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "draw_bitmaps: %s\n", error.what());
        return 1;
    }
    return 0;
}
