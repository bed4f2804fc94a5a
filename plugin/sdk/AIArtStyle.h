// AI Art Style suite: the complete appearance of an art object, and what it paints.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIArtStyleSuite = "AI Art Style Suite";
constexpr int kAIArtStyleSuiteVersion = 8;

// Paint attributes an art style can be asked about.
constexpr ASUInt32 kArtStyleHasFill = 1u << 0;
constexpr ASUInt32 kArtStyleHasStroke = 1u << 1;

struct AIArtStyleSuite {
    // Styles are shared by the document; the handle needs no release.
    AIErr (*GetArtStyle)(AIArtHandle art, AIArtStyleHandle* artStyle);
    AIErr (*SetArtStyle)(AIArtHandle art, AIArtStyleHandle artStyle);
    // *attributes receives those bits of query that the style paints: asked with kArtStyleHasFill (1), it is 1
    // when the style paints a fill and 0 otherwise.
    AIErr (*GetPaintAttributes)(AIArtStyleHandle artStyle, ASUInt32 query, ASUInt32* attributes);
};
