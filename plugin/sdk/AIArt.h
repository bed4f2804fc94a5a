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

constexpr const char* kAIArtSuite = "AI Art Suite";
constexpr int kAIArtSuiteVersion = 21;

// The art tree of a document. New or moved art goes by a paint order relative to a reference object (prep); with no
// reference, relative to the current layer. Children run from the frontmost (first) to the backmost.
// Type and paint-order arguments take the AIArtType and AIPaintOrder values.
struct AIArtSuite {
    AIErr (*NewArt)(ASInt16 type, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt);
    // Removes the art and everything inside it; their handles die.
    AIErr (*DisposeArt)(AIArtHandle art);
    AIErr (*ReorderArt)(AIArtHandle art, ASInt16 paintOrder, AIArtHandle prep);
    // A deep copy with the same style and attributes.
    AIErr (*DuplicateArt)(AIArtHandle art, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt);
    // The layer's own group, which holds its objects.
    AIErr (*GetFirstArtOfLayer)(AILayerHandle layer, AIArtHandle* art);
    AIErr (*GetLayerOfArt)(AIArtHandle art, AILayerHandle* layer);
    AIErr (*GetArtType)(AIArtHandle art, ASInt16* type);
    // *attr receives the art's attributes masked by whichAttr (AIArtUserAttr bits).
    AIErr (*GetArtUserAttr)(AIArtHandle art, ASInt32 whichAttr, ASInt32* attr);
    // Sets the bits of whichAttr to those of attr; other bits stay.
    AIErr (*SetArtUserAttr)(AIArtHandle art, ASInt32 whichAttr, ASInt32 attr);
    // Tree navigation answers null (and 0) where there is no such neighbour.
    AIErr (*GetArtParent)(AIArtHandle art, AIArtHandle* parent);
    AIErr (*GetArtFirstChild)(AIArtHandle art, AIArtHandle* child);
    // The next object behind art in its parent.
    AIErr (*GetArtSibling)(AIArtHandle art, AIArtHandle* sibling);
    AIErr (*GetArtPriorSibling)(AIArtHandle art, AIArtHandle* sibling);
    // Geometric bounds in artwork coordinates.
    AIErr (*GetArtBounds)(AIArtHandle art, AIRealRect* bounds);
    // Bounds of the art as transformed by transform (null for none), measured as flags (AIArtBoundsFlags) ask.
    AIErr (*GetArtTransformBounds)(AIArtHandle art, const AIRealMatrix* transform, ASInt32 flags, AIRealRect* bounds);
    // Non-zero for the group of a layer or sublayer.
    AIErr (*IsArtLayerGroup)(AIArtHandle art, AIBoolean* isLayerGroup);
};
