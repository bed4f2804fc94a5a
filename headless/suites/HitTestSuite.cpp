// The hit test suite: which art lies under a point. Fills are hit by their fill rule, outlines within a small reach
// (half the stroke for stroked paths), and the answer is kept in the application until it is released.
#include <algorithm>
#include <cmath>

#include "headless/document/SdkGeometry.h"
#include "headless/suites/ArtSuiteParts.h"
#include "headless/suites/HostEntry.h"
#include "plugin/sdk/AIHitTest.h"

namespace headless {
namespace {

// How close to an outline a point must lie to touch it.
constexpr AIReal kOutlineReach = 1e-2;
// Pieces per curved segment when measuring the distance to an outline.
constexpr int kCurvePieces = 64;

struct Probe {
    const Document& doc;
    AIRealPoint point;
    bool fill;
    bool outline;
};

bool Paints(AIBoolean paint, const AIColor& color) {
    return paint && color.kind != kNoneColor;
}

AIReal DistanceToLine(AIRealPoint p, AIRealPoint a, AIRealPoint b) {
    const AIReal dx = b.h - a.h, dy = b.v - a.v;
    const AIReal len2 = dx * dx + dy * dy;
    const AIReal t = len2 > 0 ? std::clamp(((p.h - a.h) * dx + (p.v - a.v) * dy) / len2, 0.0, 1.0) : 0;
    return std::hypot(p.h - (a.h + t * dx), p.v - (a.v + t * dy));
}

AIRealPoint CubicPoint(AIRealPoint p0, AIRealPoint p1, AIRealPoint p2, AIRealPoint p3, AIReal t) {
    const AIReal u = 1 - t;
    const AIReal a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    return {a * p0.h + b * p1.h + c * p2.h + d * p3.h, a * p0.v + b * p1.v + c * p2.v + d * p3.v};
}

bool Same(AIRealPoint a, AIRealPoint b) {
    return a.h == b.h && a.v == b.v;
}

AIReal DistanceToOutline(const Art& path, AIRealPoint p) {
    const std::vector<AIPathSegment>& segs = path.segments;
    if (segs.empty()) return INFINITY;
    AIReal best = std::hypot(p.h - segs[0].p.h, p.v - segs[0].p.v);
    const std::size_t n = segs.size();
    const std::size_t count = path.closed && n > 1 ? n : n - 1;
    for (std::size_t i = 0; i < count; ++i) {
        const AIPathSegment& from = segs[i];
        const AIPathSegment& to = segs[(i + 1) % n];
        const bool straight = Same(from.out, from.p) && Same(to.in, to.p);
        const int pieces = straight ? 1 : kCurvePieces;
        AIRealPoint prev = from.p;
        for (int k = 1; k <= pieces; ++k) {
            const AIRealPoint next = CubicPoint(from.p, from.out, to.in, to.p, static_cast<AIReal>(k) / pieces);
            best = std::min(best, DistanceToLine(p, prev, next));
            prev = next;
        }
    }
    return best;
}

bool InsideByRule(int winding, bool evenOdd) {
    return evenOdd ? (winding & 1) != 0 : winding != 0;
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
    return Paints(s.strokePaint, s.stroke.color) ? std::max(kOutlineReach, s.stroke.width / 2) : kOutlineReach;
}

ArtId HitArt(const Probe& probe, ArtId id);

ArtId HitPath(const Probe& probe, ArtId id, const Art& a) {
    if (probe.fill && Paints(a.style.fillPaint, a.style.fill.color) &&
        InsideByRule(WindingNumber(a.segments, a.closed, probe.point), a.style.evenodd != 0)) {
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
        return InsideByRule(WindingNumber(mask.segments, mask.closed, probe.point), mask.style.evenodd != 0);
    const Art* first = mask.firstChild ? probe.doc.Find(mask.firstChild) : nullptr;
    return InsideByRule(CompoundWinding(probe.doc, mask, probe.point), first && first->style.evenodd);
}

bool IsMask(const Document& doc, const Art& a) {
    if (a.type == kPathArt) return a.style.clip != 0;
    return a.type == kCompoundPathArt && a.firstChild && doc.Find(a.firstChild)->style.clip;
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
