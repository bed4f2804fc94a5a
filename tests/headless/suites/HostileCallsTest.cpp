// Every published suite called the way a broken or hostile module might: null pointers, dead, foreign, mistyped and
// garbage handles, counts and indexes out of range, non-finite reals. Each call must be refused with a code (or
// answer its zero value) and leave the document and the host's stores as they were.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "plugin/sdk/AIActionManager.h"
#include "plugin/sdk/AIArt.h"
#include "plugin/sdk/AIArtSet.h"
#include "plugin/sdk/AIArtStyle.h"
#include "plugin/sdk/AIContext.h"
#include "plugin/sdk/AIDocument.h"
#include "plugin/sdk/AIDocumentView.h"
#include "plugin/sdk/AIFilePath.h"
#include "plugin/sdk/AIFilter.h"
#include "plugin/sdk/AIFolders.h"
#include "plugin/sdk/AIGroup.h"
#include "plugin/sdk/AIHitTest.h"
#include "plugin/sdk/AILayer.h"
#include "plugin/sdk/AIMdMemory.h"
#include "plugin/sdk/AIMenu.h"
#include "plugin/sdk/AIModalParent.h"
#include "plugin/sdk/AINotifier.h"
#include "plugin/sdk/AIPath.h"
#include "plugin/sdk/AIPathStyle.h"
#include "plugin/sdk/AIPathfinder.h"
#include "plugin/sdk/AIPlugin.h"
#include "plugin/sdk/AIPluginGroup.h"
#include "plugin/sdk/AIPreference.h"
#include "plugin/sdk/AIRaster.h"
#include "plugin/sdk/AIRealBezier.h"
#include "plugin/sdk/AIRealMath.h"
#include "plugin/sdk/AIShapeConstruction.h"
#include "plugin/sdk/AIURL.h"
#include "plugin/sdk/AIUnicodeString.h"
#include "plugin/sdk/AIUser.h"
#include "plugin/sdk/SPAccess.h"
#include "plugin/sdk/SPBlocks.h"
#include "plugin/sdk/SPPlugins.h"
#include "tests/headless/suites/HostileCalls.h"

namespace headless {
namespace {

using HostileCalls = hostile::HostileCallsTest;
using hostile::kInf;
using hostile::kNaN;
using hostile::Raw;

TEST_F(HostileCalls, ArtSuite) {
    auto* s = Acquire<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
    AIArtHandle out{};
    ASInt16 type{};
    ASInt32 attr{};
    AIRealRect r{};
    AIBoolean flag{};
    AILayerHandle l{};
    CodeForEach("NewArt prep", BadHandles(deadArt, layerH, false),
                [=, this](AIArtHandle h) mutable { return s->NewArt(kPathArt, kPlaceAbove, h, &out); });
    Code("NewArt null out", [=, this] { return s->NewArt(kPathArt, kPlaceAboveAll, nullptr, nullptr); });
    for (ASInt16 bad : {ASInt16{-1}, ASInt16{7000}, std::numeric_limits<ASInt16>::min()}) {
        Code("NewArt type " + std::to_string(bad),
             [=, this]() mutable { return s->NewArt(bad, kPlaceAboveAll, nullptr, &out); });
        Code("NewArt order " + std::to_string(bad),
             [=, this]() mutable { return s->NewArt(kPathArt, bad, nullptr, &out); });
        Code("ReorderArt order " + std::to_string(bad), [=, this] { return s->ReorderArt(path, bad, group); });
        Code("DuplicateArt order " + std::to_string(bad),
             [=, this]() mutable { return s->DuplicateArt(path, bad, nullptr, &out); });
    }
    Code("NewArt inside a path", [=, this]() mutable { return s->NewArt(kPathArt, kPlaceInsideOnTop, path, &out); });
    Code("ReorderArt into itself", [=, this] { return s->ReorderArt(group, kPlaceInsideOnTop, group); });
    Code("DisposeArt layer group", [=, this]() mutable {
        s->GetFirstArtOfLayer(layerH, &out);
        return s->DisposeArt(out);
    });
    CodeForEach("DisposeArt", BadArt(), [=, this](AIArtHandle h) { return s->DisposeArt(h); });
    CodeForEach("ReorderArt art", BadArt(),
                [=, this](AIArtHandle h) { return s->ReorderArt(h, kPlaceAboveAll, nullptr); });
    CodeForEach("ReorderArt prep", BadHandles(deadArt, layerH, false),
                [=, this](AIArtHandle h) { return s->ReorderArt(path, kPlaceAbove, h); });
    CodeForEach("DuplicateArt art", BadArt(),
                [=, this](AIArtHandle h) mutable { return s->DuplicateArt(h, kPlaceAboveAll, nullptr, &out); });
    CodeForEach("DuplicateArt prep", BadHandles(deadArt, layerH, false),
                [=, this](AIArtHandle h) mutable { return s->DuplicateArt(path, kPlaceAbove, h, &out); });
    Code("DuplicateArt null out", [=, this] { return s->DuplicateArt(path, kPlaceAboveAll, nullptr, nullptr); });
    CodeForEach("GetFirstArtOfLayer", BadLayers(),
                [=, this](AILayerHandle h) mutable { return s->GetFirstArtOfLayer(h, &out); });
    Code("GetFirstArtOfLayer null out", [=, this] { return s->GetFirstArtOfLayer(layerH, nullptr); });
    CodeForEach("GetLayerOfArt", BadArt(), [=, this](AIArtHandle h) mutable { return s->GetLayerOfArt(h, &l); });
    Code("GetLayerOfArt null out", [=, this] { return s->GetLayerOfArt(path, nullptr); });
    CodeForEach("GetArtType", BadArt(), [=, this](AIArtHandle h) mutable { return s->GetArtType(h, &type); });
    Code("GetArtType null out", [=, this] { return s->GetArtType(path, nullptr); });
    CodeForEach("GetArtUserAttr", BadArt(),
                [=, this](AIArtHandle h) mutable { return s->GetArtUserAttr(h, -1, &attr); });
    Code("GetArtUserAttr null out", [=, this] { return s->GetArtUserAttr(path, -1, nullptr); });
    CodeForEach("SetArtUserAttr", BadArt(), [=, this](AIArtHandle h) { return s->SetArtUserAttr(h, -1, -1); });
    for (auto fn : {s->GetArtParent, s->GetArtFirstChild, s->GetArtSibling, s->GetArtPriorSibling}) {
        CodeForEach("neighbour", BadArt(), [=, this](AIArtHandle h) mutable { return fn(h, &out); });
        Code("neighbour null out", [=, this] { return fn(path, nullptr); });
    }
    CodeForEach("GetArtBounds", BadArt(), [=, this](AIArtHandle h) mutable { return s->GetArtBounds(h, &r); });
    Code("GetArtBounds null out", [=, this] { return s->GetArtBounds(path, nullptr); });
    CodeForEach("GetArtTransformBounds", BadArt(),
                [=, this](AIArtHandle h) mutable { return s->GetArtTransformBounds(h, nullptr, 0, &r); });
    Code("GetArtTransformBounds null out", [=, this] { return s->GetArtTransformBounds(path, nullptr, 0, nullptr); });
    for (AIReal v : {kNaN, kInf}) {
        const AIRealMatrix m{v, 0, 0, 1, 0, 0};
        Code("GetArtTransformBounds non-finite matrix",
             [=, this]() mutable { return s->GetArtTransformBounds(path, &m, kVisibleBounds, &r); });
    }
    CodeForEach("IsArtLayerGroup", BadArt(), [=, this](AIArtHandle h) mutable { return s->IsArtLayerGroup(h, &flag); });
    Code("IsArtLayerGroup null out", [=, this] { return s->IsArtLayerGroup(path, nullptr); });
    ExpectAllRefused();
}

TEST_F(HostileCalls, LayerSuite) {
    auto* s = Acquire<AILayerSuite>(kAILayerSuite, kAILayerSuiteVersion);
    AILayerHandle out{};
    AIBoolean flag{};
    AIUnicodeStringRef title{};
    Code("CountLayers null", [=, this] { return s->CountLayers(nullptr); });
    for (ASInt32 n : {-1, 1, 1000, std::numeric_limits<ASInt32>::min(), std::numeric_limits<ASInt32>::max()})
        Code("GetNthLayer " + std::to_string(n), [=, this]() mutable { return s->GetNthLayer(n, &out); });
    Code("GetNthLayer null out", [=, this] { return s->GetNthLayer(0, nullptr); });
    CodeForEach("GetNextLayer", BadLayers(), [=, this](AILayerHandle h) mutable { return s->GetNextLayer(h, &out); });
    Code("GetCurrentLayer null", [=, this] { return s->GetCurrentLayer(nullptr); });
    CodeForEach("SetCurrentLayer", BadLayers(), [=, this](AILayerHandle h) { return s->SetCurrentLayer(h); });
    CodeForEach("InsertLayer ref", BadHandles(deadLayer, path, false),
                [=, this](AILayerHandle h) mutable { return s->InsertLayer(h, kPlaceAbove, &out); });
    Code("InsertLayer above nothing", [=, this]() mutable { return s->InsertLayer(nullptr, kPlaceAbove, &out); });
    Code("InsertLayer inside nothing",
         [=, this]() mutable { return s->InsertLayer(nullptr, kPlaceInsideOnTop, &out); });
    Code("InsertLayer order -1", [=, this]() mutable { return s->InsertLayer(layerH, -1, &out); });
    Code("InsertLayer null out", [=, this] { return s->InsertLayer(nullptr, kPlaceAboveAll, nullptr); });
    CodeForEach("DeleteLayer", BadLayers(), [=, this](AILayerHandle h) { return s->DeleteLayer(h); });
    CodeForEach("GetLayerTitle", BadLayers(),
                [=, this](AILayerHandle h) mutable { return s->GetLayerTitle(h, &title); });
    Code("GetLayerTitle null out", [=, this] { return s->GetLayerTitle(layerH, nullptr); });
    CodeForEach("SetLayerTitle layer", BadLayers(),
                [=, this](AILayerHandle h) { return s->SetLayerTitle(h, nullptr); });
    CodeForEach("SetLayerTitle text", BadHandles(Raw<AIUnicodeStringRef>(0x77), path),
                [=, this](AIUnicodeStringRef t) { return s->SetLayerTitle(layerH, t); });
    for (auto get : {s->GetLayerVisible, s->GetLayerEditable, s->GetLayerPreview, s->LayerHasArt}) {
        CodeForEach("layer flag", BadLayers(), [=, this](AILayerHandle h) mutable { return get(h, &flag); });
        Code("layer flag null out", [=, this] { return get(layerH, nullptr); });
    }
    for (auto set : {s->SetLayerVisible, s->SetLayerEditable, s->SetLayerPreview})
        CodeForEach("set layer flag", BadLayers(), [=, this](AILayerHandle h) { return set(h, 0); });
    ExpectAllRefused();
}

TEST_F(HostileCalls, PathAndPathStyleSuites) {
    auto* s = Acquire<AIPathSuite>(kAIPathSuite, kAIPathSuiteVersion);
    auto* styles = Acquire<AIPathStyleSuite>(kAIPathStyleSuite, kAIPathStyleSuiteVersion);
    ASInt16 count{};
    AIPathSegment segs[8]{};
    AIBoolean flag{};
    AIReal area{};
    AIPathStyle style = DefaultPathStyle();
    const auto notPath = BadHandles(deadArt, layerH);
    auto bad = notPath;
    bad.push_back({"group", group});
    CodeForEach("GetPathSegmentCount", bad,
                [=, this](AIArtHandle h) mutable { return s->GetPathSegmentCount(h, &count); });
    Code("GetPathSegmentCount null", [=, this] { return s->GetPathSegmentCount(path, nullptr); });
    CodeForEach("GetPathSegments", bad, [=, this](AIArtHandle h) mutable { return s->GetPathSegments(h, 0, 1, segs); });
    CodeForEach("SetPathSegments", bad, [=, this](AIArtHandle h) { return s->SetPathSegments(h, 0, 1, segs); });
    CodeForEach("DeletePathSegments", bad, [=, this](AIArtHandle h) { return s->DeletePathSegments(h, 0, 1); });
    CodeForEach("ReversePathSegments", bad, [=, this](AIArtHandle h) { return s->ReversePathSegments(h); });
    for (auto [from, n] : std::vector<std::pair<ASInt16, ASInt16>>{{-1, 1},
                                                                   {0, -1},
                                                                   {0, 5},
                                                                   {4, 1},
                                                                   {3, 2},
                                                                   {std::numeric_limits<ASInt16>::max(), 1},
                                                                   {1, std::numeric_limits<ASInt16>::max()},
                                                                   {std::numeric_limits<ASInt16>::min(), 2}}) {
        const std::string range = std::to_string(from) + "+" + std::to_string(n);
        Code("GetPathSegments " + range, [=, this]() mutable { return s->GetPathSegments(path, from, n, segs); });
        Code("DeletePathSegments " + range, [=, this] { return s->DeletePathSegments(path, from, n); });
    }
    Code("SetPathSegments past the end", [=, this] { return s->SetPathSegments(path, 5, 1, segs); });
    Code("SetPathSegments negative start", [=, this] { return s->SetPathSegments(path, -1, 1, segs); });
    Code("SetPathSegments negative count", [=, this] { return s->SetPathSegments(path, 0, -1, segs); });
    Code("SetPathSegments beyond a count",
         [=, this] { return s->SetPathSegments(path, 4, std::numeric_limits<ASInt16>::max(), segs); });
    Code("GetPathSegments null", [=, this] { return s->GetPathSegments(path, 0, 2, nullptr); });
    Code("SetPathSegments null", [=, this] { return s->SetPathSegments(path, 0, 2, nullptr); });
    for (AIReal v : {kNaN, kInf, -kInf}) {
        AIPathSegment odd[2]{};
        odd[1].out.v = v;
        Code("SetPathSegments non-finite", [=, this] { return s->SetPathSegments(path, 0, 2, odd); });
    }
    for (auto get : {s->GetPathClosed, s->GetPathGuide}) {
        CodeForEach("get path flag", bad, [=, this](AIArtHandle h) mutable { return get(h, &flag); });
        Code("get path flag null", [=, this] { return get(path, nullptr); });
    }
    for (auto set : {s->SetPathClosed, s->SetPathGuide})
        CodeForEach("set path flag", bad, [=, this](AIArtHandle h) { return set(h, 1); });
    CodeForEach("GetPathArea", bad, [=, this](AIArtHandle h) mutable { return s->GetPathArea(h, &area); });
    Code("GetPathArea null", [=, this] { return s->GetPathArea(path, nullptr); });

    CodeForEach("GetPathStyle", bad, [=, this](AIArtHandle h) mutable { return styles->GetPathStyle(h, &style); });
    CodeForEach("SetPathStyle", bad, [=, this](AIArtHandle h) { return styles->SetPathStyle(h, &style); });
    Code("GetPathStyle null", [=, this] { return styles->GetPathStyle(path, nullptr); });
    Code("SetPathStyle null", [=, this] { return styles->SetPathStyle(path, nullptr); });
    Code("GetCurrentPathStyle null", [=, this] { return styles->GetCurrentPathStyle(nullptr); });
    Code("SetCurrentPathStyle null", [=, this] { return styles->SetCurrentPathStyle(nullptr); });
    const auto oddStyle = [](auto change) {
        AIPathStyle odd = DefaultPathStyle();
        change(odd);
        return odd;
    };
    for (const auto& [what, odd] : std::vector<std::pair<std::string, AIPathStyle>>{
             {"NaN width", oddStyle([](AIPathStyle& s) { s.stroke.width = kNaN; })},
             {"negative width", oddStyle([](AIPathStyle& s) { s.stroke.width = -1; })},
             {"infinite gray", oddStyle([](AIPathStyle& s) { s.fill.color.c.g.gray = kInf; })},
             {"unknown colour kind", oddStyle([](AIPathStyle& s) { s.fill.color.kind = static_cast<AIColorTag>(99); })},
             {"dash too long", oddStyle([](AIPathStyle& s) { s.stroke.dash.length = kMaxDashComponents + 1; })},
             {"NaN dash", oddStyle([](AIPathStyle& s) {
                  s.stroke.dash.length = 1;
                  s.stroke.dash.array[0] = kNaN;
              })},
             {"unknown cap", oddStyle([](AIPathStyle& s) { s.stroke.cap = static_cast<AILineCap>(7); })},
         }) {
        Code("SetPathStyle " + what, [=, this] { return styles->SetPathStyle(path, &odd); });
        Code("SetCurrentPathStyle " + what, [=, this] { return styles->SetCurrentPathStyle(&odd); });
    }
    ExpectAllRefused();
}

TEST_F(HostileCalls, ArtSetGroupStyleAndPluginGroupSuites) {
    auto* sets = Acquire<AIArtSetSuite>(kAIArtSetSuite, kAIArtSetSuiteVersion);
    auto* groups = Acquire<AIGroupSuite>(kAIGroupSuite, kAIGroupSuiteVersion);
    auto* artStyles = Acquire<AIArtStyleSuite>(kAIArtStyleSuite, kAIArtStyleSuiteVersion);
    auto* plugins = Acquire<AIPluginGroupSuite>(kAIPluginGroupSuite, kAIPluginGroupSuiteVersion);
    AIArtSet live = nullptr, dead = nullptr;
    ASSERT_EQ(sets->NewArtSet(&live), kNoErr);
    ASSERT_EQ(sets->NewArtSet(&dead), kNoErr);
    const AIArtSet deadCopy = dead;
    ASSERT_EQ(sets->DisposeArtSet(&dead), kNoErr);
    ASSERT_EQ(sets->LayerArtSet(layerH, live), kNoErr);
    std::size_t count{};
    AIArtHandle art{};
    AIBoolean flag{};
    AIArtStyleHandle style = nullptr;
    ASSERT_EQ(artStyles->GetArtStyle(path, &style), kNoErr);
    ASUInt32 attrs{};
    AIPluginGroupHandle pg{};
    const char* name{};
    const auto badSets = BadHandles(deadCopy, path);

    Code("NewArtSet null", [=, this] { return sets->NewArtSet(nullptr); });
    Code("DisposeArtSet null", [=, this] { return sets->DisposeArtSet(nullptr); });
    for (const auto& [label, h] : BadHandles(deadCopy, path, false)) {
        Code("DisposeArtSet(" + label + ")", [=, this, h = h]() mutable { return sets->DisposeArtSet(&h); });
    }
    CodeForEach("CountArtSet", badSets, [=, this](AIArtSet h) mutable { return sets->CountArtSet(h, &count); });
    Code("CountArtSet null out", [=, this] { return sets->CountArtSet(live, nullptr); });
    CodeForEach("IndexArtSet", badSets, [=, this](AIArtSet h) mutable { return sets->IndexArtSet(h, 0, &art); });
    for (std::size_t i : {std::size_t{3}, std::size_t{1000}, ~std::size_t{0}})
        Code("IndexArtSet " + std::to_string(i), [=, this]() mutable { return sets->IndexArtSet(live, i, &art); });
    Code("IndexArtSet null out", [=, this] { return sets->IndexArtSet(live, 0, nullptr); });
    CodeForEach("SelectedArtSet", badSets, [=, this](AIArtSet h) { return sets->SelectedArtSet(h); });
    CodeForEach("LayerArtSet set", badSets, [=, this](AIArtSet h) { return sets->LayerArtSet(layerH, h); });
    CodeForEach("LayerArtSet layer", BadLayers(), [=, this](AILayerHandle h) { return sets->LayerArtSet(h, live); });

    auto notGroup = BadArt();
    notGroup.push_back({"path", path});
    CodeForEach("GetGroupClipped", notGroup,
                [=, this](AIArtHandle h) mutable { return groups->GetGroupClipped(h, &flag); });
    CodeForEach("SetGroupClipped", notGroup, [=, this](AIArtHandle h) { return groups->SetGroupClipped(h, 1); });
    Code("GetGroupClipped null out", [=, this] { return groups->GetGroupClipped(group, nullptr); });

    CodeForEach("GetArtStyle", BadArt(),
                [=, this](AIArtHandle h) mutable { return artStyles->GetArtStyle(h, &style); });
    Code("GetArtStyle null out", [=, this] { return artStyles->GetArtStyle(path, nullptr); });
    CodeForEach("SetArtStyle art", BadArt(), [=, this](AIArtHandle h) { return artStyles->SetArtStyle(h, style); });
    Code("SetArtStyle on a group", [=, this] { return artStyles->SetArtStyle(group, style); });
    const auto badStyles = BadHandles(Raw<AIArtStyleHandle>(0xBADu << 12), path);
    CodeForEach("SetArtStyle style", badStyles,
                [=, this](AIArtStyleHandle h) { return artStyles->SetArtStyle(path, h); });
    CodeForEach("GetPaintAttributes", badStyles,
                [=, this](AIArtStyleHandle h) mutable { return artStyles->GetPaintAttributes(h, ~0u, &attrs); });
    Code("GetPaintAttributes null out", [=, this] { return artStyles->GetPaintAttributes(style, ~0u, nullptr); });

    auto notPlugin = BadArt();
    notPlugin.push_back({"path", path});
    CodeForEach("GetPluginArtPluginGroup", notPlugin,
                [=, this](AIArtHandle h) mutable { return plugins->GetPluginArtPluginGroup(h, &pg); });
    CodeForEach("GetPluginArtEditArt", notPlugin,
                [=, this](AIArtHandle h) mutable { return plugins->GetPluginArtEditArt(h, &art); });
    CodeForEach("GetAIPluginGroupName", BadHandles(Raw<AIPluginGroupHandle>(0x99), path),
                [=, this](AIPluginGroupHandle h) mutable { return plugins->GetAIPluginGroupName(h, &name); });
    ExpectAllRefused();
    EXPECT_EQ(sets->DisposeArtSet(&live), kNoErr);
}

TEST_F(HostileCalls, DocumentViewShapeAndHitTestSuites) {
    auto* docs = Acquire<AIDocumentSuite>(kAIDocumentSuite, kAIDocumentSuiteVersion);
    auto* views = Acquire<AIDocumentViewSuite>(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion);
    auto* shapes = Acquire<AIShapeConstructionSuite>(kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion);
    auto* hits = Acquire<AIHitTestSuite>(kAIHitTestSuite, kAIHitTestSuiteVersion);
    AIDocumentViewHandle view = nullptr;
    ASSERT_EQ(views->GetNthDocumentView(0, &view), kNoErr);
    AIRealRect r{};
    AIRealPoint p{};
    AIReal zoom{};
    AIArtHandle art{};
    AIHitRef hit{};
    AIHitRef released = nullptr;
    const AIRealPoint inside{5, 5};
    ASSERT_EQ(hits->HitTest(path, &inside, kAllHitRequest, &released), kNoErr);
    ASSERT_EQ(hits->Release(released), kNoErr);

    Code("GetDocument null", [=, this] { return docs->GetDocument(nullptr); });
    Code("CountDocumentViews null", [=, this] { return views->CountDocumentViews(nullptr); });
    for (ASInt32 i : {-1, 1, std::numeric_limits<ASInt32>::max()})
        Code("GetNthDocumentView " + std::to_string(i),
             [=, this]() mutable { return views->GetNthDocumentView(i, &view); });
    Code("GetNthDocumentView null out", [=, this] { return views->GetNthDocumentView(0, nullptr); });
    const auto badViews = BadHandles(Raw<AIDocumentViewHandle>(0x4242), path);
    CodeForEach("GetDocumentViewBounds", badViews,
                [=, this](AIDocumentViewHandle h) mutable { return views->GetDocumentViewBounds(h, &r); });
    CodeForEach("GetDocumentViewCenter", badViews,
                [=, this](AIDocumentViewHandle h) mutable { return views->GetDocumentViewCenter(h, &p); });
    CodeForEach("SetDocumentViewCenter", badViews,
                [=, this](AIDocumentViewHandle h) { return views->SetDocumentViewCenter(h, &inside); });
    CodeForEach("GetDocumentViewZoom", badViews,
                [=, this](AIDocumentViewHandle h) mutable { return views->GetDocumentViewZoom(h, &zoom); });
    CodeForEach("SetDocumentViewZoom", badViews,
                [=, this](AIDocumentViewHandle h) { return views->SetDocumentViewZoom(h, 2); });
    Code("GetDocumentViewBounds null", [=, this] { return views->GetDocumentViewBounds(view, nullptr); });
    Code("GetDocumentViewCenter null", [=, this] { return views->GetDocumentViewCenter(view, nullptr); });
    Code("SetDocumentViewCenter null", [=, this] { return views->SetDocumentViewCenter(view, nullptr); });
    Code("GetDocumentViewZoom null", [=, this] { return views->GetDocumentViewZoom(view, nullptr); });
    for (AIReal v : {kNaN, kInf, -kInf, 0.0, -1.0}) {
        const AIRealPoint odd{v, 0};
        if (v != 0 && v != -1)
            Code("SetDocumentViewCenter odd", [=, this] { return views->SetDocumentViewCenter(view, &odd); });
        Code("SetDocumentViewZoom odd", [=, this] { return views->SetDocumentViewZoom(view, v); });
        Code("NewRect odd",
             [=, this]() mutable { return shapes->NewRect(v == 0 || v == -1 ? kNaN : v, 0, 0, 1, 0, &art); });
    }
    Code("NewRect null out", [=, this] { return shapes->NewRect(1, 0, 0, 1, 0, nullptr); });

    CodeForEach("HitTest art", BadArt(),
                [=, this](AIArtHandle h) mutable { return hits->HitTest(h, &inside, 0, &hit); });
    Code("HitTest null point", [=, this]() mutable { return hits->HitTest(path, nullptr, 0, &hit); });
    Code("HitTest null out", [=, this] { return hits->HitTest(path, &inside, 0, nullptr); });
    for (AIReal v : {kNaN, kInf}) {
        const AIRealPoint odd{0, v};
        Code("HitTest odd point", [=, this]() mutable { return hits->HitTest(path, &odd, 0, &hit); });
    }
    const auto badHits = BadHandles(released, path);
    for (const auto& [label, h] : badHits) {
        Zero("IsHit(" + label + ")", [=, this, h = h] { return hits->IsHit(h); });
        Zero("GetArt(" + label + ")", [=, this, h = h] { return hits->GetArt(h); });
    }
    CodeForEach("Release", badHits, [=, this](AIHitRef h) { return hits->Release(h); });
    ExpectAllRefused();
}

TEST_F(HostileCalls, RasterSuite) {
    auto* s = Acquire<AIRasterSuite>(kAIRasterSuite, kAIRasterSuiteVersion);
    ArtId rasterId;
    ASSERT_EQ(doc.NewArt(kRasterArt, kPlaceAboveAll, {}, &rasterId), kNoErr);
    const AIArtHandle raster = H(rasterId);
    AIRasterRecord info{};
    info.bounds = {0, 0, 4, 4};
    info.byteWidth = 4;
    info.colorSpace = kGrayColorSpace;
    info.bitsPerPixel = 8;
    ASSERT_EQ(s->SetRasterInfo(raster, &info), kNoErr);
    AIRealMatrix m{};
    AIRealRect r{};
    std::uint8_t pixels[16]{};
    AITile tile{};
    tile.data = pixels;
    tile.bounds = {0, 0, 4, 4, 0, 1};
    tile.rowBytes = 4;
    tile.colBytes = 1;
    const AISlice slice{0, 0, 4, 4, 0, 1};
    auto bad = BadArt();
    bad.push_back({"path", path});
    CodeForEach("GetRasterInfo", bad, [=, this](AIArtHandle h) mutable { return s->GetRasterInfo(h, &info); });
    CodeForEach("SetRasterInfo", bad, [=, this](AIArtHandle h) { return s->SetRasterInfo(h, &info); });
    CodeForEach("GetRasterMatrix", bad, [=, this](AIArtHandle h) mutable { return s->GetRasterMatrix(h, &m); });
    CodeForEach("SetRasterMatrix", bad, [=, this](AIArtHandle h) { return s->SetRasterMatrix(h, &kIdentityMatrix); });
    CodeForEach("GetRasterBoundingBox", bad,
                [=, this](AIArtHandle h) mutable { return s->GetRasterBoundingBox(h, &r); });
    CodeForEach("GetRasterTile", bad,
                [=, this](AIArtHandle h) mutable { return s->GetRasterTile(h, &slice, &tile, &slice); });
    CodeForEach("SetRasterTile", bad, [=, this](AIArtHandle h) { return s->SetRasterTile(h, &slice, &tile, &slice); });
    Code("GetRasterInfo null", [=, this] { return s->GetRasterInfo(raster, nullptr); });
    Code("SetRasterInfo null", [=, this] { return s->SetRasterInfo(raster, nullptr); });
    Code("GetRasterMatrix null", [=, this] { return s->GetRasterMatrix(raster, nullptr); });
    Code("SetRasterMatrix null", [=, this] { return s->SetRasterMatrix(raster, nullptr); });
    Code("GetRasterBoundingBox null", [=, this] { return s->GetRasterBoundingBox(raster, nullptr); });
    for (int which = 0; which < 3; ++which) {
        Code("GetRasterTile null " + std::to_string(which), [=, this]() mutable {
            return s->GetRasterTile(raster, which == 0 ? nullptr : &slice, which == 1 ? nullptr : &tile,
                                    which == 2 ? nullptr : &slice);
        });
        Code("SetRasterTile null " + std::to_string(which), [=, this] {
            return s->SetRasterTile(raster, which == 0 ? nullptr : &slice, which == 1 ? nullptr : &tile,
                                    which == 2 ? nullptr : &slice);
        });
    }
    for (AIReal v : {kNaN, kInf}) {
        const AIRealMatrix odd{1, 0, 0, 1, v, 0};
        Code("SetRasterMatrix non-finite", [=, this] { return s->SetRasterMatrix(raster, &odd); });
    }
    const ASInt32 big = std::numeric_limits<ASInt32>::max(), small = std::numeric_limits<ASInt32>::min();
    for (const AIRect& bounds :
         {AIRect{0, 0, -1, 4}, AIRect{small, small, big, big}, AIRect{0, small, 1, big}, AIRect{small, 0, big, 1}}) {
        AIRasterRecord odd = info;
        odd.bounds = bounds;
        odd.byteWidth = bounds.right > bounds.left ? big : 0;
        Code("SetRasterInfo odd bounds", [=, this] { return s->SetRasterInfo(raster, &odd); });
    }
    // Rows beyond what a slice can address, with no bytes at all: refused, and the bounds stay computable.
    AIRasterRecord tall = info;
    tall.bounds = {0, small, 0, big};
    tall.byteWidth = 0;
    Code("SetRasterInfo rows past 32 bits", [=] { return s->SetRasterInfo(raster, &tall); });
    for (ASInt16 bits : {ASInt16{0}, ASInt16{-8}, ASInt16{7}, ASInt16{4096}}) {
        AIRasterRecord odd = info;
        odd.bitsPerPixel = bits;
        Code("SetRasterInfo bits " + std::to_string(bits), [=, this] { return s->SetRasterInfo(raster, &odd); });
    }
    for (const AISlice& odd : {AISlice{-1, 0, 3, 4, 0, 1}, AISlice{0, 0, 5, 4, 0, 1}, AISlice{2, 0, 1, 4, 0, 1},
                               AISlice{0, 0, 4, 4, 0, 2}, AISlice{small, small, big, big, small, big}}) {
        Code("GetRasterTile odd slice", [=, this]() mutable { return s->GetRasterTile(raster, &odd, &tile, &odd); });
        Code("SetRasterTile odd slice", [=, this] { return s->SetRasterTile(raster, &odd, &tile, &odd); });
    }
    AITile lying = tile;
    lying.rowBytes = -4;
    Code("GetRasterTile negative row bytes",
         [=, this]() mutable { return s->GetRasterTile(raster, &slice, &lying, &slice); });
    AITile empty = tile;
    empty.data = nullptr;
    Code("GetRasterTile null data", [=, this]() mutable { return s->GetRasterTile(raster, &slice, &empty, &slice); });
    AITile oddInterleave = tile;
    oddInterleave.channelInterleave[0] = -1;
    Code("GetRasterTile negative interleave",
         [=, this]() mutable { return s->GetRasterTile(raster, &slice, &oddInterleave, &slice); });
    ExpectAllRefused();
}

}  // namespace
}  // namespace headless
