// A raster read from SVG, cropped under a shape and written back: the file must hold the kept pixels at their
// place and render as the original image under an SVG clip-path of the shape does.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "headless/svg/Base64.h"
#include "headless/svg/PngCodec.h"
#include "headless/svg/SvgFile.h"
#include "plugin/geometry/ArtMaker.h"
#include "tests/plugin/geometry/GeometryFixture.h"
#include "tests/render/ImageCompare.h"

namespace trimora::testing {
namespace {

using headless::ArtId;
constexpr int kColumns = 20, kRows = 10;

// Smooth, so that image smoothing at the crop's edge moves a rendered pixel by a few levels only.
std::uint8_t Shade(int column, int row, int channel) {
    return static_cast<std::uint8_t>(channel == 0 ? 12 * column : channel == 1 ? 25 * row : 200 - 5 * column);
}

std::string Picture(const std::string& clip) {
    headless::svg::PixelImage image{kColumns, kRows, 3, {}};
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            for (int k = 0; k < 3; ++k)
                image.pixels.push_back(Shade(c, r, k));
    const std::string href = "data:image/png;base64," + headless::svg::Base64Encode(headless::svg::EncodePng(image));
    return R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="120" )"
           R"(height="80" viewBox="0 0 120 80">)" +
           clip + R"(<image x="10" y="20" width="80" height="40" preserveAspectRatio="none" )" +
           (clip.empty() ? "" : R"x(clip-path="url(#c)" )x") + R"(xlink:href=")" + href + R"("/></svg>)";
}

class RasterRoundTrip : public GeometryTest {};

TEST_F(RasterRoundTrip, ACroppedRasterIsWrittenAsTheKeptPixelsInTheirPlace) {
    headless::Document& page = app.NewDocument();
    headless::svg::ReadSvgText("picture.svg", Picture(""), page);
    std::vector<ArtId> art;
    ASSERT_EQ(page.ListLayerArt(page.NthLayer(0), &art), kNoErr);
    ASSERT_EQ(art.size(), 2u);  // the layer's group, the raster
    const ArtId raster = art[1];
    // The shape in SVG user space: x 30 to 70.5, y 26 to 50; artwork has y upwards.
    ArtId shape;
    ASSERT_EQ(page.NewArt(kPathArt, kPlaceAbove, raster, &shape), kNoErr);
    for (AIRealPoint p : {AIRealPoint{30, -26}, {70.5, -26}, {70.5, -50}, {30, -50}})
        page.Find(shape)->segments.push_back({p, p, p, 1});
    page.Find(shape)->closed = true;
    ArtMaker maker;
    ASSERT_EQ(maker.ClipRasterArt(H(raster), H(shape)), kNoErr);

    const std::filesystem::path work =
        std::filesystem::temp_directory_path() / ("trimora-raster-crop-" + std::to_string(getpid()));
    std::filesystem::create_directories(work);
    const std::string written = (work / "cropped.svg").string(), oracle = (work / "oracle.svg").string();
    headless::svg::WriteSvgFile(page, written);
    std::ofstream(oracle) << Picture(R"(<clipPath id="c"><rect x="30" y="26" width="40.5" height="24"/></clipPath>)");

    // Read back, the file holds the pixels the shape touches (columns 5 to 15, rows 1 to 7), not the whole image;
    // the rendering shows them in their place.
    headless::Document back;
    headless::svg::ReadSvgFile(written, back);
    ASSERT_EQ(back.ListLayerArt(back.NthLayer(0), &art), kNoErr);
    const auto found = std::find_if(art.begin(), art.end(), [&](ArtId id) { return back.Find(id)->raster; });
    ASSERT_NE(found, art.end());
    EXPECT_EQ(back.Find(*found)->raster->info.bounds.right, 11);
    EXPECT_EQ(back.Find(*found)->raster->info.bounds.bottom, 7);

    const trimora::test::ImageDifference diff = trimora::test::CompareRenderings(oracle, written, work.string(), 24);
    ASSERT_EQ(diff.error, "");
    EXPECT_TRUE(diff.sameSize);
    EXPECT_EQ(diff.differingPixels, 0) << "largest difference " << diff.maxChannelDelta << "; kept in " << work;
    if (diff.differingPixels == 0) std::filesystem::remove_all(work);
}

}  // namespace
}  // namespace trimora::testing
