// AI Art Set suite: fixed lists of art taken from the selection or from a layer.
#pragma once

#include <cstddef>

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIArtSetSuite = "AI Art Set Suite";
constexpr int kAIArtSetSuiteVersion = 9;

// A set lists containers before their members, top-down in document order.
struct AIArtSetSuite {
    AIErr (*NewArtSet)(AIArtSet* artSet);
    // Sets *artSet to null.
    AIErr (*DisposeArtSet)(AIArtSet* artSet);
    AIErr (*CountArtSet)(AIArtSet artSet, size_t* count);
    // An index not below the count is an error and gives null.
    AIErr (*IndexArtSet)(AIArtSet artSet, size_t index, AIArtHandle* art);
    // Replaces the set's contents by the selected objects, each preceded by the containers on its way (the layer
    // group first).
    AIErr (*SelectedArtSet)(AIArtSet artSet);
    // Replaces the set's contents by the layer's group and every object of the layer at any depth.
    AIErr (*LayerArtSet)(AILayerHandle layer, AIArtSet artSet);
};
