// Art types, paint orders and user attributes of art objects.
#pragma once

#include "plugin/sdk/AITypes.h"

enum AIArtType : ASInt16 {
    kUnknownArt = 0,
    kGroupArt = 1,
    kPathArt = 2,
    kCompoundPathArt = 3,
    kTextArtUnsupported = 4,
    kTextPathArtUnsupported = 5,
    kTextRunArtUnsupported = 6,
    kPlacedArt = 7,
    kMysteryPathArt = 8,
    kRasterArt = 9,
    kPluginArt = 10,
    kMeshArt = 11,
    kTextFrameArt = 12,
    kSymbolArt = 13,
    kForeignArt = 14,
    kLegacyTextArt = 15,
};

// Where new or moved art goes relative to a reference object (or, with no reference, in the current layer).
enum AIPaintOrder : ASInt16 {
    kPlaceAbove = 1,
    kPlaceBelow = 2,
    kPlaceInsideOnTop = 3,
    kPlaceInsideOnBottom = 4,
    kPlaceAboveAll = 5,
    kPlaceBelowAll = 6,
};

enum AIArtUserAttr : ASInt32 {
    kArtSelected = 1 << 0,
    kArtLocked = 1 << 1,
    kArtHidden = 1 << 2,
    kArtFullySelected = 1 << 3,
    kArtExpanded = 1 << 4,
    kArtTargeted = 1 << 5,
};

// Flags of AIArtSuite::GetArtTransformBounds.
enum AIArtBoundsFlags : ASInt32 {
    kVisibleBounds = 1 << 0,
    kControlBounds = 1 << 1,
    kNoStrokeBounds = 1 << 2,
};
