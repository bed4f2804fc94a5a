// The reader: what each element becomes in the document, and clear failures for bad input.
#include <gtest/gtest.h>

#include <cmath>

#include "headless/svg/SvgError.h"
#include "headless/svg/SvgFile.h"
#include "tests/support/Paths.h"
#include "tests/support/TestSupport.h"

namespace headless::svg {
namespace {

using trimora::test::Children;

constexpr const char* kHead =
    R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="100" height="100">)";

void Read(Document& doc, const std::string& body, ReadOptions options = {}) {
    ReadSvgText("test.svg", std::string(kHead) + body + "</svg>", doc, options);
}

std::vector<ArtId> LayerArt(const Document& doc, int layer) {
    return Children(doc, doc.FindLayer(doc.NthLayer(layer))->group);
}

AIRealRect BoundsOf(const Document& doc, ArtId id) {
    AIRealRect r{};
    EXPECT_EQ(doc.Bounds(id, nullptr, &r), kNoErr);
    return r;
}

std::string ErrorOf(const std::string& body) {
    Document doc;
    try {
        Read(doc, body);
    } catch (const SvgError& e) {
        return e.what();
    }
    return "no error";
}

TEST(Reader, LayersInOrderWithTheirFlags) {
    Document doc;
    ReadSvgFile(trimora::test::SourcePath("tests/data/svg/layers.svg"), doc, {{"r1", "p1"}});
    ASSERT_EQ(doc.CountLayers(), 6);
    const char* titles[] = {"Layer 6", "Outline", "Locked", "Hidden", "Back", "Layer 1"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(doc.FindLayer(doc.NthLayer(i))->title, titles[i]) << i;
    EXPECT_FALSE(doc.FindLayer(doc.NthLayer(1))->preview);
    EXPECT_FALSE(doc.FindLayer(doc.NthLayer(2))->editable);
    EXPECT_TRUE(doc.FindLayer(doc.NthLayer(2))->visible);
    EXPECT_FALSE(doc.FindLayer(doc.NthLayer(3))->visible);
    // The sublayer is a layer group inside Back, locked, behind nothing but in front of r1.
    const auto back = LayerArt(doc, 4);
    ASSERT_EQ(back.size(), 2u);
    ASSERT_TRUE(doc.IsLayerGroup(back[0]));
    const Layer& sub = *doc.FindLayer(doc.LayerOfArt(back[0]));
    EXPECT_EQ(sub.title, "Sub");
    EXPECT_FALSE(sub.editable);
    EXPECT_TRUE(doc.Find(back[0])->userAttrs & kArtLocked);
    // The guide, and the selection asked for.
    const auto outline = LayerArt(doc, 1);
    ASSERT_EQ(outline.size(), 2u);
    EXPECT_TRUE(doc.Find(outline[0])->guide);
    EXPECT_TRUE(doc.Find(outline[1])->userAttrs & kArtSelected);
    EXPECT_TRUE(doc.Find(back[1])->userAttrs & kArtSelected);
    EXPECT_EQ(doc.ListSelection().size(), 4u);  // two layer groups and two paths
}

TEST(Reader, EveryElementKindGetsItsArtType) {
    Document doc;
    ReadSvgFile(trimora::test::SourcePath("tests/data/svg/text-use.svg"), doc);
    const auto items = LayerArt(doc, 0);
    ASSERT_EQ(items.size(), 5u);  // front to back: switch, group, use, use, rect
    EXPECT_EQ(doc.Find(items[0])->type, kUnknownArt);
    EXPECT_EQ(doc.Find(items[1])->type, kGroupArt);
    EXPECT_EQ(doc.Find(items[2])->type, kSymbolArt);
    EXPECT_EQ(doc.Find(items[3])->type, kSymbolArt);
    EXPECT_EQ(doc.Find(items[4])->type, kPathArt);
    EXPECT_EQ(doc.Find(Children(doc, items[1]).back())->type, kTextFrameArt);
    // The star symbol at (30,10) in a 40 x 40 box: its bounds come from the resolved content.
    const AIRealRect star = BoundsOf(doc, items[3]);
    EXPECT_NEAR(star.left, 32, 0.01);
    EXPECT_NEAR(star.top, -12, 0.01);
    EXPECT_NEAR(star.right, 68, 0.01);
    // The used rect scaled by 2 at (90,20): 20 x 20 from (100, 30).
    const AIRealRect dot = BoundsOf(doc, items[2]);
    EXPECT_NEAR(dot.left, 100, 1e-9);
    EXPECT_NEAR(dot.bottom, -50, 1e-9);

    Document images;
    ReadSvgFile(trimora::test::SourcePath("tests/data/svg/image.svg"), images);
    const auto pictures = LayerArt(images, 0);
    ASSERT_EQ(pictures.size(), 3u);
    EXPECT_EQ(images.Find(pictures[0])->type, kPlacedArt);
    EXPECT_EQ(images.Find(pictures[0])->details->linkedFile, "no-such-picture.png");
    EXPECT_EQ(images.Find(pictures[1])->type, kRasterArt);
    EXPECT_EQ(images.Find(pictures[2])->type, kRasterArt);
}

TEST(Reader, RasterPixelsAndMatrix) {
    Document doc;
    ReadSvgFile(trimora::test::SourcePath("tests/data/svg/image.svg"), doc);
    const Art& raster = *doc.Find(LayerArt(doc, 0).back());
    ASSERT_TRUE(raster.raster);
    const RasterData& data = *raster.raster;
    EXPECT_EQ(data.info.bounds.right, 8);
    EXPECT_EQ(data.info.bounds.bottom, 6);
    EXPECT_EQ(data.info.bitsPerPixel, 32);
    EXPECT_EQ(data.info.byteWidth, 32);
    ASSERT_EQ(data.pixels.size(), 8u * 6 * 4);
    // Pixels (column 3, row 2) and (column 4, row 2) as the fixture made them: (96, 80, 128, 128), (128, 80, 128, 255).
    const std::uint8_t* px = &data.pixels[(2 * 8 + 3) * 4];
    EXPECT_EQ(px[0], 96);
    EXPECT_EQ(px[1], 80);
    EXPECT_EQ(px[3], 128);
    EXPECT_EQ(px[4], 128);
    EXPECT_EQ(px[7], 255);
    // 8 x 6 pixels stretched over 80 x 60 at (10, 10): image space (0, 0) is the top left at artwork (10, -10),
    // (8, -6) the bottom right at (90, -70).
    EXPECT_DOUBLE_EQ(data.matrix.a, 10);
    EXPECT_DOUBLE_EQ(data.matrix.d, 10);
    EXPECT_DOUBLE_EQ(data.matrix.tx, 10);
    EXPECT_DOUBLE_EQ(data.matrix.ty, -10);
    const AIRealRect b = BoundsOf(doc, LayerArt(doc, 0).back());
    EXPECT_DOUBLE_EQ(b.right, 90);
    EXPECT_DOUBLE_EQ(b.bottom, -70);
}

TEST(Reader, MultiSubpathPathsBecomeCompoundPathsWithTheirRule) {
    Document doc;
    ReadSvgFile(trimora::test::SourcePath("tests/data/svg/compound.svg"), doc);
    const auto items = LayerArt(doc, 0);
    ASSERT_EQ(items.size(), 3u);
    const ArtId ring = items[2];
    EXPECT_EQ(doc.Find(ring)->type, kCompoundPathArt);
    EXPECT_EQ(Children(doc, ring).size(), 2u);
    AIPathStyle style{};
    doc.GetPathStyle(ring, &style);
    EXPECT_TRUE(style.evenodd);
    doc.GetPathStyle(items[1], &style);
    EXPECT_FALSE(style.evenodd);
    EXPECT_NEAR(style.fill.color.c.rgb.red, 0xcc / 255.0, 1e-12);
}

TEST(Reader, ClipGroupsHaveTheirClippingPathFirst) {
    Document doc;
    ReadSvgFile(trimora::test::SourcePath("tests/data/svg/clip.svg"), doc);
    const auto art = LayerArt(doc, 1);  // the layer clipped by the circle
    EXPECT_TRUE(doc.Find(doc.FindLayer(doc.NthLayer(1))->group)->clipped);
    ASSERT_EQ(art.size(), 3u);
    EXPECT_TRUE(doc.Find(art[0])->style->clip);
    EXPECT_EQ(doc.Find(art[0])->type, kPathArt);
    const auto second = LayerArt(doc, 0);
    ASSERT_EQ(second.size(), 2u);
    // The clipped circle became a clip group holding it; the two-rectangle clip a compound clipping path.
    EXPECT_EQ(doc.Find(second[0])->type, kGroupArt);
    EXPECT_TRUE(doc.Find(second[0])->clipped);
    const ArtId pairMask = Children(doc, second[1])[0];
    EXPECT_EQ(doc.Find(pairMask)->type, kCompoundPathArt);
    AIPathStyle style{};
    doc.GetPathStyle(pairMask, &style);
    EXPECT_TRUE(style.clip);
    // The objectBoundingBox clip is a rotated square in the middle half of the circle's box (30..90).
    const AIRealRect mask = BoundsOf(doc, Children(doc, second[0])[0]);
    EXPECT_NEAR((mask.left + mask.right) / 2, 60, 1e-9);
    EXPECT_GT(mask.left, 30);
    EXPECT_LT(mask.right, 90);
}

TEST(Reader, TransformsAreBakedIntoCoordinates) {
    Document doc;
    Read(
        doc,
        R"svg(<g transform="translate(10 20)"><rect x="0" y="0" width="10" height="5" transform="scale(2) rotate(90)"/></g>)svg");
    const auto art = LayerArt(doc, 0);
    ASSERT_EQ(art.size(), 1u);
    const AIRealRect b = BoundsOf(doc, art[0]);
    // rotate(90) takes the rect to x in [-5, 0], y in [0, 10]; scale doubles; then the translation. y is negated.
    EXPECT_NEAR(b.left, 0, 1e-9);
    EXPECT_NEAR(b.right, 10, 1e-9);
    EXPECT_NEAR(b.top, -20, 1e-9);
    EXPECT_NEAR(b.bottom, -40, 1e-9);
    EXPECT_TRUE(doc.Find(art[0])->closed);
    EXPECT_EQ(doc.Find(art[0])->segments.size(), 4u);
}

TEST(Reader, StrokeWidthFollowsTheBakedScale) {
    Document doc;
    Read(doc,
         R"svg(<path d="M0 0 H10" stroke="red" stroke-width="2" stroke-dasharray="1 3" transform="scale(3)"/>)svg");
    const Art& path = *doc.Find(LayerArt(doc, 0)[0]);
    EXPECT_DOUBLE_EQ(path.style->stroke.width, 6);
    EXPECT_EQ(path.style->stroke.dash.length, 2);
    EXPECT_DOUBLE_EQ(path.style->stroke.dash.array[1], 9);
    EXPECT_TRUE(path.style->fillPaint);  // black, the default fill
}

TEST(Reader, GradientsKeepTheirPlacementOnThePage) {
    Document doc;
    Read(doc, R"svg(<linearGradient id="g" gradientUnits="userSpaceOnUse" x1="10" y1="10" x2="50" y2="10">
        <stop offset="0" stop-color="red"/>
        <stop offset="1" stop-color="blue"/></linearGradient><rect x="10" y="10" width="40" height="20" fill="url(#g)"/>)svg");
    const Art& rect = *doc.Find(LayerArt(doc, 0)[0]);
    ASSERT_EQ(rect.style->fill.color.kind, kGradient);
    const AIGradientStyle& g = rect.style->fill.color.c.grad;
    EXPECT_DOUBLE_EQ(g.gradientOrigin.h, 10);
    EXPECT_DOUBLE_EQ(g.gradientOrigin.v, -10);
    EXPECT_DOUBLE_EQ(g.gradientLength, 40);
    EXPECT_DOUBLE_EQ(g.gradientAngle, 0);
    EXPECT_EQ(g.matrix.a, 1);
    const Gradient* stored = doc.FindGradient(doc.GradientOf(g.gradient));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->stops.size(), 2u);
    // In bounding-box units on a 40 x 20 box the gradient is not a similarity of the page: it keeps its own
    // space (0..1) and the matrix places it.
    Document box;
    Read(box, R"svg(<linearGradient id="g"><stop offset="0"/></linearGradient>
        <rect x="10" y="10" width="40" height="20" fill="url(#g)"/>)svg");
    const AIGradientStyle& b = box.Find(LayerArt(box, 0)[0])->style->fill.color.c.grad;
    EXPECT_DOUBLE_EQ(b.gradientLength, 1);
    EXPECT_DOUBLE_EQ(b.matrix.a, 40);
    EXPECT_DOUBLE_EQ(b.matrix.d, -20);
    EXPECT_DOUBLE_EQ(b.matrix.ty, -10);
}

// A use of an element in another file is kept, never refused: placed art where its box is given, else unknown art,
// and a warning that names the line and the reference.
TEST(Reader, UseOfAnotherFileIsKeptWithAWarning) {
    Document doc;
    std::vector<std::string> warnings;
    ReadOptions options;
    options.warning = [&](const std::string& w) { warnings.push_back(w); };
    Read(doc,
         "<g transform=\"translate(5 0)\">\n<use href=\"lib.svg#a\" x=\"10\" y=\"20\" width=\"30\" height=\"40\"/>"
         "\n<use xlink:href=\"lib.svg#b\"/></g>",
         options);
    const std::vector<ArtId> art = LayerArt(doc, 0);
    ASSERT_EQ(art.size(), 2u);  // front first
    EXPECT_EQ(doc.Find(art[1])->type, kPlacedArt);
    EXPECT_EQ(doc.Find(art[1])->details->linkedFile, "lib.svg#a");
    const AIRealRect box = BoundsOf(doc, art[1]);
    EXPECT_NEAR(box.left, 15, 1e-9);
    EXPECT_NEAR(box.right, 45, 1e-9);
    EXPECT_NEAR(box.top, -20, 1e-9);
    EXPECT_NEAR(box.bottom, -60, 1e-9);
    EXPECT_EQ(doc.Find(art[0])->type, kUnknownArt);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_TRUE(warnings[0].starts_with("test.svg:2: <use>: ")) << warnings[0];
    EXPECT_NE(warnings[1].find("lib.svg#b"), std::string::npos) << warnings[1];
}

TEST(Reader, BadInputIsNamedWithFileLineAndElement) {
    EXPECT_NE(ErrorOf("<g>").find("test.svg:1: malformed XML"), std::string::npos);
    EXPECT_NE(ErrorOf("\n<path d=\"M0 0 L\"/>").find("test.svg:2: <path>: missing or bad number"), std::string::npos);
    EXPECT_NE(ErrorOf("<rect width=\"10\" height=\"10\" fill=\"url(#nope)\"/>").find("missing paint server '#nope'"),
              std::string::npos);
    EXPECT_NE(ErrorOf("<rect width=\"10\" height=\"10\" clip-path=\"url(#nope)\"/>")
                  .find("<rect>: clip-path refers to missing"),
              std::string::npos);
    EXPECT_NE(ErrorOf("<rect width=\"-10\" height=\"10\"/>").find("negative width"), std::string::npos);
    EXPECT_NE(ErrorOf("<use xlink:href=\"#u\" id=\"u\"/>").find("itself"), std::string::npos);
    EXPECT_NE(ErrorOf("<g transform=\"spin(3)\"/>").find("unknown transform function"), std::string::npos);
    Document doc;
    EXPECT_THROW(ReadSvgText("huge.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1e9\" height=\"5\"/>", doc),
                 SvgError);
    EXPECT_THROW(ReadSvgText("neg.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 -5 5\"/>", doc),
                 SvgError);
    EXPECT_THROW(ReadSvgText("html.svg", "<html/>", doc), SvgError);
    try {
        ReadSvgFile("/no/such/file.svg", doc);
        FAIL();
    } catch (const SvgError& e) {
        EXPECT_NE(std::string(e.what()).find("/no/such/file.svg: cannot open file"), std::string::npos);
    }
    // Selecting an id the file lacks is refused rather than ignored.
    Document selecting;
    EXPECT_THROW(Read(selecting, "<rect id=\"a\" width=\"1\" height=\"1\"/>", {{"b"}}), SvgError);
}

}  // namespace
}  // namespace headless::svg
