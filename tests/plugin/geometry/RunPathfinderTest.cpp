// The path cutter's Pathfinder run over the work layer arrangements the cuts make: which two objects each code
// takes, what replaces them, and the runs that perform no operation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "plugin/geometry/ArtTree.h"
#include "plugin/geometry/PathCutter.h"
#include "plugin/geometry/PathfinderCall.h"
#include "tests/plugin/geometry/GeometryFixture.h"

namespace trimora::testing {
namespace {

using headless::Art;

AIPathStyle AreaPaint() {
    AIPathStyle s = headless::DefaultPathStyle();
    s.fillPaint = 1;
    s.fill.color.kind = kFourColor;
    s.fill.color.c.f = {0, 0, 0, 1.0};
    return s;
}

AIPathStyle LinePaint() {
    AIPathStyle s = headless::DefaultPathStyle();
    s.fillPaint = 0;
    s.strokePaint = 1;
    s.stroke.color.kind = kFourColor;
    s.stroke.color.c.f = {0, 0, 0, 1.0};
    return s;
}

// Pieces here are straight-sided.
AIReal Area(const Art& path) {
    const auto& s = path.segments;
    AIReal twice = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const AIRealPoint p = s[i].p, q = s[(i + 1) % s.size()].p;
        twice += p.h * q.v - q.h * p.v;
    }
    return std::abs(twice) / 2;
}

AIReal Length(const Art& path) {
    const auto& s = path.segments;
    AIReal length = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
        length += std::hypot(s[i].p.h - s[i - 1].p.h, s[i].p.v - s[i - 1].p.v);
    return length;
}

class RunPathfinder : public GeometryTest {
protected:
    RunPathfinder() : work(AddLayer("Work", kPlaceAboveAll)) {
        cutter.SetPluginRef(pluginRef);
        EXPECT_EQ(cutter.SetWorkLayer(H(work)), kNoErr);
        square = AddRect(0, 100, 100, 0);
        line = AddPath({{-50, 25}, {200, 25}}, false);
        region = AddRect(50, 50, 150, -50);
    }

    ArtId WorkGroup() { return GroupOf(work); }

    struct Arrangement {
        ArtId a, b, complement;
    };
    // The copy of B on top of the work group and the copy of A below it (above it with aOnTop); with a
    // complement, B's copy goes into a compound path under a rectangle around both copies, wound against it.
    Arrangement Arrange(ArtId a, bool aOnTop, bool complement) {
        Arrangement w;
        EXPECT_EQ(doc.Duplicate(region, kPlaceInsideOnTop, WorkGroup(), &w.b), kNoErr);
        EXPECT_EQ(doc.Duplicate(a, aOnTop ? kPlaceAbove : kPlaceBelow, w.b, &w.a), kNoErr);
        if (!complement) return w;
        AIRealRect ra, rb;
        EXPECT_EQ(doc.Bounds(w.a, nullptr, &ra), kNoErr);
        EXPECT_EQ(doc.Bounds(w.b, nullptr, &rb), kNoErr);
        const AIReal l = std::min(ra.left, rb.left) - 1, t = std::max(ra.top, rb.top) + 1;
        const AIReal r = std::max(ra.right, rb.right) + 1, b = std::min(ra.bottom, rb.bottom) - 1;
        const ArtId rect = AddPath({{l, t}, {l, b}, {r, b}, {r, t}}, true, w.b, kPlaceAbove);
        EXPECT_EQ(doc.NewArt(kCompoundPathArt, kPlaceAbove, rect, &w.complement), kNoErr);
        EXPECT_EQ(doc.Reorder(w.b, kPlaceInsideOnTop, w.complement), kNoErr);
        EXPECT_EQ(doc.Reorder(rect, kPlaceInsideOnTop, w.complement), kNoErr);
        EXPECT_EQ(doc.SetPathStyle(w.complement, AreaPaint()), kNoErr);
        return w;
    }
    void Paint(ArtId id, const AIPathStyle& style) { EXPECT_EQ(doc.SetPathStyle(id, style), kNoErr); }

    // Selects the work group's tree as the cuts do and runs the operation.
    AIErr Run(ASInt32 code) {
        EXPECT_EQ(SetArtTreeAttr(H(WorkGroup()), kArtSelected | kArtLocked | kArtHidden, kArtSelected, false), kNoErr);
        return cutter.RunPathfinder(code);
    }

    // The one object left in the work group: the operation's result, in the place of the front object.
    ArtId Result() {
        const std::vector<ArtId> left = Children(doc, WorkGroup());
        EXPECT_EQ(left.size(), 1u);
        if (left.size() != 1) return {};
        EXPECT_EQ(doc.Find(left[0])->type, kGroupArt);
        return left[0];
    }
    AIReal PieceArea(ArtId result, bool filled) {
        AIReal area = 0;
        for (ArtId piece : Children(doc, result)) {
            const Art& a = *doc.Find(piece);
            if ((a.style->fillPaint != 0) != filled) continue;
            EXPECT_EQ(a.type, kPathArt);
            area += Area(a);
        }
        return area;
    }
    // The pieces of the line: the operation leaves them without stroke.
    std::vector<const Art*> LinePieces(ArtId result) {
        std::vector<const Art*> out;
        for (ArtId piece : Children(doc, result)) {
            const Art& a = *doc.Find(piece);
            if (!a.style->strokePaint) out.push_back(&a);
        }
        return out;
    }
    void ExpectOriginalsUntouched() {
        for (ArtId id : {square, line, region}) {
            EXPECT_TRUE(doc.Contains(id));
            EXPECT_EQ(doc.Find(id)->userAttrs & kArtSelected, 0);
        }
    }

    LayerId work;
    PathCutter cutter;
    ArtId square, line, region;
};

TEST_F(RunPathfinder, SetWorkLayerBindsTheLayerGroup) {
    EXPECT_EQ(cutter.WorkLayer(), H(work));
    EXPECT_EQ(cutter.WorkGroup(), H(WorkGroup()));
    PathCutter other;
    const LayerId gone = AddLayer("Gone");
    const AILayerHandle goneHandle = H(gone);
    ASSERT_EQ(doc.DeleteLayer(gone), kNoErr);
    EXPECT_NE(other.SetWorkLayer(goneHandle), kNoErr);
}

TEST_F(RunPathfinder, CropWithBOnTopKeepsTheOverlapFilled) {
    const Arrangement w = Arrange(square, false, false);
    ASSERT_EQ(Run(kCropByFront), kNoErr);
    EXPECT_FALSE(doc.Contains(w.a));
    EXPECT_FALSE(doc.Contains(w.b));
    const ArtId result = Result();
    EXPECT_NEAR(PieceArea(result, true), 2500, 1e-6);   // the square inside the region, in the square's paint
    EXPECT_NEAR(PieceArea(result, false), 7500, 1e-6);  // the rest of the region
    ExpectOriginalsUntouched();
}

TEST_F(RunPathfinder, CropWithAOnTopLeavesThePartOutsideUnfilled) {
    const Arrangement w = Arrange(square, true, false);
    Paint(w.b, AreaPaint());
    ASSERT_EQ(Run(kCropByFront), kNoErr);
    EXPECT_FALSE(doc.Contains(w.a));
    EXPECT_FALSE(doc.Contains(w.b));
    const ArtId result = Result();
    EXPECT_NEAR(PieceArea(result, false), 7500, 1e-6);
    EXPECT_NEAR(PieceArea(result, true), 2500, 1e-6);
}

TEST_F(RunPathfinder, CropByTheComplementKeepsThePartOutsideFilled) {
    const Arrangement w = Arrange(square, false, true);
    ASSERT_EQ(Run(kCropByComplement), kNoErr);
    EXPECT_FALSE(doc.Contains(w.a));
    EXPECT_FALSE(doc.Contains(w.b));
    EXPECT_FALSE(doc.Contains(w.complement));
    EXPECT_NEAR(PieceArea(Result(), true), 7500, 1e-6);
    ExpectOriginalsUntouched();
}

TEST_F(RunPathfinder, OutlineUnderTheComplementKeepsTheLineInside) {
    const Arrangement w = Arrange(line, false, true);
    Paint(w.a, LinePaint());
    ASSERT_EQ(Run(kOutlineAgainstComplement), kNoErr);
    EXPECT_FALSE(doc.Contains(w.a));
    EXPECT_FALSE(doc.Contains(w.complement));
    AIReal length = 0;
    for (const Art* piece : LinePieces(Result())) {
        length += Length(*piece);
        for (const AIPathSegment& s : piece->segments) {
            EXPECT_GE(s.p.h, 50 - 1e-9);
            EXPECT_LE(s.p.h, 150 + 1e-9);
        }
    }
    EXPECT_NEAR(length, 100, 1e-6);
    ExpectOriginalsUntouched();
}

TEST_F(RunPathfinder, OutlineUnderTheRegionKeepsTheLineOutside) {
    const Arrangement w = Arrange(line, false, false);
    Paint(w.b, AreaPaint());
    Paint(w.a, LinePaint());
    ASSERT_EQ(Run(kOutlineAgainstRegion), kNoErr);
    EXPECT_FALSE(doc.Contains(w.a));
    EXPECT_FALSE(doc.Contains(w.b));
    AIReal length = 0;
    for (const Art* piece : LinePieces(Result())) {
        length += Length(*piece);
        for (const AIPathSegment& s : piece->segments)
            EXPECT_TRUE(s.p.h <= 50 + 1e-9 || s.p.h >= 150 - 1e-9) << s.p.h;
    }
    EXPECT_NEAR(length, 150, 1e-6);
}

TEST_F(RunPathfinder, ACodeWithoutAnOperationSetsUpTheMessageAndRunsNothing) {
    const Arrangement w = Arrange(square, false, false);
    const std::size_t mark = Mark();
    EXPECT_EQ(Run(8), kNoErr);
    EXPECT_TRUE(CallsSince(mark, "AIPathfinderSuite::").empty());
    EXPECT_EQ(CallsSince(mark, "AIArtSetSuite::SelectedArtSet").size(), 1u);
    EXPECT_EQ(CallsSince(mark, "AIPluginSuite::SetupPluginData").size(), 1u);
    EXPECT_EQ(app.artSets.LiveCount(), 0u);
    EXPECT_TRUE(doc.Contains(w.a));
    EXPECT_TRUE(doc.Contains(w.b));
}

TEST_F(RunPathfinder, AFailedMessageSetUpEndsTheRun) {
    Arrange(square, false, false);
    PathCutter unregistered;
    ASSERT_EQ(unregistered.SetWorkLayer(H(work)), kNoErr);
    ASSERT_EQ(SetArtTreeAttr(H(WorkGroup()), kArtSelected, kArtSelected, false), kNoErr);
    const std::size_t mark = Mark();
    EXPECT_NE(unregistered.RunPathfinder(kCropByFront), kNoErr);
    EXPECT_TRUE(CallsSince(mark, "AIPathfinderSuite::").empty());
    EXPECT_EQ(app.artSets.LiveCount(), 0u);
}

TEST_F(RunPathfinder, APositionBeyondTheSelectionPassesNullAndTheHostRefuses) {
    // Only three entries: position 4 does not exist.
    const Arrangement w = Arrange(square, false, false);
    EXPECT_NE(Run(kCropByComplement), kNoErr);
    EXPECT_TRUE(doc.Contains(w.a));
    EXPECT_TRUE(doc.Contains(w.b));
    EXPECT_EQ(app.artSets.LiveCount(), 0u);
}

// The log shows which handle the module listed first: the back object for Outline against the complement, the front
// one for Crop by it. The host finds the front one by the stacking order either way (the results are checked above).
TEST_F(RunPathfinder, TheLogShowsTheHandlesInTheOrderTheModuleListedThem) {
    struct Case {
        ASInt32 code;
        const char* operation;
        bool backFirst;
    };
    for (const Case c : {Case{kOutlineAgainstComplement, "AIPathfinderSuite::DoOutlineEffect", true},
                         Case{kCropByComplement, "AIPathfinderSuite::DoCropEffect", false}}) {
        SCOPED_TRACE(c.operation);
        const Arrangement w = Arrange(line, false, true);
        Paint(w.a, LinePaint());
        ASSERT_EQ(Run(c.code), kNoErr);
        const std::string front = headless::DescribeArguments(H(w.complement));
        const std::string back = headless::DescribeArguments(H(w.a));
        const std::vector<std::string> passed = app.calls.ArgumentsOf(c.operation);
        ASSERT_EQ(passed.size(), 1u);
        EXPECT_TRUE(passed[0].ends_with("; art " + (c.backFirst ? back + ", " + front : front + ", " + back)))
            << passed[0];
        ASSERT_EQ(ClearLayerArt(H(work)), kNoErr);
        app.calls.Clear();
    }
}

}  // namespace
}  // namespace trimora::testing
