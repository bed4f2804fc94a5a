// What a document paints, asked point by point: an oracle for areas that shares nothing with the Pathfinder but
// the document's own point-in-path test.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "headless/document/Document.h"

namespace trimora::e2e {

// Every object of the document, at any depth, sublayers included; hidden layers too.
std::vector<headless::ArtId> AllArt(const headless::Document& doc);
// The objects whose SVG id is `id` (copies made by a run share their original's).
std::vector<headless::ArtId> ArtNamed(const headless::Document& doc, const std::string& id);

// Whether a fill of a path or compound path of the visible layers paints `p` (artwork coordinates). Clip groups
// are not looked into: documents asked this hold none.
bool FillPaints(const headless::Document& doc, AIRealPoint p);
// Whether `p` lies inside the closed path `art`.
bool Inside(const headless::Document& doc, headless::ArtId art, AIRealPoint p);

// Points of a grid over the page (artwork y is the SVG y negated), off any whole coordinate so that none lies on
// the straight edges of the drawings.
std::vector<AIRealPoint> PageSamples(double width, double height, double step);

// Samples that may fall within the flattening tolerance of an edge and be judged either way.
inline constexpr long kEdgeSamples = 3;

// How many samples `expected` and `actual` answer differently.
long Disagreements(const std::vector<AIRealPoint>& samples, const std::function<bool(AIRealPoint)>& expected,
                   const std::function<bool(AIRealPoint)>& actual);

}  // namespace trimora::e2e
