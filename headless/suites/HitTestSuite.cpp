// The hit test suite: which art lies under a point. Fills are hit by their fill rule, outlines within a small reach
// (half the stroke for stroked paths), and the answer is kept in the application until it is released.
#include <algorithm>
#include <cmath>

#include "headless/document/SdkGeometry.h"
#include "headless/geometry/Path.h"
#include "headless/geometry/Tolerance.h"
#include "headless/suites/ArtSuiteParts.h"
#include "headless/suites/HostEntry.h"
#include "plugin/sdk/AIHitTest.h"

namespace headless {
namespace {

struct Probe {
    const Document& doc;
    AIRealPoint point;
    bool fill;
    bool outline;
};

bool Paints(AIBoolean paint, const AIColor& color) {
    return paint && color.kind != kNoneColor;
}

AIReal DistanceToOutline(const Art& path, AIRealPoint p) {
    const std::vector<AIPathSegment>& segs = path.segments;
    if (segs.empty()) return INFINITY;
    const geometry::Point q = ToPoint(p);
    AIReal best = geometry::Distance(q, ToPoint(segs[0].p));
    const std::size_t n = segs.size();
    const std::size_t count = path.closed && n > 1 ? n : n - 1;
    for (std::size_t i = 0; i < count; ++i) {
        const geometry::Cubic c = SegmentCubic(segs[i], segs[(i + 1) % n]);
        if (c.ControlBounds().Intersects(geometry::Box{q.x, q.y, q.x, q.y}, best))
            best = std::min(best, geometry::DistanceTo(c, q, geometry::kFlattenTolerance));
    }
    return best;
}

bool InsideByRule(int winding, bool evenOdd) {
    return geometry::InsideByRule(winding, evenOdd ? geometry::FillRule::kEvenOdd : geometry::FillRule::kNonZero);
}

// Every path of a compound path, members of nested groups too.
template <typename Fn>
void ForEachMemberPath(const Document& doc, const Art& container, Fn&& fn) {
    for (ArtId c = container.firstChild; c; c = doc.Find(c)->next) {
        const Art& m = *doc.Find(c);
        if (m.type == kPathArt) fn(c, m);
        ForEachMemberPath(doc, m, fn);
    }
}

int CompoundWinding(const Document& doc, const Art& compound, AIRealPoint p) {
    int winding = 0;
    ForEachMemberPath(doc, compound, [&](ArtId, const Art& m) { winding += WindingNumber(m.segments, m.closed, p); });
    return winding;
}

AIReal OutlineReach(const AIPathStyle& s) {
    return Paints(s.strokePaint, s.stroke.color) ? std::max(geometry::kOutlineReach, s.stroke.width / 2)
                                                 : geometry::kOutlineReach;
}

ArtId HitArt(const Probe& probe, ArtId id);

ArtId HitPath(const Probe& probe, ArtId id, const Art& a) {
    if (probe.fill && Paints(a.style->fillPaint, a.style->fill.color) &&
        InsideByRule(WindingNumber(a.segments, a.closed, probe.point), a.style->evenodd != 0)) {
        return id;
    }
    if (probe.outline && DistanceToOutline(a, probe.point) <= OutlineReach(a.style)) return id;
    return {};
}

// A fill hit answers the compound path; an outline hit answers the member whose outline it touched.
ArtId HitCompound(const Probe& probe, ArtId id, const Art& a) {
    AIPathStyle style;
    probe.doc.GetPathStyle(id, &style);
    if (probe.fill && Paints(style.fillPaint, style.fill.color) &&
        InsideByRule(CompoundWinding(probe.doc, a, probe.point), style.evenodd != 0)) {
        return id;
    }
    ArtId touched;
    if (probe.outline) {
        ForEachMemberPath(probe.doc, a, [&](ArtId member, const Art& m) {
            if (!touched && DistanceToOutline(m, probe.point) <= OutlineReach(style)) touched = member;
        });
    }
    return touched;
}

// The area a clipping path lets through.
bool InsideMask(const Probe& probe, const Art& mask) {
    if (mask.type == kPathArt)
        return InsideByRule(WindingNumber(mask.segments, mask.closed, probe.point), mask.style->evenodd != 0);
    const Art* first = mask.firstChild ? probe.doc.Find(mask.firstChild) : nullptr;
    return InsideByRule(CompoundWinding(probe.doc, mask, probe.point), first && first->style->evenodd);
}

bool IsMask(const Document& doc, const Art& a) {
    if (a.type == kPathArt) return a.style->clip != 0;
    return a.type == kCompoundPathArt && a.firstChild && doc.Find(a.firstChild)->style->clip;
}

ArtId HitGroup(const Probe& probe, const Art& a) {
    ArtId c = a.firstChild;
    if (a.clipped) {
        while (c && !IsMask(probe.doc, *probe.doc.Find(c)))
            c = probe.doc.Find(c)->next;
        if (c && !InsideMask(probe, *probe.doc.Find(c))) return {};
        c = a.firstChild;
    }
    for (; c; c = probe.doc.Find(c)->next) {
        if (ArtId hit = HitArt(probe, c)) return hit;
    }
    return {};
}

ArtId HitArt(const Probe& probe, ArtId id) {
    const Art& a = *probe.doc.Find(id);
    if (a.userAttrs & kArtHidden) return {};
    switch (a.type) {
        case kPathArt:
            return HitPath(probe, id, a);
        case kCompoundPathArt:
            return HitCompound(probe, id, a);
        case kGroupArt:
            return HitGroup(probe, a);
        case kPluginArt:
            return a.editArt && HitArt(probe, a.editArt) ? id : ArtId{};
        default: {
            // Placed, raster, text and other objects are solid within their bounds.
            AIRealRect r;
            probe.doc.Bounds(id, nullptr, &r);
            const AIRealPoint p = probe.point;
            return p.h >= r.left && p.h <= r.right && p.v >= r.bottom && p.v <= r.top ? id : ArtId{};
        }
    }
}

AIErr HitTest(AIArtHandle art, const AIRealPoint* point, ASInt32 request, AIHitRef* hit) {
    AIHitRef& out = Out(hit);
    out = nullptr;
    const ArtId id = ArtIdOf(art);
    const AIRealPoint p = In(point);
    if (!std::isfinite(p.h) || !std::isfinite(p.v)) return Fail(kBadParameterErr);
    const bool all = request == kAllHitRequest;
    const Probe probe{Doc(), p, all || (request & kFillHitRequest) != 0, all || (request & kSegmentHitRequest) != 0};
    const ArtId found = HitArt(probe, id);
    HitData data;
    data.art = found;
    data.hit = static_cast<bool>(found);
    Application& app = App();
    out = AppHandleOf<AIHitRef>(HandleKind::kHit, app.hits.Add(data));
    return kNoErr;
}

const HitData& HitOf(AIHitRef hit) {
    Application& app = App();
    if (!hit) Throw(kBadParameterErr);
    return app.hits[AppIdOf(HandleKind::kHit, hit, app.hits)];
}

AIBoolean IsHit(AIHitRef hit) {
    return HitOf(hit).hit ? 1 : 0;
}

// Null for a miss, and for art that has gone since the test.
AIArtHandle GetArt(AIHitRef hit) {
    const HitData& data = HitOf(hit);
    return data.hit && Doc().Contains(data.art) ? HandleOf(data.art) : nullptr;
}

AIErr Release(AIHitRef hit) {
    Application& app = App();
    if (!hit) return Fail(kBadParameterErr);
    app.hits.Remove(AppIdOf(HandleKind::kHit, hit, app.hits));
    return kNoErr;
}

constexpr AIHitTestSuite kHitTestSuite = {
    TRIMORA_HOST_FN(AIHitTestSuite, HitTest, HitTest),
    TRIMORA_HOST_VALUE_FN(AIHitTestSuite, IsHit, IsHit),
    TRIMORA_HOST_VALUE_FN(AIHitTestSuite, GetArt, GetArt),
    TRIMORA_HOST_FN(AIHitTestSuite, Release, Release),
};

}  // namespace

void RegisterHitTestSuite(SuiteRegistry& registry) {
    registry.Add(kAIHitTestSuite, kAIHitTestSuiteVersion, &kHitTestSuite);
}

}  // namespace headless
