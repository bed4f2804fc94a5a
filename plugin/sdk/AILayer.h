// AI Layer suite: the document's top-level layers and their state.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAILayerSuite = "AI Layer Suite";
constexpr int kAILayerSuiteVersion = 13;

// Layer 0 is the topmost. The list holds top-level layers only; sublayers are groups in the art tree.
struct AILayerSuite {
    AIErr (*CountLayers)(ASInt32* count);
    // An index out of range is an error and gives null.
    AIErr (*GetNthLayer)(ASInt32 n, AILayerHandle* layer);
    // The layer below; null (and 0) after the last.
    AIErr (*GetNextLayer)(AILayerHandle layer, AILayerHandle* next);
    AIErr (*GetCurrentLayer)(AILayerHandle* layer);
    AIErr (*SetCurrentLayer)(AILayerHandle layer);
    // Inserts relative to layer by paintOrder (AIPaintOrder); kPlaceAboveAll and kPlaceBelowAll need no layer.
    AIErr (*InsertLayer)(AILayerHandle layer, ASInt16 paintOrder, AILayerHandle* newLayer);
    // Removes the layer with all its art; their handles die.
    AIErr (*DeleteLayer)(AILayerHandle layer);
    // The title as a new Unicode string the caller destroys.
    AIErr (*GetLayerTitle)(AILayerHandle layer, AIUnicodeStringRef* title);
    AIErr (*SetLayerTitle)(AILayerHandle layer, AIUnicodeStringRef title);
    AIErr (*GetLayerVisible)(AILayerHandle layer, AIBoolean* visible);
    AIErr (*SetLayerVisible)(AILayerHandle layer, AIBoolean visible);
    // Not editable means locked.
    AIErr (*GetLayerEditable)(AILayerHandle layer, AIBoolean* editable);
    AIErr (*SetLayerEditable)(AILayerHandle layer, AIBoolean editable);
    // Non-zero when the layer is shown in preview, zero in outline view.
    AIErr (*GetLayerPreview)(AILayerHandle layer, AIBoolean* preview);
    AIErr (*SetLayerPreview)(AILayerHandle layer, AIBoolean preview);
    // Non-zero when the layer's group holds any object.
    AIErr (*LayerHasArt)(AILayerHandle layer, AIBoolean* hasArt);
};
