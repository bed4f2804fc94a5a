// Clip groups and compound paths that cross the region. Until they can be cut they are kept whole.
#include "plugin/engine/CZvKiruru.h"

AIErr CZvKiruru::KirinukiClipGroup(AIArtHandle) {
    return kNoErr;
}

AIErr CZvKiruru::KirinukiCompoundPath(AIArtHandle) {
    return kNoErr;
}
