// The inside pass, which removes whatever lies inside the region. Not available yet: a run that asks for it ends
// before anything in the document changes.
#include "plugin/engine/CZvKiruru.h"

AIErr CZvKiruru::KirinukiInside() {
    return kPassUnavailableErr;
}

AIErr CZvKiruru::KirinukiArtInside(AIArtHandle, bool) {
    return kPassUnavailableErr;
}
