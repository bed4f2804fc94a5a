// The engine object's life and the steps of one run: recording, counting, the region's temporary fill, the pass,
// the region's style put back and the completion alert.
#include "plugin/engine/CZvKiruru.h"

#include <algorithm>
#include <string>

#include "plugin/command/PlatformText.h"
#include "plugin/geometry/ArtCollection.h"
#include "plugin/host/HostString.h"
#include "plugin/host/Suites.h"

namespace {

constexpr const char* kNoDocumentText = "ドキュメントが開かれていません";
constexpr const char* kInsertLayerFailedText = "Error CZvKiruru InsertLayer";
constexpr const char* kSetWorkLayerFailedText = "Error CZvKiruru SetWorkLayer";
constexpr const char* kFinishedText = "切り抜き処理が終了しました";
constexpr AIReal kRegionGray = 0.5;

void ShowError(const char* utf8) {
    sAIUser->ErrorAlert(ai::HostString::FromUtf8(utf8).Ref());
}

}  // namespace

CZvKiruru::CZvKiruru(SPPluginRef pluginRef) : pluginRef_(pluginRef) {
    cutter_.SetPluginRef(pluginRef);
    // A count the host could not give is told like a missing document, but the run answers the host's code.
    ASInt32 layers = 0;
    const AIErr countErr = sAILayer->CountLayers(&layers);
    if (countErr || layers == 0) {
        constructionError_ = countErr;
        ShowError(kNoDocumentText);
        return;
    }
    if (AIErr err = sAILayer->InsertLayer(nullptr, kPlaceAboveAll, &workLayer_)) {
        workLayer_ = nullptr;
        constructionError_ = err;
        ShowError(kInsertLayerFailedText);
        return;
    }
    if (AIErr err = cutter_.SetWorkLayer(workLayer_)) {
        constructionError_ = err;
        ShowError(kSetWorkLayerFailedText);
        return;
    }
    constructed_ = true;
}

// The sweep of empty layers forgets the work layer when it deletes it, so a layer still held is still there and
// goes without a walk that a failing host call could cut short.
CZvKiruru::~CZvKiruru() {
    if (workLayer_) sAILayer->DeleteLayer(workLayer_);
}

AIErr CZvKiruru::Run(const ClipOptions& options, AIBoolean fromAction) {
    // Without a work layer nothing can be cut; the user has been told why.
    if (!constructed_) return constructionError_;
    AIBoolean ok = 0;
    if (AIErr err = CheckClipRegion(ok)) return err;
    if (!ok) return kNoErr;
    options_ = options;

    // The region gets its own style back on every way out, a thrown host-string failure included.
    struct RestoreOnExit {
        CZvKiruru& engine;
        ~RestoreOnExit() { engine.RestoreRegionStyle(); }
    } restore{*this};
    if (AIErr err = RunSteps()) return err;
    if (options_.PreserveMaskPath) {
        // A region left gray would be the user's path changed with no word of it.
        if (AIErr err = RestoreRegionStyle()) return err;
        sAIDocument->RedrawDocument();
    }
    if (!fromAction) sAIUser->MessageAlert(ai::HostString::FromUtf8(kFinishedText).Ref());
    return kNoErr;
}

AIErr CZvKiruru::RunSteps() {
    if (sAIActionManager->InRecordMode()) {
        if (AIErr err = RecordRun()) return err;
    }
    if (AIErr err = CountArt()) return err;
    regionIsRectangle_ = IsAxisAlignedRectangle(clipRegion_) ? 1 : 0;
    if (AIErr err = FitViewToRegion()) return err;
    if (AIErr err = PaintRegionGray()) return err;
    if (AIErr err = FindRegionContainers()) return err;
    return KeepsInside() ? KirinukiOutside() : KirinukiInside();
}

// Only the deletion of the parameter value can end the run: a step the host would not record is left out.
AIErr CZvKiruru::RecordRun() {
    AIActionParamValueRef value = nullptr;
    if (sAIActionManager->AINewActionParamValue(&value)) return kNoErr;
    struct DeleteValue {
        AIActionParamValueRef value;
        bool done = false;
        AIErr Now() {
            done = true;
            return sAIActionManager->AIDeleteActionParamValue(value);
        }
        ~DeleteValue() {
            if (!done) sAIActionManager->AIDeleteActionParamValue(value);
        }
    } guard{value};
    if (WriteClipOptionsToAction(options_, value) == kNoErr) {
        const std::string name = ToPlatformText(kClipOptionsSection);
        sAIActionManager->RecordActionEvent(name.c_str(), kDialogOff, value);
    }
    return guard.Now();
}

AIErr CZvKiruru::CountArt() {
    totalArt_ = visitedArt_ = shownPercent_ = 0;
    AILayerHandle layer = nullptr;
    if (AIErr err = sAILayer->GetNthLayer(0, &layer)) return err;
    while (layer) {
        ArtCollection art;
        if (AIErr err = art.FillFromLayer(layer)) return err;
        totalArt_ += static_cast<ASInt32>(art.Count());
        if (AIErr err = sAILayer->GetNextLayer(layer, &layer)) return err;
    }
    return kNoErr;
}

AIErr CZvKiruru::FindRegionContainers() {
    regionContainers_.clear();
    AIArtHandle art = clipRegion_;
    for (;;) {
        AIArtHandle parent = nullptr;
        if (AIErr err = sAIArt->GetArtParent(art, &parent)) return err;
        if (!parent) return kNoErr;
        regionContainers_.push_back(parent);
        art = parent;
    }
}

bool CZvKiruru::HoldsRegion(AIArtHandle art) const {
    return art == clipRegion_ || std::ranges::find(regionContainers_, art) != regionContainers_.end();
}

// The hit tests of the text rule need a filled region; the stroke goes so that only the inside is hit.
AIErr CZvKiruru::PaintRegionGray() {
    if (AIErr err = sAIPathStyle->GetPathStyle(clipRegion_, &savedRegionStyle_)) return err;
    AIPathStyle gray = savedRegionStyle_;
    gray.fillPaint = 1;
    gray.strokePaint = 0;
    gray.fill.color.kind = kGrayColor;
    gray.fill.color.c.g.gray = kRegionGray;
    if (AIErr err = sAIPathStyle->SetPathStyle(clipRegion_, &gray)) return err;
    regionRestyled_ = true;
    return kNoErr;
}

AIErr CZvKiruru::RestoreRegionStyle() {
    if (!regionRestyled_ || regionDisposed_) return kNoErr;
    regionRestyled_ = false;
    return sAIPathStyle->SetPathStyle(clipRegion_, &savedRegionStyle_);
}

// Both results matter: the region goes for good only when the host took it.
AIErr CZvKiruru::DisposeRegion() {
    const AIErr err = sAIArt->DisposeArt(clipRegion_);
    if (err == kNoErr) regionDisposed_ = true;
    return err;
}

// One percent at most per object, never past 100: plug-in edit art is visited but was not counted.
AIErr CZvKiruru::StepProgress() {
    ++visitedArt_;
    if (totalArt_ > 0 && shownPercent_ < 100 && static_cast<ASInt64>(visitedArt_) * 100 / totalArt_ > shownPercent_) {
        ++shownPercent_;
    }
    return sAIUser->UpdateProgress(shownPercent_, 100);
}

AIErr CZvKiruru::StartLayer(const char* passText, AILayerHandle layer) {
    AIUnicodeStringRef titleRef = nullptr;
    if (AIErr err = sAILayer->GetLayerTitle(layer, &titleRef)) return err;
    const ai::HostString title = ai::HostString::Adopt(titleRef);
    ai::HostString text = ai::HostString::FromUtf8(passText);
    text.Append(ai::HostString::FromUtf8(" レイヤー["));
    text.Append(title);
    text.Append(ai::HostString::FromUtf8("]"));
    if (AIErr err = sAIUser->SetProgressText(text.Ref())) return err;
    if (AIErr err = sAIUser->UpdateProgress(shownPercent_, 100)) return err;
    return sAIUser->Cancel() ? kCanceledErr : kNoErr;
}
