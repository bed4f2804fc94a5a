// The path cutter: the engine's private work layer and the one place a Pathfinder operation is run.
#pragma once

#include "plugin/sdk/AIArt.h"
#include "plugin/sdk/AITypes.h"

// Bound to the work layer for one clipping run. The handles belong to the host; nothing is released here.
class PathCutter {
public:
    void SetPluginRef(SPPluginRef pluginRef) { pluginRef_ = pluginRef; }
    // Binds the layer and its group, into which every cut places its copies.
    AIErr SetWorkLayer(AILayerHandle layer);

    // Runs the operation `code` names on two objects of the current selection (see PathfinderCall.h). A code
    // that names no operation runs nothing and answers the code of the message set-up.
    AIErr RunPathfinder(ASInt32 code);

    // A new path by `order` relative to `reference` with the source's segments and closed flag and the host's
    // default style. On failure *newPath is null and nothing is left behind.
    AIErr NewPathFromPath(AIArtHandle source, AIPaintOrder order, AIArtHandle reference, AIArtHandle* newPath);

    SPPluginRef PluginRef() const { return pluginRef_; }
    AILayerHandle WorkLayer() const { return workLayer_; }
    AIArtHandle WorkGroup() const { return workGroup_; }

private:
    SPPluginRef pluginRef_ = nullptr;
    AILayerHandle workLayer_ = nullptr;
    AIArtHandle workGroup_ = nullptr;
};
