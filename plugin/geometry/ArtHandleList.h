// The growable list of art handles the cuts return their new objects in.
#pragma once

#include <cstddef>
#include <vector>

#include "plugin/sdk/AIArt.h"
#include "plugin/sdk/AITypes.h"

// Holds handles only; the objects belong to the document. Clear keeps the storage for the next cut.
class ArtHandleList {
public:
    void Append(AIArtHandle art) { handles_.push_back(art); }
    std::size_t Length() const { return handles_.size(); }
    // Null past the end.
    AIArtHandle At(std::size_t position) const { return position < handles_.size() ? handles_[position] : nullptr; }
    void Clear() { handles_.clear(); }

    // Joins the listed paths into one new compound path placed by `order` relative to `reference`; the last
    // handle ends up frontmost. Fewer than two handles make nothing. Every handle is checked to be a path, or a
    // group or compound path of paths, before anything moves: otherwise -2 (kNotAPathTreeErr) and nothing changes.
    // On a host failure the handles moved so far go back where they were and the compound is removed.
    AIErr MakeCompoundPath(AIPaintOrder order, AIArtHandle reference, AIArtHandle* compound) const;
    // Joins two or more listed paths into one compound placed above `reference`; the list then holds just it.
    AIErr JoinIntoCompound(AIArtHandle reference);
    // Takes every listed object out of the document and empties the list: how a failed operation removes what it
    // made. Refusals are not looked at; there is nothing left to do about them.
    void DisposeAllAndClear();

private:
    std::vector<AIArtHandle> handles_;
};
