// The growable list of art handles the cuts return their new objects in.
#pragma once

#include <cstddef>
#include <vector>

#include "plugin/sdk/AITypes.h"

// Holds handles only; the objects belong to the document. Clear keeps the storage for the next cut.
class ArtHandleList {
public:
    void Append(AIArtHandle art) { handles_.push_back(art); }
    std::size_t Length() const { return handles_.size(); }
    // Null past the end.
    AIArtHandle At(std::size_t position) const { return position < handles_.size() ? handles_[position] : nullptr; }
    void Clear() { handles_.clear(); }

private:
    std::vector<AIArtHandle> handles_;
};
