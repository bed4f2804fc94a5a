// Binding the work layer and running a Pathfinder operation on the selection.
#include "plugin/geometry/PathCutter.h"

#include "plugin/geometry/ArtCollection.h"
#include "plugin/geometry/PathfinderCall.h"
#include "plugin/host/Suites.h"

AIErr PathCutter::SetWorkLayer(AILayerHandle layer) {
    workLayer_ = layer;
    return sAIArt->GetFirstArtOfLayer(layer, &workGroup_);
}

AIErr PathCutter::RunPathfinder(ASInt32 code) {
    // Without the selection the operation would be handed null objects and answer a code of its own.
    ArtCollection selection;
    if (AIErr err = selection.FillFromSelection()) return err;

    // The operations expect a message from the host; the record made here gets the header the host would give it.
    AIFilterMessage message{};
    if (AIErr err = sAIPlugin->SetupPluginData(pluginRef_, &message.d)) return err;

    AIArtHandle art[2] = {nullptr, nullptr};
    AIPathfinderData data = MakePathfinderData(art);
    const PathfinderPick* pick = FindPathfinderPick(code);
    if (!pick) return kNoErr;
    art[0] = selection.At(pick->firstPosition);
    art[1] = selection.At(pick->secondPosition);
    return (sAIPathfinder->*(pick->operation))(&data, &message);
}
