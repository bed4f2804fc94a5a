// The document, view, shape construction and hit test suites.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plugin/sdk/AIDocument.h"
#include "plugin/sdk/AIDocumentView.h"
#include "plugin/sdk/AIHitTest.h"
#include "plugin/sdk/AIPath.h"
#include "plugin/sdk/AIShapeConstruction.h"
#include "tests/support/HostFixture.h"

namespace headless {
namespace {

using testing::HostTest;

class DocumentSuites : public HostTest {
protected:
    const AIDocumentSuite* document = Acquire<AIDocumentSuite>(kAIDocumentSuite, kAIDocumentSuiteVersion);
    const AIDocumentViewSuite* views = Acquire<AIDocumentViewSuite>(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
    const AIShapeConstructionSuite* shapes =
        Acquire<AIShapeConstructionSuite>(kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion);
    const AIPathSuite* paths = Acquire<AIPathSuite>(kAIPathSuite, kAIPathSuiteVersion);
};

TEST_F(DocumentSuites, RedrawsAreCountedAndTheDocumentHasOneView) {
    ASSERT_EQ(document->RedrawDocument(), kNoErr);
    ASSERT_EQ(document->RedrawDocument(), kNoErr);
    EXPECT_EQ(app.user.redraws, 2);
    AIDocumentHandle d = nullptr;
    ASSERT_EQ(document->GetDocument(&d), kNoErr);
    EXPECT_NE(d, nullptr);

    ASInt32 count = 0;
    ASSERT_EQ(views->CountDocumentViews(&count), kNoErr);
    EXPECT_EQ(count, 1);
    AIDocumentViewHandle view, none = nullptr;
    ASSERT_EQ(views->GetNthDocumentView(0, &view), kNoErr);
    none = view;
    EXPECT_EQ(views->GetNthDocumentView(1, &none), kOutOfRangeErr);
    EXPECT_EQ(none, nullptr);

    // Zoom keeps the centre; the bounds follow.
    const AIRealPoint centre{100, 50};
    ASSERT_EQ(views->SetDocumentViewCenter(view, &centre), kNoErr);
    ASSERT_EQ(views->SetDocumentViewZoom(view, 2), kNoErr);
    AIRealRect b;
    ASSERT_EQ(views->GetDocumentViewBounds(view, &b), kNoErr);
    EXPECT_EQ(std::vector<AIReal>({b.left, b.top, b.right, b.bottom}), std::vector<AIReal>({-100, 200, 300, -100}));
    AIReal zoom = 0;
    AIRealPoint c{};
    ASSERT_EQ(views->GetDocumentViewZoom(view, &zoom), kNoErr);
    ASSERT_EQ(views->GetDocumentViewCenter(view, &c), kNoErr);
    EXPECT_EQ(zoom, 2);
    EXPECT_EQ(c.h, 100);
    EXPECT_EQ(views->SetDocumentViewZoom(view, 0), kBadParameterErr);
    EXPECT_EQ(views->SetDocumentViewZoom(view, std::numeric_limits<AIReal>::quiet_NaN()), kBadParameterErr);

    // A view of a document that is no longer current is refused.
    app.NewDocument();
    EXPECT_EQ(views->GetDocumentViewZoom(view, &zoom), kDeadHandleErr);
    app.CloseDocument();
    app.CloseDocument();
    EXPECT_EQ(document->RedrawDocument(), kNoDocumentErr);
    EXPECT_EQ(views->CountDocumentViews(&count), kNoErr);
    EXPECT_EQ(count, 0);
}

TEST_F(DocumentSuites, NewRectRunsClockwiseFromTheTopLeftAndReversedFlipsIt) {
    AIArtHandle rect, reversed;
    ASSERT_EQ(shapes->NewRect(10, 0, 0, 20, 0, &rect), kNoErr);
    ASSERT_EQ(shapes->NewRect(10, 0, 0, 20, 1, &reversed), kNoErr);
    AIPathSegment s[4];
    ASSERT_EQ(paths->GetPathSegments(rect, 0, 4, s), kNoErr);
    EXPECT_EQ(std::vector<AIReal>({s[0].p.h, s[0].p.v, s[1].p.h, s[1].p.v, s[2].p.h, s[2].p.v, s[3].p.h, s[3].p.v}),
              std::vector<AIReal>({0, 10, 20, 10, 20, 0, 0, 0}));
    AIBoolean closed = 0;
    ASSERT_EQ(paths->GetPathClosed(rect, &closed), kNoErr);
    EXPECT_EQ(closed, 1);
    AIReal area = 0, reversedArea = 0;
    ASSERT_EQ(paths->GetPathArea(rect, &area), kNoErr);
    ASSERT_EQ(paths->GetPathArea(reversed, &reversedArea), kNoErr);
    EXPECT_DOUBLE_EQ(area, -200);
    EXPECT_DOUBLE_EQ(reversedArea, 200);

    // Frontmost in the current layer, with the current style.
    EXPECT_EQ(doc.Find(doc.FindLayer(layer)->group)->firstChild, ArtIdOf(reversed));
    EXPECT_EQ(ArtOf(rect).style->stroke.width, doc.currentStyle.stroke.width);
    AIArtHandle none = rect;
    EXPECT_EQ(shapes->NewRect(std::numeric_limits<AIReal>::infinity(), 0, 0, 1, 0, &none), kBadParameterErr);
    EXPECT_EQ(none, nullptr);
}

class HitTestSuite : public HostTest {
protected:
    const AIHitTestSuite* hits = Acquire<AIHitTestSuite>(kAIHitTestSuite, kAIHitTestSuiteVersion);

    // The art hit at (h, v), or null for a miss; the hit reference is released.
    AIArtHandle HitAt(ArtId art, AIReal h, AIReal v, ASInt32 request = kAllHitRequest) {
        const AIRealPoint p{h, v};
        AIHitRef hit = nullptr;
        EXPECT_EQ(hits->HitTest(H(art), &p, request, &hit), kNoErr);
        const AIArtHandle found = hits->GetArt(hit);
        EXPECT_EQ(hits->IsHit(hit) != 0, found != nullptr);
        EXPECT_EQ(hits->Release(hit), kNoErr);
        return found;
    }
    // Two nested squares wound the same way: non-zero fills the hole, even-odd leaves it.
    ArtId NestedSquares() {
        const ArtId p = AddPath(
            {{0, 0}, {30, 0}, {30, 30}, {0, 30}, {0, 0}, {10, 10}, {20, 10}, {20, 20}, {10, 20}, {10, 10}}, true);
        doc.Find(p)->style.Edit().strokePaint = 0;
        return p;
    }
};

TEST_F(HitTestSuite, FilledPathsFollowTheirFillRule) {
    const ArtId p = NestedSquares();
    EXPECT_EQ(HitAt(p, 5, 20), H(p));
    EXPECT_EQ(HitAt(p, 15, 15), H(p));
    EXPECT_EQ(HitAt(p, 40, 15), nullptr);
    doc.Find(p)->style.Edit().evenodd = 1;
    EXPECT_EQ(HitAt(p, 5, 20), H(p));
    EXPECT_EQ(HitAt(p, 15, 15), nullptr);
    // Unfilled: only the outline is hit.
    doc.Find(p)->style.Edit().fillPaint = 0;
    EXPECT_EQ(HitAt(p, 5, 20), nullptr);
    EXPECT_EQ(HitAt(p, 30, 15), H(p));
    EXPECT_EQ(HitAt(p, 30, 15, kFillHitRequest), nullptr);
}

TEST_F(HitTestSuite, CompoundPathsWindAllMembersTogether) {
    ArtId compound;
    ASSERT_EQ(doc.NewArt(kCompoundPathArt, kPlaceAboveAll, {}, &compound), kNoErr);
    // The hole runs the other way, so even non-zero leaves it empty.
    AddPath({{0, 0}, {30, 0}, {30, 30}, {0, 30}}, true, compound, kPlaceInsideOnTop);
    const ArtId hole = AddPath({{10, 10}, {10, 20}, {20, 20}, {20, 10}}, true, compound, kPlaceInsideOnBottom);
    EXPECT_EQ(HitAt(compound, 5, 5, kFillHitRequest), H(compound));
    EXPECT_EQ(HitAt(compound, 15, 15, kFillHitRequest), nullptr);
    EXPECT_EQ(HitAt(compound, 15, 10, kSegmentHitRequest), H(hole));  // on the hole's outline: the member
}

// The fill is judged on the exact curve, as the Pathfinder judges it: a point a hair inside a curved edge is hit and
// one a hair outside is not, wherever along the edge it lies (a polyline within any tolerance gets some wrong).
TEST_F(HitTestSuite, FillsAreJudgedOnTheExactCurve) {
    const ArtId p = AddPath({{0, 0}, {1, 0}}, true);
    constexpr AIReal r = 100, k = 0.5522847498307936 * r;
    doc.Find(p)->segments = {{{r, 0}, {r, -k}, {r, k}, 0},
                             {{0, r}, {k, r}, {-k, r}, 0},
                             {{-r, 0}, {-r, k}, {-r, -k}, 0},
                             {{0, -r}, {-k, -r}, {k, -r}, 0}};
    doc.Find(p)->style.Edit().strokePaint = 0;
    // Points on the first quarter, between the vertices any halving would make, and the outward direction there.
    for (int i = 1; i < 64; ++i) {
        const AIReal t = i / 64.3, u = 1 - t;
        const AIReal x = u * u * u * r + 3 * u * u * t * r + 3 * u * t * t * k;
        const AIReal y = 3 * u * u * t * k + 3 * u * t * t * r + t * t * t * r;
        const AIReal len = std::hypot(x, y), nx = x / len, ny = y / len;
        constexpr AIReal kHair = 1e-5;
        EXPECT_EQ(HitAt(p, x - kHair * nx, y - kHair * ny, kFillHitRequest), H(p)) << i;
        EXPECT_EQ(HitAt(p, x + kHair * nx, y + kHair * ny, kFillHitRequest), nullptr) << i;
    }
}

TEST_F(HitTestSuite, StrokesGroupsAndReleasedReferences) {
    const ArtId line = AddPath({{0, 0}, {100, 0}}, false);
    doc.Find(line)->style.Edit().fillPaint = 0;
    doc.Find(line)->style.Edit().stroke.width = 4;
    EXPECT_EQ(HitAt(line, 50, 1.9), H(line));
    EXPECT_EQ(HitAt(line, 50, 2.1), nullptr);
    // A curved stroke is followed along the curve.
    Art& l = *doc.Find(line);
    l.segments[0].out = {0, 40};
    l.segments[1].in = {100, 40};
    EXPECT_EQ(HitAt(line, 50, 30), H(line));  // the curve's top
    EXPECT_EQ(HitAt(line, 50, 1), nullptr);

    const ArtId g = AddGroup();
    const ArtId inside = AddRect(0, 10, 10, 0, g, kPlaceInsideOnTop);
    EXPECT_EQ(HitAt(g, 5, 5), H(inside));
    doc.Find(inside)->userAttrs |= kArtHidden;
    EXPECT_EQ(HitAt(g, 5, 5), nullptr);

    const AIRealPoint p{5, 5};
    AIHitRef hit;
    ASSERT_EQ(hits->HitTest(H(g), &p, kAllHitRequest, &hit), kNoErr);
    ASSERT_EQ(hits->Release(hit), kNoErr);
    EXPECT_EQ(hits->Release(hit), kDeadHandleErr);
    EXPECT_EQ(hits->IsHit(hit), 0);
    EXPECT_EQ(hits->GetArt(hit), nullptr);
    EXPECT_EQ(hits->HitTest(H(g), nullptr, kAllHitRequest, &hit), kBadParameterErr);
    EXPECT_EQ(app.hits.LiveCount(), 0u);
}

}  // namespace
}  // namespace headless
