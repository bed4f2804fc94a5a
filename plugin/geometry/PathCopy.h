// Geometry passed between paths, and the guard that a tree holds only paths, groups and compound paths.
#pragma once

#include "plugin/sdk/AIPathStyle.h"
#include "plugin/sdk/AITypes.h"

// An art tree holds something other than paths, groups and compound paths.
constexpr AIErr kNotAPathTreeErr = -2;

// Replaces to's segments by from's; the closed flag of `to` stays. When either is not a path nothing changes and
// the answer is 0.
AIErr CopyPathSegments(AIArtHandle from, AIArtHandle to);

// 0 when art (null allowed) and its subtree, and with followSiblings the siblings behind it and theirs, are
// paths, groups and compound paths only; otherwise kNotAPathTreeErr or the failing host code.
AIErr CheckPathTree(AIArtHandle art, bool followSiblings);

// The path style a path or compound path is painted and clips with: a compound path's is its first member's.
// *isShape is false for any other kind of art, and for a compound path without members.
AIErr ShapeStyle(AIArtHandle art, AIPathStyle* style, bool* isShape);
