// The crossing-art table, and the entries that choose between handlers or adapt one to the table's form.
#include "plugin/engine/CrossingArt.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "plugin/host/Suites.h"

namespace {

constexpr const char* kSymbolismGroup = "Adobe Symbolism";

// Placed art and rasters crossing the region are kept whole by the inside pass.
constexpr std::array<CrossingArt, 8> kCrossingArt = {{
    {kGroupArt, &CZvKiruru::KirinukiGroup, &CZvKiruru::KirinukiGroup, true},
    {kPathArt, &CZvKiruru::CutCrossingPath, &CZvKiruru::CutCrossingPath, false},
    {kCompoundPathArt, &CZvKiruru::KirinukiCompoundPath, &CZvKiruru::KirinukiCompoundPath, false},
    {kPlacedArt, &CZvKiruru::KirinukiPlaced, nullptr, false},
    {kRasterArt, &CZvKiruru::KirinukiRaster, nullptr, false},
    {kPluginArt, &CZvKiruru::ClipPluginArtOutside, &CZvKiruru::ClipPluginArtInside, false},
    {kTextFrameArt, &CZvKiruru::KirinukiTextOrSymbol, &CZvKiruru::KirinukiTextOrSymbol, false},
    {kSymbolArt, &CZvKiruru::KirinukiTextOrSymbol, &CZvKiruru::KirinukiTextOrSymbol, false},
}};

}  // namespace

const CrossingArt* FindCrossingArt(ASInt16 type) {
    const auto row = std::ranges::find(kCrossingArt, type, &CrossingArt::type);
    return row == kCrossingArt.end() ? nullptr : &*row;
}

AIErr CZvKiruru::KirinukiGroup(AIArtHandle group) {
    AIBoolean clipped = 0;
    if (AIErr err = sAIGroup->GetGroupClipped(group, &clipped)) return err;
    return clipped ? KirinukiClipGroup(group) : KirinukiChildren(group);
}

// The pieces are the handler's business; the passes do not look at them.
AIErr CZvKiruru::CutCrossingPath(AIArtHandle path) {
    ArtHandleList pieces;
    return KirinukiPathArt(path, pieces);
}

// Symbolism objects regenerate their edit art from their own data: clipping it would be undone, so they stay.
AIErr CZvKiruru::PluginEditArt(AIArtHandle art, AIArtHandle& firstChild) {
    firstChild = nullptr;
    AIPluginGroupHandle group = nullptr;
    if (AIErr err = sAIPluginGroup->GetPluginArtPluginGroup(art, &group)) return err;
    const char* name = nullptr;
    if (AIErr err = sAIPluginGroup->GetAIPluginGroupName(group, &name)) return err;
    if (name && std::strcmp(name, kSymbolismGroup) == 0) return kNoErr;
    AIArtHandle editArt = nullptr;
    if (AIErr err = sAIPluginGroup->GetPluginArtEditArt(art, &editArt)) return err;
    return sAIArt->GetArtFirstChild(editArt, &firstChild);
}

AIErr CZvKiruru::ClipPluginArtOutside(AIArtHandle art) {
    AIArtHandle first = nullptr;
    if (AIErr err = PluginEditArt(art, first)) return err;
    return KirinukiArtOutside(first, true);
}

AIErr CZvKiruru::ClipPluginArtInside(AIArtHandle art) {
    AIArtHandle first = nullptr;
    if (AIErr err = PluginEditArt(art, first)) return err;
    return KirinukiArtInside(first, true);
}
