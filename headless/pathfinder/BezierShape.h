// The Pathfinder works on the geometry core's types: Bezier paths made of anchors, shapes made of paths, cubic
// segments and boxes, with the core's measures of them.
#pragma once

#include "headless/geometry/Box.h"
#include "headless/geometry/Cubic.h"
#include "headless/geometry/Path.h"
#include "headless/geometry/Point.h"

namespace pathfinder {

using geometry::Anchor;
using geometry::BezierPath;
using geometry::BezierShape;
using geometry::Box;
using geometry::Cubic;
using geometry::FillRule;
using geometry::Point;

using geometry::ControlBounds;
using geometry::Cross;
using geometry::Distance;
using geometry::Dot;
using geometry::FlatteningSteps;
using geometry::IsInsideFill;
using geometry::Length;
using geometry::Lerp;
using geometry::SegmentCount;
using geometry::SegmentOf;
using geometry::SignedArea;
using geometry::WindingNumber;

}  // namespace pathfinder
