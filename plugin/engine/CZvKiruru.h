// CZvKiruru: one clipping run over the current document. The command layer makes one per run, calls Run once and
// destroys it; the destructor takes the work layer out of the document again.
#pragma once

#include <vector>

#include "plugin/command/ClipOptions.h"
#include "plugin/geometry/ArtHandleList.h"
#include "plugin/geometry/ArtMaker.h"
#include "plugin/geometry/PathCutter.h"
#include "plugin/sdk/AIPathStyle.h"
#include "plugin/sdk/AITypes.h"

// How an object's bounds lie against the region's; ClassifyArt answers kArtRelationError when the host failed.
enum ArtRelation : ASInt32 {
    kArtRelationError = -1,
    kArtInRegion = 0,
    kArtCrossesRegion = 1,
    kArtOutsideRegion = 2,
};

// A bounds classification that failed.
inline constexpr AIErr kClassifyFailedErr = -1;

class CZvKiruru {
public:
    explicit CZvKiruru(SPPluginRef pluginRef);
    ~CZvKiruru();
    CZvKiruru(const CZvKiruru&) = delete;
    CZvKiruru& operator=(const CZvKiruru&) = delete;

    // fromAction is 1 for playback, 0 for the menu command, which ends a good run with the completion alert.
    AIErr Run(const ClipOptions& options, AIBoolean fromAction);

    // Region validation.
    AIErr CheckClipRegion(AIBoolean& ok);

    // Region tests and the text and symbol rule.
    AIErr IsArtEditable(AIArtHandle art, ASInt16 type, AIBoolean& editable);
    ArtRelation ClassifyArt(AIArtHandle art);
    AIErr HitsRegion(AIRealPoint point, bool& hits);
    AIErr KirinukiTextOrSymbol(AIArtHandle art);

    // The outside pass and what the inside pass shares with it.
    AIErr KirinukiOutside();
    AIErr KirinukiArtOutside(AIArtHandle art, bool followSiblings);
    AIErr KirinukiChildren(AIArtHandle group);
    void DeleteEmptyLayers();

    // The inside pass.
    AIErr KirinukiInside();
    AIErr KirinukiArtInside(AIArtHandle art, bool followSiblings);
    // The visit of one object (and with followSiblings of those behind it) that both passes make.
    AIErr KirinukiArt(AIArtHandle art, bool followSiblings);

    // Crossing art, one family a source file.
    AIErr KirinukiClipGroup(AIArtHandle group);
    AIErr KirinukiCompoundPath(AIArtHandle compound);
    AIErr KirinukiPathArt(AIArtHandle path, ArtHandleList& pieces);
    AIErr KirinukiPlaced(AIArtHandle placed);
    AIErr KirinukiRaster(AIArtHandle raster);

    bool KeepsInside() const { return options_.ClipType == 0; }
    // The region or one of the containers it lies in: never deleted, cut or handed to a handler, so that the
    // region lives until the pass itself deletes it.
    bool HoldsRegion(AIArtHandle art) const;

    // Entries of the crossing-art table (CrossingArt.h) that pick or adapt a handler.
    AIErr KirinukiGroup(AIArtHandle group);
    AIErr CutCrossingPath(AIArtHandle path);
    AIErr ClipPluginArtOutside(AIArtHandle art);
    AIErr ClipPluginArtInside(AIArtHandle art);

private:
    // What the handlers decide with. A failing host call is answered, never taken for an answer.
    bool IsStraightLine(AIArtHandle path);
    // The art style paints a fill and the path is not a straight two-point line.
    AIErr CountsAsFilled(AIArtHandle path, bool& filled);
    // The part of a closed outline inside the region, as one path or compound path; null when none is.
    AIErr MakeTrimShape(AIArtHandle outline, AIArtHandle& shape);
    // No flags, and whole bytes a pixel: a raster that can be cropped (kUntrimmableRasterErr otherwise).
    AIErr IsPlainRaster(AIArtHandle raster, bool& plain);
    // The clipping path among the group's own children, frontmost first; null when there is none.
    AIErr FindClipMask(AIArtHandle group, AIArtHandle& mask);
    AIErr SetClipFlagDeep(AIArtHandle art, AIBoolean clip, bool followSiblings);
    // The art style of art, else the first found in its subtree, else in its later siblings and theirs.
    AIErr FindFirstArtStyle(AIArtHandle art, AIArtStyleHandle& style);
    AIErr ApplyArtStyleDeep(AIArtHandle art, AIArtStyleHandle style, bool followSiblings);

    // Counted by a pass for every object it visits.
    AIErr StepProgress();
    AIErr RunSteps();
    AIErr RecordRun();
    AIErr CountArt();
    bool IsAxisAlignedRectangle(AIArtHandle path);
    AIErr FitViewToRegion();
    AIErr PaintRegionGray();
    AIErr RestoreRegionStyle();
    AIErr StartLayer(const char* passText, AILayerHandle layer);
    AIErr DisposeRegion();
    // The layer walk both passes share: every visible, editable layer below the work layer, its art visited by
    // the pass's own visit; an emptied layer is deleted at once when deleteEmptied is set.
    AIErr WalkLayers(const char* passText, bool deleteEmptied);
    AIErr PluginEditArt(AIArtHandle art, AIArtHandle& firstChild);
    AIErr IsClosedSublayer(AIArtHandle art, bool& closed);
    AIErr DeleteLayerUnlessLast(AILayerHandle layer);
    AIErr CutPaintedCopy(AIArtHandle art, bool area, bool keepInside, ArtHandleList& pieces);
    // Puts placed art or a raster under the part of its outline inside the region.
    AIErr TrimToRegion(AIArtHandle art, bool raster);
    AIErr CutMask(AIArtHandle group, AIArtHandle mask, AIArtHandle& newMask);
    AIErr EmptyClipGroup(AIArtHandle group);
    AIErr VisitEach(AIArtHandle first);
    AIErr FindRegionContainers();

    SPPluginRef pluginRef_;
    PathCutter cutter_;
    ArtMaker artMaker_;
    AILayerHandle workLayer_ = nullptr;
    AIArtHandle clipRegion_ = nullptr;
    AIRealRect regionBounds_{};
    ASInt32 totalArt_ = 0;
    ASInt32 visitedArt_ = 0;
    ASInt32 shownPercent_ = 0;
    AIBoolean regionIsRectangle_ = 0;
    ClipOptions options_{};
    std::vector<AIArtHandle> regionContainers_;  // innermost first, the layer group last

    // Why construction stopped: Run stops at once with this when set.
    bool constructed_ = false;
    AIErr constructionError_ = kNoErr;
    // The region's style from before the gray fill, while the region carries that fill.
    bool regionRestyled_ = false;
    AIPathStyle savedRegionStyle_{};
    bool regionDisposed_ = false;
};
