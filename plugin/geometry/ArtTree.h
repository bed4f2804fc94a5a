// Two utilities over the art tree that prepare and empty the work layer: attributes over a whole subtree, and the
// deletion of every object of a layer whatever its state.
#pragma once

#include "plugin/sdk/AITypes.h"

// Sets the bits of mask to those of values on art and everything below it; with followSiblings, also on every
// sibling behind art and their subtrees. Stops at the first host refusal and returns its code.
AIErr SetArtTreeAttr(AIArtHandle art, ASInt32 mask, ASInt32 values, bool followSiblings);

// Deletes every top-level object of the layer (the layer's group stays), unlocking and showing the layer and the
// objects first. The layer's lock and visibility are put back even when a deletion fails.
AIErr ClearLayerArt(AILayerHandle layer);

// Where an object stands among its siblings, so that an operation that moved it can put it back on failure.
struct ArtPlace {
    AIArtHandle next = nullptr;    // the sibling behind it, or null when it is the last
    AIArtHandle parent = nullptr;  // used when it is the last
};
AIErr FindPlace(AIArtHandle art, ArtPlace* place);
// Moves art back to the place found earlier; answers the host's code.
AIErr ReturnToPlace(AIArtHandle art, const ArtPlace& place);
