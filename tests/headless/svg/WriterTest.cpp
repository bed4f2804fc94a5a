// The writer: what a changed document writes, unique ids, only used definitions, and no partial files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "headless/svg/SvgError.h"
#include "headless/svg/SvgFile.h"

namespace headless::svg {
namespace {

constexpr const char* kHead = R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100">)";

void Read(Document& doc, const std::string& body) {
    ReadSvgText("test.svg", std::string(kHead) + body + "</svg>", doc);
}

ArtId FirstArt(const Document& doc) {
    return doc.Find(doc.FindLayer(doc.NthLayer(0))->group)->firstChild;
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(Writer, GradientStaysOnThePageWhenTheShapeChanges) {
    Document doc;
    Read(
        doc,
        R"svg(<linearGradient id="g" gradientUnits="userSpaceOnUse" x1="10" y1="10" x2="50" y2="10"><stop offset="0" stop-color="red"/><stop offset="1" stop-color="blue"/>
        </linearGradient><rect x="10" y="10" width="40" height="20" fill="url(#g)"/>)svg");
    // Shrink the rectangle to its left half, as a cut would.
    Art& rect = *doc.Find(FirstArt(doc));
    for (AIPathSegment& s : rect.segments)
        if (s.p.h > 30) s.p.h = s.in.h = s.out.h = 30;
    const std::string text = WriteSvgText(doc);
    // The gradient still runs from x 10 to x 50 in user space, not over the new 20-unit shape.
    EXPECT_NE(text.find(R"(x1="10" y1="10" x2="50" y2="10")"), std::string::npos) << text;
    EXPECT_NE(text.find(R"(gradientUnits="userSpaceOnUse")"), std::string::npos);
    Document again;
    ReadSvgText("again.svg", text, again);
    const AIGradientStyle& g = again.Find(FirstArt(again))->style->fill.color.c.grad;
    EXPECT_DOUBLE_EQ(g.gradientOrigin.h, 10);
    EXPECT_DOUBLE_EQ(g.gradientLength, 40);
}

TEST(Writer, CopiesGetUniqueIdsAndUnusedDefinitionsAreDropped) {
    Document doc;
    Read(doc, R"svg(<defs><filter id="blur"><feGaussianBlur stdDeviation="2"/></filter><filter id="unused"/>
        <linearGradient id="lonely"><stop offset="0"/></linearGradient></defs>
        <rect id="box" width="10" height="10" filter="url(#blur)"/><text id="t" x="5" y="50">hi</text>)svg");
    const ArtId rect = doc.Find(FirstArt(doc))->next;
    ArtId copy;
    ASSERT_EQ(doc.Duplicate(rect, kPlaceAbove, rect, &copy), kNoErr);
    ArtId textCopy;
    ASSERT_EQ(doc.Duplicate(FirstArt(doc), kPlaceAbove, FirstArt(doc), &textCopy), kNoErr);
    const std::string text = WriteSvgText(doc);
    EXPECT_EQ(Count(text, R"(id="box")"), 1u);
    EXPECT_EQ(Count(text, R"(id="box-2")"), 1u);
    EXPECT_EQ(Count(text, R"(id="t-2")"), 1u);
    EXPECT_EQ(Count(text, R"(<filter id="blur")"), 1u);
    EXPECT_EQ(Count(text, "unused"), 0u);
    EXPECT_EQ(Count(text, "lonely"), 0u);
    EXPECT_EQ(Count(text, "xmlns:inkscape="), 1u);  // the layer attributes need it
}

TEST(Writer, CarriedElementsKeepTheirPlaceUnderBakedTransforms) {
    Document doc;
    Read(doc, R"svg(<g transform="translate(5 6)"><text x="1" y="2" transform="scale(2)">a</text></g>)svg");
    const std::string text = WriteSvgText(doc);
    EXPECT_NE(text.find(R"svg(transform="matrix(2 0 0 2 5 6)")svg"), std::string::npos) << text;
    const Art& frame = *doc.Find(FirstArt(doc));
    EXPECT_EQ(frame.type, kTextFrameArt);
    // Baseline at y 2 scaled to 4, moved by 6: the estimate reaches 0.8 em above it and 0.2 em below.
    EXPECT_NEAR(frame.details->extent.top, -(10 - 0.8 * 32), 1e-9);
    EXPECT_NEAR(frame.details->extent.bottom, -(10 + 0.2 * 32), 1e-9);
}

TEST(Writer, FailedWriteLeavesNothingBehind) {
    Document doc;
    Read(doc, R"(<rect width="10" height="10"/>)");
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("trimora-writer-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    // A directory in the way: the rename fails, and the temporary file must go.
    std::filesystem::create_directories(dir / "taken.svg" / "inside");
    EXPECT_THROW(WriteSvgFile(doc, (dir / "taken.svg").string()), SvgError);
    EXPECT_THROW(WriteSvgFile(doc, (dir / "missing" / "out.svg").string()), SvgError);
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir))
        ++entries;
    EXPECT_EQ(entries, 1u);
    WriteSvgFile(doc, (dir / "good.svg").string());
    std::ifstream in(dir / "good.svg");
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, R"(<?xml version="1.0" encoding="UTF-8"?>)");
    std::filesystem::remove_all(dir);
}

TEST(Writer, WritingTwiceGivesTheSameText) {
    Document doc;
    Read(doc,
         R"(<g id="l"><path d="M0 0 C10 0 10 10 0 10 Z M20 20 h5 v5 z" fill="#123" stroke="#abc" stroke-width="1.5"/>
        <circle cx="50" cy="50" r="10" fill="none" stroke="red" stroke-dasharray="2 1"/></g>)");
    const std::string first = WriteSvgText(doc);
    Document again;
    ReadSvgText("again.svg", first, again);
    EXPECT_EQ(WriteSvgText(again), first);
}

// A raster whose record promises more pixels than its buffer holds is refused before a pixel is read.
TEST(Writer, RasterRecordLargerThanItsPixelsIsRefused) {
    for (const int stride : {30, 29}) {  // rows too few, then rows too short for the width
        Document doc;
        Read(doc, R"svg(<rect width="10" height="10"/>)svg");
        Art& art = *doc.Find(FirstArt(doc));
        art.type = kRasterArt;
        art.raster = std::make_shared<RasterData>();
        art.raster->info.bounds = {0, 0, 10, 10};
        art.raster->info.byteWidth = stride;
        art.raster->info.bitsPerPixel = 24;
        art.raster->pixels.assign(stride == 30 ? 30 * 5 : 29 * 10, 0);
        EXPECT_THROW(WriteSvgText(doc), SvgError) << "stride " << stride;
    }
}

}  // namespace
}  // namespace headless::svg
