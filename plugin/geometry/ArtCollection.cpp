// Art collections over the host's art sets.
#include "plugin/geometry/ArtCollection.h"

#include <cstddef>

#include "plugin/host/Suites.h"

ArtCollection::~ArtCollection() {
    Release();
}

void ArtCollection::Release() {
    if (set_) sAIArtSet->DisposeArtSet(&set_);
    set_ = nullptr;
    count_ = 0;
}

// The old set goes first, so that two fills never leave two host sets alive.
template <typename Listing>
AIErr ArtCollection::Fill(Listing list) {
    Release();
    AIArtSet set = nullptr;
    std::size_t count = 0;
    AIErr err = sAIArtSet->NewArtSet(&set);
    if (!err) err = list(set);
    if (!err) err = sAIArtSet->CountArtSet(set, &count);
    if (!err) {
        set_ = set;
        count_ = count;
        return kNoErr;
    }
    if (set) sAIArtSet->DisposeArtSet(&set);
    return err;
}

AIErr ArtCollection::FillFromSelection() {
    return Fill([](AIArtSet set) { return sAIArtSet->SelectedArtSet(set); });
}

AIErr ArtCollection::FillFromLayer(AILayerHandle layer) {
    if (!layer) {
        Release();
        return kNoErr;
    }
    return Fill([layer](AIArtSet set) { return sAIArtSet->LayerArtSet(layer, set); });
}

AIArtHandle ArtCollection::At(ASInt32 index) const {
    if (index < 0 || static_cast<ASUInt64>(index) >= count_) return nullptr;
    AIArtHandle art = nullptr;
    if (sAIArtSet->IndexArtSet(set_, static_cast<std::size_t>(index), &art) != kNoErr) return nullptr;
    return art;
}
