// The path cutter: the engine's private work layer and the one place a Pathfinder operation is run.
#pragma once

#include "plugin/geometry/ArtHandleList.h"
#include "plugin/sdk/AIArt.h"
#include "plugin/sdk/AITypes.h"

struct CutRecipe;

// Bound to the work layer for one clipping run. The handles belong to the host; nothing is released here.
class PathCutter {
public:
    void SetPluginRef(SPPluginRef pluginRef) { pluginRef_ = pluginRef; }
    // Binds the layer and its group, into which every cut places its copies.
    AIErr SetWorkLayer(AILayerHandle layer);

    // Runs the operation `code` names on two objects of the current selection (see PathfinderCall.h). A code
    // that names no operation runs nothing and answers the code of the message set-up.
    AIErr RunPathfinder(ASInt32 code);

    // The region cuts. Each copies `region` and `art` into the work layer, cuts them there and places copies of
    // the wanted pieces by `order` relative to `reference`, appending them to `out` in the order found. `art` and
    // `region` are left unchanged and the work layer is emptied in every case. On failure the cut answers the
    // first failing code and `out` is empty: pieces already placed are removed again.
    // The Compound cuts keep each piece whole (a compound path stays one object); the others take every path
    // of the result one by one. Area cuts keep filled pieces, Line cuts the pieces of art's line.
    AIErr CutCompoundInside(AIArtHandle art, AIArtHandle region, AIPaintOrder order, AIArtHandle reference,
                            ArtHandleList& out);
    AIErr CutCompoundOutside(AIArtHandle art, AIArtHandle region, AIPaintOrder order, AIArtHandle reference,
                             ArtHandleList& out);
    AIErr CutAreaInside(AIArtHandle art, AIArtHandle region, AIPaintOrder order, AIArtHandle reference,
                        ArtHandleList& out);
    AIErr CutAreaOutside(AIArtHandle art, AIArtHandle region, AIPaintOrder order, AIArtHandle reference,
                         ArtHandleList& out);
    AIErr CutLineInside(AIArtHandle art, AIArtHandle region, AIPaintOrder order, AIArtHandle reference,
                        ArtHandleList& out);
    AIErr CutLineOutside(AIArtHandle art, AIArtHandle region, AIPaintOrder order, AIArtHandle reference,
                         ArtHandleList& out);

    // A new path by `order` relative to `reference` with the source's segments and closed flag and the host's
    // default style. On failure *newPath is null and nothing is left behind.
    AIErr NewPathFromPath(AIArtHandle source, AIPaintOrder order, AIArtHandle reference, AIArtHandle* newPath);

    SPPluginRef PluginRef() const { return pluginRef_; }
    AILayerHandle WorkLayer() const { return workLayer_; }
    AIArtHandle WorkGroup() const { return workGroup_; }

private:
    AIErr Cut(const CutRecipe& recipe, AIArtHandle art, AIArtHandle region, AIPaintOrder order, AIArtHandle reference,
              ArtHandleList& out);
    AIErr ArrangeAndRun(const CutRecipe& recipe, AIArtHandle art, AIArtHandle region);

    SPPluginRef pluginRef_ = nullptr;
    AILayerHandle workLayer_ = nullptr;
    AIArtHandle workGroup_ = nullptr;
};
