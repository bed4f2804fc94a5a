// The art set suite: fixed snapshots of the selection or of a layer's art, held by the application.
#include "headless/suites/ArtSuiteParts.h"
#include "headless/suites/HostEntry.h"
#include "plugin/sdk/AIArtSet.h"

namespace headless {
namespace {

Id<ArtSetTag> SetIdOf(AIArtSet set) {
    Application& app = App();
    return AppIdOf(HandleKind::kArtSet, set, app.artSets);
}

ArtSetData& SetOf(AIArtSet set) {
    return App().artSets[SetIdOf(set)];
}

AIErr NewArtSet(AIArtSet* artSet) {
    AIArtSet& out = Out(artSet);
    out = nullptr;
    Application& app = App();
    out = AppHandleOf<AIArtSet>(HandleKind::kArtSet, app.artSets.Add(ArtSetData{app.CurrentDocumentSerial(), {}}));
    return kNoErr;
}

// Disposing a null set is nothing to do.
AIErr DisposeArtSet(AIArtSet* artSet) {
    AIArtSet& set = Out(artSet);
    if (!set) return kNoErr;
    App().artSets.Remove(SetIdOf(set));
    set = nullptr;
    return kNoErr;
}

AIErr CountArtSet(AIArtSet artSet, size_t* count) {
    size_t& out = Out(count);
    out = SetOf(artSet).items.size();
    return kNoErr;
}

// The set answers handles of the document it was filled from, even when another one is current now.
AIErr IndexArtSet(AIArtSet artSet, size_t index, AIArtHandle* art) {
    AIArtHandle& out = Out(art);
    out = nullptr;
    const ArtSetData& set = SetOf(artSet);
    if (index >= set.items.size()) return Fail(kOutOfRangeErr);
    out = ToHandle<AIArtHandle>(HandleKind::kArt, set.document, set.items[index]);
    return kNoErr;
}

AIErr SelectedArtSet(AIArtSet artSet) {
    ArtSetData& set = SetOf(artSet);
    set.items = Doc().ListSelection();
    set.document = App().CurrentDocumentSerial();
    return kNoErr;
}

AIErr LayerArtSet(AILayerHandle layer, AIArtSet artSet) {
    const LayerId id = LayerIdOf(layer);
    ArtSetData& set = SetOf(artSet);
    std::vector<ArtId> items;
    if (AIErr err = Doc().ListLayerArt(id, &items)) return err;
    set.items = std::move(items);
    set.document = App().CurrentDocumentSerial();
    return kNoErr;
}

constexpr AIArtSetSuite kArtSetSuite = {
    TRIMORA_HOST_FN(AIArtSetSuite, NewArtSet, NewArtSet),
    TRIMORA_HOST_FN(AIArtSetSuite, DisposeArtSet, DisposeArtSet),
    TRIMORA_HOST_FN(AIArtSetSuite, CountArtSet, CountArtSet),
    TRIMORA_HOST_FN(AIArtSetSuite, IndexArtSet, IndexArtSet),
    TRIMORA_HOST_FN(AIArtSetSuite, SelectedArtSet, SelectedArtSet),
    TRIMORA_HOST_FN(AIArtSetSuite, LayerArtSet, LayerArtSet),
};

}  // namespace

void RegisterArtSetSuite(SuiteRegistry& registry) {
    registry.Add(kAIArtSetSuite, kAIArtSetSuiteVersion, &kArtSetSuite);
}

}  // namespace headless
