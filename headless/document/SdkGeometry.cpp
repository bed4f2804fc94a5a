// Path measures over the document's segment records, segment by segment through the geometry core.
#include "headless/document/SdkGeometry.h"

#include <cmath>

#include "headless/geometry/Path.h"

namespace headless {
namespace {

// Calls fn with each segment as a cubic, then with the straight line that closes an open path where it fills.
template <typename Fn>
void ForEachSegment(std::span<const AIPathSegment> segs, bool closed, bool closeForFill, Fn&& fn) {
    const std::size_t n = segs.size();
    const std::size_t count = closed ? n : (n == 0 ? 0 : n - 1);
    for (std::size_t i = 0; i < count; ++i)
        fn(SegmentCubic(segs[i], segs[(i + 1) % n]));
    if (closeForFill && !closed && n > 1) fn(geometry::FillClosing(ToPoint(segs[n - 1].p), ToPoint(segs[0].p)));
}

}  // namespace

AIRealRect ToAIRect(const geometry::Box& box) {
    if (box.IsEmpty()) return {};
    return {box.minX, box.maxY, box.maxX, box.minY};
}

bool IsFinite(AIRealPoint p) {
    return geometry::IsFinite(ToPoint(p));
}

bool IsFinite(const AIRealMatrix& m) {
    return ToMatrix(m).IsFinite();
}

void AddPathBounds(geometry::Box& box, std::span<const AIPathSegment> segs, bool closed, const AIRealMatrix* m) {
    const geometry::Matrix map = m ? ToMatrix(*m) : geometry::Matrix{};
    if (segs.size() == 1) {
        box.Add(map.Apply(ToPoint(segs[0].p)));
        return;
    }
    ForEachSegment(segs, closed, false, [&](const geometry::Cubic& c) {
        box.Add(geometry::Cubic{map.Apply(c.p0), map.Apply(c.p1), map.Apply(c.p2), map.Apply(c.p3)}.Bounds());
    });
}

AIReal SignedArea(std::span<const AIPathSegment> segs, bool closed) {
    AIReal area = 0;
    ForEachSegment(segs, closed, true, [&](const geometry::Cubic& c) { area += geometry::SignedArea(c); });
    return area;
}

int WindingNumber(std::span<const AIPathSegment> segs, bool closed, AIRealPoint p) {
    int winding = 0;
    ForEachSegment(segs, closed, true,
                   [&](const geometry::Cubic& c) { winding += geometry::RayCrossings(c, ToPoint(p)); });
    return winding;
}

}  // namespace headless
