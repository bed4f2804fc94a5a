// The Pathfinder suite over the document: which object cuts which, the paint of the pieces, where the result
// stands, and refused input that leaves the document as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "headless/suites/ArtPermissions.h"
#include "plugin/sdk/AIPathfinder.h"
#include "tests/support/HostFixture.h"
#include "tests/support/TestSupport.h"

namespace headless {
namespace {

using testing::HostTest;
using trimora::test::Children;

AIColor Cmyk(AIReal cyan, AIReal magenta) {
    AIColor c{};
    c.kind = kFourColor;
    c.c.f = {cyan, magenta, 0, 0};
    return c;
}

bool SameColor(const AIColor& a, const AIColor& b) {
    return a.kind == b.kind && a.c.f.cyan == b.c.f.cyan && a.c.f.magenta == b.c.f.magenta &&
           a.c.f.yellow == b.c.f.yellow && a.c.f.black == b.c.f.black;
}

// Length of a piece made of straight segments; a closed piece counts its closing side.
AIReal PolylineLength(const Art& piece) {
    const auto& s = piece.segments;
    AIReal length = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
        length += std::hypot(s[i].p.h - s[i - 1].p.h, s[i].p.v - s[i - 1].p.v);
    if (piece.closed && s.size() > 1) length += std::hypot(s.front().p.h - s.back().p.h, s.front().p.v - s.back().p.v);
    return length;
}

class PathfinderSuite : public HostTest {
protected:
    const AIPathfinderSuite* pathfinder = Acquire<AIPathfinderSuite>(kAIPathfinderSuite, kAIPathfinderSuiteVersion);

    AIErr Run(bool crop, std::vector<ArtId> operands) {
        std::vector<AIArtHandle> handles;
        for (ArtId id : operands)
            handles.push_back(H(id));
        AIPathfinderData data{};
        data.fSelectedArt = handles.data();
        data.fSelectedArtCount = static_cast<ASInt32>(handles.size());
        AIFilterMessage message{};
        return crop ? pathfinder->DoCropEffect(&data, &message) : pathfinder->DoOutlineEffect(&data, &message);
    }

    ArtId Filled(ArtId id, AIColor color) {
        Art& a = *doc.Find(id);
        a.style.Edit().fillPaint = 1;
        a.style.Edit().fill.color = color;
        return id;
    }
    ArtId AddCompound() {
        ArtId id;
        EXPECT_EQ(doc.NewArt(kCompoundPathArt, kPlaceAboveAll, {}, &id), kNoErr);
        return id;
    }
    ArtId Unfilled(ArtId id) {
        doc.Find(id)->style.Edit().fillPaint = 0;
        return id;
    }

    ArtId LayerGroup() { return doc.FindLayer(layer)->group; }
    AIRealRect Bounds(ArtId id) {
        AIRealRect r{};
        EXPECT_EQ(doc.Bounds(id, nullptr, &r), kNoErr);
        return r;
    }
    static void ExpectRect(const AIRealRect& r, AIRealRect expected) {
        EXPECT_NEAR(r.left, expected.left, 1e-6);
        EXPECT_NEAR(r.top, expected.top, 1e-6);
        EXPECT_NEAR(r.right, expected.right, 1e-6);
        EXPECT_NEAR(r.bottom, expected.bottom, 1e-6);
    }

    // Everything of the layer with the geometry and paint of each object, to see that nothing changed.
    struct Snapshot {
        std::vector<ArtId> listing;
        std::vector<std::size_t> segmentCounts;
        std::vector<AIBoolean> fills;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Take() {
        Snapshot s;
        EXPECT_EQ(doc.ListLayerArt(layer, &s.listing), kNoErr);
        for (ArtId id : s.listing) {
            s.segmentCounts.push_back(doc.Find(id)->segments.size());
            s.fills.push_back(doc.Find(id)->style->fillPaint);
        }
        return s;
    }
};

// Front to back: a marker, the top square, a bystander, the lower square. The result must take the top square's
// place, not the lower one's.
struct Scene {
    ArtId marker, top, bystander, under;
};

class PathfinderCrop : public PathfinderSuite {
protected:
    Scene Build() {
        Scene s;
        s.under = Filled(AddRect(0, 100, 100, 0), Cmyk(0.1, 0.2));
        s.bystander = AddRect(500, 600, 510, 590);
        s.top = Filled(AddRect(50, 50, 150, -50), Cmyk(0.7, 0.8));
        s.marker = AddRect(700, 800, 710, 790);
        return s;
    }
};

TEST_F(PathfinderCrop, TheFrontObjectCutsWhicheverWayTheArrayListsThem) {
    for (bool topFirst : {true, false}) {
        SCOPED_TRACE(topFirst ? "top first" : "under first");
        const Scene s = Build();
        const AIColor underFill = doc.Find(s.under)->style->fill.color;
        ASSERT_EQ(Run(true, topFirst ? std::vector{s.top, s.under} : std::vector{s.under, s.top}), kNoErr);
        EXPECT_FALSE(doc.Contains(s.top));
        EXPECT_FALSE(doc.Contains(s.under));

        const std::vector<ArtId> layerChildren = Children(doc, LayerGroup());
        ASSERT_EQ(layerChildren.size(), 3u);
        EXPECT_EQ(layerChildren[0], s.marker);
        EXPECT_EQ(layerChildren[2], s.bystander);
        const ArtId result = layerChildren[1];
        ASSERT_EQ(doc.Find(result)->type, kGroupArt);

        // The overlap keeps the lower square's fill and loses every stroke; the rest of the top square is bare.
        const std::vector<ArtId> pieces = Children(doc, result);
        ASSERT_EQ(pieces.size(), 2u);
        const Art& overlap = *doc.Find(pieces[0]);
        const Art& topOnly = *doc.Find(pieces[1]);
        ASSERT_EQ(overlap.type, kPathArt);
        EXPECT_TRUE(overlap.style->fillPaint);
        EXPECT_TRUE(SameColor(overlap.style->fill.color, underFill));
        EXPECT_FALSE(overlap.style->strokePaint);
        ExpectRect(Bounds(pieces[0]), {50, 50, 100, 0});
        EXPECT_FALSE(topOnly.style->fillPaint);
        EXPECT_FALSE(topOnly.style->strokePaint);
        ExpectRect(Bounds(pieces[1]), {50, 50, 150, -50});

        ASSERT_EQ(doc.Dispose(result), kNoErr);
        ASSERT_EQ(doc.Dispose(s.marker), kNoErr);
        ASSERT_EQ(doc.Dispose(s.bystander), kNoErr);
    }
}

TEST_F(PathfinderCrop, AFaceWithAHoleIsACompoundPath) {
    // The lower object is a frame (even-odd compound); the top square covers it all.
    const ArtId frame = AddCompound();
    AddRect(10, 90, 90, 10, frame, kPlaceInsideOnTop);
    AddRect(40, 60, 60, 40, frame, kPlaceInsideOnBottom);
    AIPathStyle frameStyle = DefaultPathStyle();
    frameStyle.fill.color = Cmyk(0.3, 0);
    frameStyle.evenodd = 1;
    ASSERT_EQ(doc.SetPathStyle(frame, frameStyle), kNoErr);
    const ArtId top = Filled(AddRect(0, 100, 100, 0), Cmyk(0, 0.9));

    ASSERT_EQ(Run(true, {frame, top}), kNoErr);
    const std::vector<ArtId> layerChildren = Children(doc, LayerGroup());
    ASSERT_EQ(layerChildren.size(), 1u);
    int filledCompounds = 0, bareCompounds = 0, barePaths = 0;
    for (ArtId piece : Children(doc, layerChildren[0])) {
        const Art& a = *doc.Find(piece);
        AIPathStyle style;
        ASSERT_EQ(doc.GetPathStyle(piece, &style), kNoErr);
        if (a.type == kCompoundPathArt) {
            EXPECT_EQ(Children(doc, piece).size(), 2u);
            (style.fillPaint ? filledCompounds : bareCompounds)++;
            if (style.fillPaint) {
                EXPECT_TRUE(SameColor(style.fill.color, frameStyle.fill.color));
            }
        } else {
            ASSERT_EQ(a.type, kPathArt);
            EXPECT_FALSE(style.fillPaint);
            ++barePaths;
        }
    }
    // The frame itself, the top square around it, and the square seen through the frame's hole.
    EXPECT_EQ(filledCompounds, 1);
    EXPECT_EQ(bareCompounds, 1);
    EXPECT_EQ(barePaths, 1);
}

class PathfinderOutline : public PathfinderSuite {
protected:
    // The top square over the lower one; their outlines cross twice.
    Scene Build(bool underFilled) {
        Scene s;
        s.under = AddRect(50, 50, 150, -50);
        if (underFilled) {
            Filled(s.under, Cmyk(0.1, 0.2));
        } else {
            Unfilled(s.under);
        }
        s.bystander = AddRect(500, 600, 510, 590);
        s.top = Filled(AddRect(0, 100, 100, 0), Cmyk(0.7, 0.8));
        s.marker = AddRect(700, 800, 710, 790);
        return s;
    }

    // Pieces of the result, split by where they came from: the top square's are stroked in its fill colour.
    struct Pieces {
        AIReal topLength = 0;
        AIReal underLength = 0;
        std::vector<ArtId> under;
    };
    Pieces Read(ArtId result, const AIColor& topFill) {
        Pieces out;
        for (ArtId id : Children(doc, result)) {
            const Art& a = *doc.Find(id);
            EXPECT_EQ(a.type, kPathArt);
            EXPECT_FALSE(a.style->fillPaint);
            if (a.style->strokePaint && SameColor(a.style->stroke.color, topFill)) {
                out.topLength += PolylineLength(a);
            } else {
                out.underLength += PolylineLength(a);
                out.under.push_back(id);
            }
        }
        return out;
    }
};

TEST_F(PathfinderOutline, LinesUnderTheFilledTopAreGoneAndPiecesTakeTheirFillColour) {
    const Scene s = Build(true);
    const AIColor underFill = doc.Find(s.under)->style->fill.color;
    const AIColor topFill = doc.Find(s.top)->style->fill.color;
    ASSERT_EQ(Run(false, {s.under, s.top}), kNoErr);
    EXPECT_FALSE(doc.Contains(s.top));
    EXPECT_FALSE(doc.Contains(s.under));
    const std::vector<ArtId> layerChildren = Children(doc, LayerGroup());
    ASSERT_EQ(layerChildren.size(), 3u);
    EXPECT_EQ(layerChildren[0], s.marker);
    EXPECT_EQ(layerChildren[2], s.bystander);

    const Pieces pieces = Read(layerChildren[1], topFill);
    EXPECT_NEAR(pieces.topLength, 400, 1e-6);
    // The lower square's left and top sides run 50 points each under the top square.
    EXPECT_NEAR(pieces.underLength, 300, 1e-6);
    for (ArtId id : pieces.under) {
        const Art& a = *doc.Find(id);
        EXPECT_TRUE(a.style->strokePaint);
        EXPECT_TRUE(SameColor(a.style->stroke.color, underFill));
        for (const AIPathSegment& seg : a.segments)
            EXPECT_FALSE(seg.p.h < 100 - 1e-9 && seg.p.v > 0 + 1e-9) << seg.p.h << "," << seg.p.v;
    }
}

TEST_F(PathfinderOutline, PiecesOfAnUnfilledObjectAreUnstroked) {
    const Scene s = Build(false);
    const AIColor topFill = doc.Find(s.top)->style->fill.color;
    ASSERT_EQ(Run(false, {s.top, s.under}), kNoErr);
    const Pieces pieces = Read(Children(doc, LayerGroup())[1], topFill);
    EXPECT_NEAR(pieces.topLength, 400, 1e-6);
    EXPECT_NEAR(pieces.underLength, 300, 1e-6);
    ASSERT_FALSE(pieces.under.empty());
    for (ArtId id : pieces.under)
        EXPECT_FALSE(doc.Find(id)->style->strokePaint);
}

TEST_F(PathfinderOutline, AnUnfilledTopHidesNothing) {
    const Scene s = Build(true);
    Unfilled(s.top);
    ASSERT_EQ(Run(false, {s.top, s.under}), kNoErr);
    AIColor none{};
    const Pieces pieces = Read(Children(doc, LayerGroup())[1], none);
    // Nothing is stroked in the (absent) colour of the top square, so every piece counts as "under" here.
    EXPECT_NEAR(pieces.underLength, 800, 1e-6);
}

TEST_F(PathfinderSuite, BadInputIsRefusedAndChangesNothing) {
    const ArtId a = AddRect(0, 100, 100, 0);
    const ArtId b = AddRect(50, 50, 150, -50);
    const ArtId group = AddGroup();
    AddRect(20, 30, 40, 10, group, kPlaceInsideOnTop);
    const ArtId compound = AddCompound();
    const ArtId member = AddRect(60, 70, 80, 60, compound, kPlaceInsideOnTop);
    const ArtId gone = AddRect(0, 10, 10, 0);
    const AIArtHandle goneHandle = H(gone);
    ASSERT_EQ(doc.Dispose(gone), kNoErr);
    const Snapshot before = Take();

    for (bool crop : {true, false}) {
        SCOPED_TRACE(crop ? "crop" : "outline");
        EXPECT_EQ(Run(crop, {a}), kBadParameterErr);
        EXPECT_EQ(Run(crop, {a, b, a}), kBadParameterErr);
        EXPECT_NE(Run(crop, {a, group}), kNoErr);
        EXPECT_NE(Run(crop, {compound, member}), kNoErr);
        EXPECT_NE(Run(crop, {a, a}), kNoErr);

        AIArtHandle dead[2] = {H(a), goneHandle};
        AIPathfinderData data{};
        data.fSelectedArt = dead;
        data.fSelectedArtCount = 2;
        AIFilterMessage message{};
        EXPECT_NE(crop ? pathfinder->DoCropEffect(&data, &message) : pathfinder->DoOutlineEffect(&data, &message),
                  kNoErr);
        data.fSelectedArt = nullptr;
        EXPECT_EQ(pathfinder->DoCropEffect(&data, &message), kBadParameterErr);
        EXPECT_EQ(pathfinder->DoOutlineEffect(nullptr, &message), kBadParameterErr);
        EXPECT_TRUE(Take() == before);
    }
}

// The lower operand goes last, so a refusal found only then would leave the pieces made and the top object gone.
// Each refusal is found before anything changes, and answers a code that names its cause.
TEST_F(PathfinderSuite, AnOperandThatCannotGoIsRefusedBeforeAnythingChanges) {
    const ArtId top = AddRect(0, 100, 100, 0);
    const ArtId under = AddRect(50, 50, 150, -50, top, kPlaceBelow);
    const LayerId other = AddLayer("other");
    const ArtId elsewhere = AddRect(50, 50, 150, -50, doc.FindLayer(other)->group, kPlaceInsideOnTop);
    const std::vector<AIPathSegment> corners = doc.Find(under)->segments;
    struct Case {
        const char* name;
        std::function<void()> arrange, undo;
        std::vector<ArtId> operands;
        AIErr expected;
    };
    const std::vector<Case> cases = {
        {"locked lower object",
         [&] { doc.SetUserAttr(under, kArtLocked, kArtLocked); },
         [&] { doc.SetUserAttr(under, kArtLocked, 0); },
         {top, under},
         kArtLockedErr},
        {"hidden lower object",
         [&] { doc.SetUserAttr(under, kArtHidden, kArtHidden); },
         [&] { doc.SetUserAttr(under, kArtHidden, 0); },
         {under, top},
         kArtHiddenErr},
        {"locked top object",
         [&] { doc.SetUserAttr(top, kArtLocked, kArtLocked); },
         [&] { doc.SetUserAttr(top, kArtLocked, 0); },
         {top, under},
         kArtLockedErr},
        {"lower object on a locked layer",
         [&] { doc.FindLayer(other)->editable = false; },
         [&] { doc.FindLayer(other)->editable = true; },
         {top, elsewhere},
         kArtLockedErr},
        {"lower object on a hidden layer",
         [&] { doc.FindLayer(other)->visible = false; },
         [&] { doc.FindLayer(other)->visible = true; },
         {elsewhere, top},
         kArtHiddenErr},
        {"a corner that is not a number",
         [&] { doc.Find(under)->segments[1].p.h = std::numeric_limits<AIReal>::quiet_NaN(); },
         [&] { doc.Find(under)->segments = corners; },
         {top, under},
         FourCharErr("PFIN")},
    };
    for (bool crop : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(crop ? "crop, " : "outline, ") + c.name);
            const std::size_t artBefore = doc.ArtCount();
            const Snapshot before = Take();
            c.arrange();
            EXPECT_EQ(Run(crop, c.operands), c.expected);
            c.undo();
            EXPECT_EQ(doc.ArtCount(), artBefore);
            EXPECT_TRUE(Take() == before);
        }
    }
}

}  // namespace
}  // namespace headless
