// What each pass does with an object whose bounds cross the region's, by the object's type.
#pragma once

#include "plugin/engine/CZvKiruru.h"

using CrossingHandler = AIErr (CZvKiruru::*)(AIArtHandle art);

struct CrossingArt {
    ASInt16 type;
    CrossingHandler outside;  // null: the object stays as it is
    CrossingHandler inside;
    // The handler has visited the object's children itself, so the pass goes on with the siblings.
    bool visitsChildren;
};

// The row for `type`; a type without a row stays as it is in both passes and has its children visited.
const CrossingArt* FindCrossingArt(ASInt16 type);
