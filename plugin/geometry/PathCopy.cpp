// Path copies and the compound builder.
#include "plugin/geometry/PathCopy.h"

#include <cstddef>
#include <vector>

#include "plugin/geometry/ArtHandleList.h"
#include "plugin/geometry/ArtTree.h"
#include "plugin/geometry/PathCutter.h"
#include "plugin/host/Suites.h"

namespace {

AIErr IsPath(AIArtHandle art, bool* isPath) {
    ASInt16 type = 0;
    const AIErr err = sAIArt->GetArtType(art, &type);
    *isPath = type == kPathArt;
    return err;
}

}  // namespace

AIErr CopyPathSegments(AIArtHandle from, AIArtHandle to) {
    bool fromIsPath = false;
    bool toIsPath = false;
    if (AIErr err = IsPath(from, &fromIsPath)) return err;
    if (AIErr err = IsPath(to, &toIsPath)) return err;
    if (!fromIsPath || !toIsPath) return kNoErr;
    ASInt16 count = 0;
    ASInt16 replaced = 0;
    if (AIErr err = sAIPath->GetPathSegmentCount(from, &count)) return err;
    if (AIErr err = sAIPath->GetPathSegmentCount(to, &replaced)) return err;
    std::vector<AIPathSegment> segments(static_cast<std::size_t>(count > 0 ? count : 0));
    if (count > 0) {
        if (AIErr err = sAIPath->GetPathSegments(from, 0, count, segments.data())) return err;
    }
    if (replaced > 0) {
        if (AIErr err = sAIPath->DeletePathSegments(to, 0, replaced)) return err;
    }
    return count > 0 ? sAIPath->SetPathSegments(to, 0, count, segments.data()) : kNoErr;
}

AIErr CheckPathTree(AIArtHandle art, bool followSiblings) {
    for (; art; followSiblings = true) {
        ASInt16 type = 0;
        AIArtHandle child = nullptr;
        AIArtHandle sibling = nullptr;
        if (AIErr err = sAIArt->GetArtType(art, &type)) return err;
        if (AIErr err = sAIArt->GetArtFirstChild(art, &child)) return err;
        if (AIErr err = sAIArt->GetArtSibling(art, &sibling)) return err;
        if (type != kPathArt && type != kGroupArt && type != kCompoundPathArt) return kNotAPathTreeErr;
        if (child) {
            if (AIErr err = CheckPathTree(child, true)) return err;
        }
        if (!followSiblings) return kNoErr;
        art = sibling;
    }
    return kNoErr;
}

AIErr PathCutter::NewPathFromPath(AIArtHandle source, AIPaintOrder order, AIArtHandle reference, AIArtHandle* newPath) {
    *newPath = nullptr;
    AIBoolean closed = 0;
    if (AIErr err = sAIPath->GetPathClosed(source, &closed)) return err;
    AIArtHandle path = nullptr;
    if (AIErr err = sAIArt->NewArt(kPathArt, order, reference, &path)) return err;
    AIErr err = CopyPathSegments(source, path);
    if (!err) err = sAIPath->SetPathClosed(path, closed);
    if (err) {
        sAIArt->DisposeArt(path);
        return err;
    }
    *newPath = path;
    return kNoErr;
}

void ArtHandleList::DisposeAllAndClear() {
    for (AIArtHandle art : handles_)
        sAIArt->DisposeArt(art);
    handles_.clear();
}

AIErr ArtHandleList::JoinIntoCompound(AIArtHandle reference) {
    if (handles_.size() < 2) return kNoErr;
    AIArtHandle joined = nullptr;
    if (AIErr err = MakeCompoundPath(kPlaceAbove, reference, &joined)) return err;
    handles_.assign(1, joined);
    return kNoErr;
}

AIErr ArtHandleList::MakeCompoundPath(AIPaintOrder order, AIArtHandle reference, AIArtHandle* compound) const {
    *compound = nullptr;
    if (handles_.size() < 2) return kNoErr;
    // Checked before anything is made, so that a refusal leaves the document as it was.
    for (AIArtHandle handle : handles_) {
        if (AIErr err = CheckPathTree(handle, false)) return err;
    }
    AIArtHandle made = nullptr;
    if (AIErr err = sAIArt->NewArt(kCompoundPathArt, order, reference, &made)) return err;
    std::vector<ArtPlace> places(handles_.size());
    for (std::size_t moved = 0; moved < handles_.size(); ++moved) {
        AIErr err = FindPlace(handles_[moved], &places[moved]);
        if (!err) err = sAIArt->ReorderArt(handles_[moved], kPlaceInsideOnTop, made);
        if (!err) continue;
        // The last moved goes back first, so that every remembered place is as it was when it was found.
        bool allBack = true;
        for (std::size_t i = moved; i-- > 0;)
            allBack = ReturnToPlace(handles_[i], places[i]) == kNoErr && allBack;
        if (allBack) sAIArt->DisposeArt(made);
        return err;
    }
    *compound = made;
    return kNoErr;
}

AIErr ShapeStyle(AIArtHandle art, AIPathStyle* style, bool* isShape) {
    *isShape = false;
    ASInt16 type = 0;
    if (AIErr err = sAIArt->GetArtType(art, &type)) return err;
    AIArtHandle styled = art;
    if (type == kCompoundPathArt) {
        if (AIErr err = sAIArt->GetArtFirstChild(art, &styled)) return err;
        if (!styled) return kNoErr;
    } else if (type != kPathArt) {
        return kNoErr;
    }
    if (AIErr err = sAIPathStyle->GetPathStyle(styled, style)) return err;
    *isShape = true;
    return kNoErr;
}
