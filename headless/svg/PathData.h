// SVG path data: parsing every command (relative forms, S/T reflections, arcs) into cubic subpaths, and printing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "headless/svg/NumberFormat.h"
#include "headless/svg/Subpath.h"

namespace headless::svg {

// Appends the subpaths of `text` to `out`. Returns an empty string on success, else what is wrong and where; on
// error `out` is left as it was.
std::string ParsePathData(std::string_view text, std::vector<Subpath>& out);

// "M x y C ... Z": straight segments (handles on their ends, as written) as L, a closing straight segment (to where the
// subpath starts, as written) as Z alone; numbers to `decimals` places.
void AppendPathData(std::string& out, const Subpath& subpath, int decimals = kDefaultDecimals);
std::string FormatPathData(const std::vector<Subpath>& subpaths, int decimals = kDefaultDecimals);

// A closed subpath whose end is where it starts as the writer writes numbers ends exactly there. Applied in the
// coordinates the file gave, so that a file read, written and read again decides the same.
void SnapEndToStart(Subpath& subpath);

// The cubic segments of an elliptical arc from `from` to `to` (SVG's endpoint form), appended to `subpath`.
void AppendArc(Subpath& subpath, Point from, double rx, double ry, double rotationDegrees, bool largeArc, bool sweep,
               Point to);

}  // namespace headless::svg
