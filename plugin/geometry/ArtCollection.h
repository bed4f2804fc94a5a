// A fixed, numbered snapshot of art taken from the selection or from one layer: the owner of one host art set.
#pragma once

#include "plugin/sdk/AITypes.h"

// Filled lists stay as they were while the document changes under them, so an operation can walk them while it
// adds and deletes art. A fill that fails leaves the collection empty rather than reporting an error: every user
// walks or cuts what the collection holds, and when the host cannot say what is there, touching nothing is the safe
// outcome. A caller that must tell "nothing there" from "could not list" asks IsValid.
class ArtCollection {
public:
    ArtCollection() = default;
    ~ArtCollection();
    ArtCollection(const ArtCollection&) = delete;
    ArtCollection& operator=(const ArtCollection&) = delete;

    // Every selected object, each container before its members, in the host's order. Answers the host's
    // refusal, for callers to whom an empty list would read as "nothing there".
    AIErr FillFromSelection();
    // The layer's group, then every object of the layer at any depth. A null layer leaves the collection empty.
    AIErr FillFromLayer(AILayerHandle layer);

    ASUInt64 Count() const { return count_; }
    // Null outside [0, Count()) and when the host cannot answer.
    AIArtHandle At(ASInt32 index) const;
    bool IsValid() const { return set_ != nullptr; }

private:
    template <typename Listing>
    AIErr Fill(Listing list);
    void Release();

    ASUInt64 count_ = 0;
    AIArtSet set_ = nullptr;
};
