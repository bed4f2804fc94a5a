// Whole runs over the fixtures in tests/data/e2e, each holding one behaviour, through the menu and through action
// playback, for both passes. Every result is judged against pictures of the input drawn through the region (or
// its complement), against the document's own point-in-path test where the drawing is all fills, and by the
// properties each fixture is there for.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "headless/svg/SvgFile.h"
#include "tests/e2e/ClipSession.h"
#include "tests/e2e/Coverage.h"
#include "tests/e2e/RenderOracle.h"
#include "tests/render/ImageCompare.h"
#include "tests/support/Paths.h"
#include "tests/support/TestSupport.h"

namespace trimora::e2e {
namespace {

namespace fs = std::filesystem;
using headless::Art;
using headless::ArtId;
using headless::Document;

constexpr const char* kRegion = "region";
constexpr int kColourTolerance = 48;
constexpr long kStrayPixels = 40;  // anti-aliasing along seams and the band's own edge
constexpr double kSampleStep = 2;

enum class Pass { kOutside, kInside };

struct Outcome {
    const Document& before;  // the input, as read
    const Document& after;
    Pass pass;
    bool KeepsInside() const { return pass == Pass::kOutside; }
};

struct Fixture {
    const char* file;
    std::vector<std::string> keptWholeOutside;  // ids the outside pass leaves as they are (text, symbols)
    std::vector<std::string> keptWholeInside;   // ids the inside pass leaves as they are (placed art, rasters)
    bool allFills = false;                      // compare the fills point by point as well
    std::function<void(const Outcome&)> check;
};

const Art& Only(const Document& doc, const std::string& id) {
    const auto found = ArtNamed(doc, id);
    EXPECT_EQ(found.size(), 1u) << id;
    static const Art kNone{};
    return found.empty() ? kNone : *doc.Find(found.front());
}

bool HasCurves(const Art& path) {
    for (const AIPathSegment& s : path.segments)
        if (std::memcmp(&s.in, &s.p, sizeof s.p) != 0 || std::memcmp(&s.out, &s.p, sizeof s.p) != 0) return true;
    return false;
}

// The top-level objects of the layer titled `title`.
std::vector<ArtId> LayerArt(const Document& doc, const std::string& title) {
    std::vector<ArtId> out;
    for (int i = 0; i < doc.CountLayers(); ++i) {
        const headless::Layer& layer = *doc.FindLayer(doc.NthLayer(i));
        if (layer.title != title) continue;
        for (ArtId a = doc.Find(layer.group)->firstChild; a; a = doc.Find(a)->next)
            out.push_back(a);
    }
    return out;
}

using test::Children;

bool IsClipPath(const Document& doc, ArtId art) {
    const Art& a = *doc.Find(art);
    if (a.type == kPathArt) return a.style->clip != 0;
    return a.type == kCompoundPathArt && a.firstChild && doc.Find(a.firstChild)->style->clip != 0;
}

// A clip group as the user sees it: clipped, its first child the clipping path.
void ExpectClipGroup(const Document& doc, ArtId group) {
    const Art& g = *doc.Find(group);
    EXPECT_EQ(g.type, kGroupArt);
    EXPECT_TRUE(g.clipped);
    ASSERT_TRUE(g.firstChild);
    EXPECT_TRUE(IsClipPath(doc, g.firstChild));
}

// What a path or compound path is painted with.
const AIPathStyle& StyleOf(const Document& doc, ArtId art) {
    const Art& a = *doc.Find(art);
    return a.type == kCompoundPathArt && a.firstChild ? doc.Find(a.firstChild)->style : a.style;
}

bool SameStyleBesidesGeometry(const AIPathStyle& a, const AIPathStyle& b) {
    return a.fillPaint == b.fillPaint && a.strokePaint == b.strokePaint &&
           std::memcmp(&a.fill, &b.fill, sizeof a.fill) == 0 && std::memcmp(&a.stroke, &b.stroke, sizeof a.stroke) == 0;
}

const std::vector<Fixture>& Fixtures() {
    static const std::vector<Fixture> fixtures = {
        {"stroked-curve.svg",
         {},
         {},
         false,
         [](const Outcome& o) {
             // A stroke is cut as a line: open pieces, one inside the region and one on each side outside it.
             const auto pieces = ArtNamed(o.after, "curve");
             ASSERT_EQ(pieces.size(), o.KeepsInside() ? 1u : 2u);
             for (ArtId id : pieces) {
                 const Art& piece = *o.after.Find(id);
                 EXPECT_EQ(piece.type, kPathArt);
                 EXPECT_FALSE(piece.closed);
                 EXPECT_TRUE(HasCurves(piece));
                 EXPECT_TRUE(SameStyleBesidesGeometry(piece.style, Only(o.before, "curve").style));
             }
         }},
        {"hole.svg",
         {},
         {},
         true,
         [](const Outcome& o) {
             const auto art = LayerArt(o.after, "Art");
             ASSERT_FALSE(art.empty());
             for (ArtId id : art) {
                 const Art& a = *o.after.Find(id);
                 ASSERT_TRUE(a.type == kPathArt || a.type == kCompoundPathArt);
                 EXPECT_TRUE(SameStyleBesidesGeometry(StyleOf(o.after, id),
                                                      StyleOf(o.before, ArtNamed(o.before, "frame").front())));
             }
         }},
        {"gradient.svg",
         {},
         {},
         true,
         [](const Outcome& o) {
             const Art& sky = Only(o.after, "sky");
             const AIPathStyle& was = Only(o.before, "sky").style;
             EXPECT_EQ(sky.style->fill.color.kind, kGradient);
             EXPECT_EQ(std::memcmp(&sky.style->fill.color.c.grad.gradientOrigin, &was.fill.color.c.grad.gradientOrigin,
                                   sizeof(AIGradientStyle) - offsetof(AIGradientStyle, gradientOrigin)),
                       0)
                 << "the gradient stays where it was on the page";
             EXPECT_TRUE(HasCurves(sky)) << "the region's arc comes back as curves, not as a polyline";
         }},
        {"clip-group.svg",
         {},
         {},
         false,
         [](const Outcome& o) {
             const auto groups = ArtNamed(o.after, "framed");
             ASSERT_EQ(groups.size(), 1u);
             ExpectClipGroup(o.after, groups.front());
             for (ArtId member : Children(o.after, groups.front()))
                 EXPECT_EQ(IsClipPath(o.after, member), member == o.after.Find(groups.front())->firstChild);
         }},
        {"clipping-layer.svg",
         {},
         {},
         false,
         [](const Outcome& o) {
             const auto layerGroup = ArtNamed(o.after, "art");
             ASSERT_EQ(layerGroup.size(), 1u);
             ExpectClipGroup(o.after, layerGroup.front());
             EXPECT_EQ(ArtNamed(o.after, "inner").size(), 1u) << "nested groups stay groups";
         }},
        {"compound.svg",
         {},
         {},
         true,
         [](const Outcome& o) {
             // Two squares, each cut: one piece of each on either side, every one wearing the first member's style.
             const auto art = LayerArt(o.after, "Art");
             EXPECT_EQ(art.size(), 2u);
             const AIPathStyle& was = StyleOf(o.before, ArtNamed(o.before, "pair").front());
             for (ArtId piece : art)
                 EXPECT_TRUE(SameStyleBesidesGeometry(StyleOf(o.after, piece), was));
         }},
        {"raster.svg",
         {},
         {"pixels"},
         false,
         [](const Outcome& o) {
             const Art& source = Only(o.before, "pixels");
             if (!o.KeepsInside()) {
                 EXPECT_EQ(Only(o.after, "pixels").raster->pixels, source.raster->pixels) << "left whole";
                 return;
             }
             // A cropped copy replaces the raster, under the part of its outline inside the region.
             const auto art = LayerArt(o.after, "Art");
             ASSERT_EQ(art.size(), 1u);
             ExpectClipGroup(o.after, art.front());
             const auto members = Children(o.after, art.front());
             ASSERT_EQ(members.size(), 2u);
             const Art& cropped = *o.after.Find(members.back());
             ASSERT_EQ(cropped.type, kRasterArt);
             EXPECT_LT(cropped.raster->info.bounds.right, source.raster->info.bounds.right);
         }},
        {"placed.svg",
         {},
         {"photo"},
         false,
         [](const Outcome& o) {
             const Art& photo = Only(o.after, "photo");
             EXPECT_EQ(photo.type, kPlacedArt);
             if (o.KeepsInside())
                 ExpectClipGroup(o.after, photo.parent);
             else
                 EXPECT_EQ(o.after.Find(photo.parent)->type, kGroupArt);
         }},
        {"text-symbols.svg",
         {"across", "star-across"},
         {"across", "far", "star-across", "star-far"},
         false,
         [](const Outcome& o) {
             // Text and symbols are never cut: on the line they stay, and they go only wholly on the removed side.
             EXPECT_EQ(ArtNamed(o.after, "across").size(), 1u);
             EXPECT_EQ(ArtNamed(o.after, "star-across").size(), 1u);
             EXPECT_EQ(ArtNamed(o.after, "far").size(), o.KeepsInside() ? 0u : 1u);
             EXPECT_EQ(ArtNamed(o.after, "star-far").size(), o.KeepsInside() ? 0u : 1u);
         }},
        {"nested.svg",
         {},
         {},
         true,
         [](const Outcome& o) {
             EXPECT_EQ(ArtNamed(o.after, "inner").size(), 1u);
             EXPECT_EQ(ArtNamed(o.after, "inner-far").size(), o.KeepsInside() ? 0u : 1u);
             EXPECT_EQ(ArtNamed(o.after, "sub").size(), 1u) << "the sublayer stays";
         }},
        {"hidden-locked.svg",
         {},
         {},
         false,
         [](const Outcome& o) {
             for (const char* id : {"hidden-box", "locked-box", "closed-sub-box", "locked-object"}) {
                 const Art& kept = Only(o.after, id);
                 EXPECT_EQ(kept.segments.size(), Only(o.before, id).segments.size()) << id;
             }
             EXPECT_EQ(ArtNamed(o.after, "open-box").size(), o.KeepsInside() ? 1u : 2u);
         }},
    };
    return fixtures;
}

struct Case {
    std::size_t fixture;
    Pass pass;
    Start start;
};

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = fs::path(Fixtures()[info.param.fixture].file).stem().string();
    for (char& c : name)
        if (c == '-') c = '_';
    name += info.param.pass == Pass::kOutside ? "_outside" : "_inside";
    name += info.param.start == Start::kMenu ? "_menu" : "_action";
    return name;
}

// ctest lists each case by its name rather than by its bytes.
void PrintTo(const Case& c, std::ostream* os) {
    *os << CaseName({c, 0});
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (std::size_t f = 0; f < Fixtures().size(); ++f)
        for (Pass pass : {Pass::kOutside, Pass::kInside})
            cases.push_back({f, pass, (f + (pass == Pass::kInside ? 1 : 0)) % 2 ? Start::kAction : Start::kMenu});
    return cases;
}

class FixtureRun : public ::testing::TestWithParam<Case> {};

TEST_P(FixtureRun, KeepsWhatTheRegionSelects) {
    const Case c = GetParam();
    const Fixture& fixture = Fixtures()[c.fixture];
    const std::string name = CaseName({c, 0});
    const fs::path work = fs::path(TRIMORA_BINARY_DIR) / "e2e-output" / name;
    fs::remove_all(work);
    fs::create_directories(work);
    // The fixture's neighbours come along: a placed image links its file by a relative name.
    for (const auto& entry : fs::directory_iterator(test::SourcePath("tests/data/e2e")))
        fs::copy_file(entry.path(), work / entry.path().filename());
    const std::string input = (work / fixture.file).string();

    Document before;
    headless::svg::ReadSvgFile(input, before);
    ClipSession session(input, kRegion);
    ASSERT_EQ(session.startupResult, kNoErr);
    const int layers = session.doc.CountLayers();
    ClipOptions options;
    options.ClipType = c.pass == Pass::kOutside ? 0 : 1;
    ASSERT_EQ(session.Clip(options, c.start), kNoErr);

    EXPECT_EQ(session.doc.CountLayers(), layers) << "the work layer is gone and no layer was lost";
    EXPECT_TRUE(ArtNamed(session.doc, kRegion).empty()) << "the region is deleted";
    const Outcome outcome{before, session.doc, c.pass};
    fixture.check(outcome);

    if (fixture.allFills) {
        const ArtId region = ArtNamed(before, kRegion).front();
        const auto expected = [&](AIRealPoint p) {
            return FillPaints(before, p) && Inside(before, region, p) == outcome.KeepsInside();
        };
        const auto actual = [&](AIRealPoint p) { return FillPaints(session.doc, p); };
        EXPECT_LE(Disagreements(PageSamples(200, 200, kSampleStep), expected, actual), kEdgeSamples);
    }

    const std::string result = (work / "result.svg").string();
    session.Write(result);
    OracleOptions oracle;
    oracle.regionId = kRegion;
    oracle.keepInside = outcome.KeepsInside();
    oracle.keptWhole = outcome.KeepsInside() ? fixture.keptWholeOutside : fixture.keptWholeInside;
    WriteOracle(input, oracle, (work / "expected.svg").string());
    WriteBanded(result, input, oracle, (work / "banded.svg").string());
    const auto diff = test::CompareRenderings((work / "banded.svg").string(), (work / "expected.svg").string(),
                                              work.string(), kColourTolerance);
    ASSERT_TRUE(diff.error.empty()) << diff.error;
    ASSERT_TRUE(diff.sameSize);
    EXPECT_LE(diff.differingPixels, kStrayPixels) << "see " << work;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, FixtureRun, ::testing::ValuesIn(AllCases()), CaseName);

}  // namespace
}  // namespace trimora::e2e
