// The outside pass over whole documents: which layers and objects it may touch, the text and symbol rule, plug-in
// art, emptied layers, and seeded random documents judged by an oracle of their own.
#include <optional>
#include <random>

#include "tests/plugin/engine/EngineFixture.h"

namespace trimora::testing {
namespace {

class OutsidePass : public EngineTest {
protected:
    LayerId NewLayer(const std::string& title) { return AddLayer(title); }
    ArtId RectOn(LayerId l, AIReal left, AIReal top, AIReal right, AIReal bottom) {
        return AddRect(left, top, right, bottom, LayerGroup(l), kPlaceInsideOnTop);
    }
};

TEST_F(OutsidePass, HiddenAndLockedLayersStayWholeAndAreNeverAnnouncedOutlineLayersAreClipped) {
    const LayerId hidden = NewLayer("hidden"), locked = NewLayer("locked"), outline = NewLayer("outline");
    doc.FindLayer(hidden)->visible = false;
    doc.FindLayer(locked)->editable = false;
    doc.FindLayer(outline)->preview = false;
    const ArtId onHidden = RectOn(hidden, 200, 200, 220, 180);
    const ArtId onLocked = RectOn(locked, 200, 200, 220, 180);
    const ArtId onOutline = RectOn(outline, 200, 200, 220, 180);
    Region(0, 50, 100, 0);

    EXPECT_EQ(Play(ClipOptions{}), kNoErr);
    EXPECT_TRUE(Alive(onHidden));
    EXPECT_TRUE(Alive(onLocked));
    EXPECT_FALSE(Alive(onOutline));
    EXPECT_EQ(app.user.progressTexts, (std::vector<std::string>{"切り抜き(外側)を実行中 レイヤー[Layer 1]",
                                                                "切り抜き(外側)を実行中 レイヤー[outline]"}));
}

// A locked or hidden sublayer is passed over by itself; what follows it in the same parent is still clipped.
TEST_F(OutsidePass, ObjectsAfterAClosedSublayerAreStillVisited) {
    for (const std::int32_t flag : {kArtLocked, kArtHidden}) {
        SCOPED_TRACE(flag);
        LayerId outer, closed;
        ASSERT_EQ(doc.InsertSublayer(kPlaceInsideOnTop, LayerGroup(layer), &outer), kNoErr);
        const ArtId region = AddRect(0, 50, 100, 0, LayerGroup(outer), kPlaceInsideOnTop);
        const ArtId after = AddRect(200, 200, 220, 180, LayerGroup(outer), kPlaceInsideOnTop);
        ASSERT_EQ(doc.InsertSublayer(kPlaceInsideOnTop, LayerGroup(outer), &closed), kNoErr);
        const ArtId kept = AddRect(200, 200, 220, 180, LayerGroup(closed), kPlaceInsideOnTop);
        ASSERT_EQ(doc.SetUserAttr(LayerGroup(closed), flag, flag), kNoErr);
        Select(region);

        EXPECT_EQ(Play(ClipOptions{}), kNoErr);
        EXPECT_TRUE(Alive(kept));
        EXPECT_FALSE(Alive(after));
        EXPECT_FALSE(Alive(region));
    }
}

// Handing a clip group or a clipping layer that holds the region to its handler could cut the region away with
// its mask; they are walked as plain containers instead, around the region.
TEST_F(OutsidePass, ContainersOfTheRegionAreWalkedNotHandedOver) {
    const ArtId clipGroup = AddGroup();
    doc.Find(clipGroup)->clipped = true;
    const ArtId inGroup = AddRect(200, 200, 220, 180, clipGroup, kPlaceInsideOnTop);
    const ArtId region = AddRect(0, 50, 100, 0, clipGroup, kPlaceInsideOnTop);
    const ArtId mask = AddRect(-10, 60, 110, -10, clipGroup, kPlaceInsideOnTop);
    doc.Find(mask)->style.Edit().clip = 1;
    doc.Find(LayerGroup(layer))->clipped = true;
    const ArtId onLayer = AddRect(300, 300, 320, 280);
    Select(region);

    EXPECT_EQ(Play(ClipOptions{}), kNoErr);
    EXPECT_FALSE(Alive(inGroup));
    EXPECT_FALSE(Alive(onLayer));
    EXPECT_FALSE(Alive(region));
    // The mask itself is a path like any other there: it is cut to the region and still clips the group.
    ASSERT_TRUE(Alive(clipGroup));
    const ArtId newMask = doc.Find(clipGroup)->firstChild;
    ASSERT_TRUE(newMask);
    EXPECT_TRUE(doc.Find(newMask)->style->clip);
    AIRealRect bounds{};
    ASSERT_EQ(doc.Bounds(newMask, nullptr, &bounds), kNoErr);
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, 50);
    EXPECT_EQ(bounds.right, 100);
    EXPECT_EQ(bounds.bottom, 0);
    EXPECT_FALSE(Alive(mask)) << "replaced by its part inside the region";
}

TEST_F(OutsidePass, GuidesAndLockedArtStayEvenWhollyOutside) {
    const ArtId guide = AddRect(200, 200, 220, 180);
    doc.Find(guide)->guide = true;
    const ArtId locked = AddRect(200, 200, 220, 180);
    Lock(locked);
    const ArtId plain = AddRect(200, 200, 220, 180);

    const auto compound = [&](bool lockMember, bool guideMember) {
        ArtId c;
        EXPECT_EQ(doc.NewArt(kCompoundPathArt, kPlaceAboveAll, {}, &c), kNoErr);
        const ArtId first = AddRect(200, 200, 220, 180, c, kPlaceInsideOnTop);
        AddRect(205, 195, 215, 185, c, kPlaceInsideOnTop);
        if (lockMember) Lock(first);
        if (guideMember) doc.Find(first)->guide = true;
        return c;
    };
    const ArtId lockedMember = compound(true, false);
    const ArtId guideMember = compound(false, true);
    const ArtId lockedCompound = compound(false, false);
    Lock(lockedCompound);
    const ArtId lockedGroup = AddGroup();
    Lock(lockedGroup);
    const ArtId inLockedGroup = AddRect(200, 200, 220, 180, lockedGroup, kPlaceInsideOnTop);
    Region(0, 50, 100, 0);

    EXPECT_EQ(Play(ClipOptions{}), kNoErr);
    EXPECT_TRUE(Alive(guide));
    EXPECT_TRUE(Alive(locked));
    EXPECT_FALSE(Alive(plain));
    EXPECT_TRUE(Alive(lockedMember));
    EXPECT_FALSE(Alive(guideMember));
    EXPECT_TRUE(Alive(lockedCompound));
    EXPECT_TRUE(Alive(inLockedGroup));
}

// A triangle, so that bounds decide nothing near it and every frame crossing its box is judged by its corners.
class TextRule : public EngineTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TextRule, FramesAndSymbolsGoOrStayByTheirFourCorners) {
    const bool deleteOnTheLine = GetParam();
    const ArtId allIn = AddBoxed(kTextFrameArt, {10, 30, 30, 10});
    const ArtId straddling = AddBoxed(kTextFrameArt, {40, 80, 80, 40});
    const ArtId inTheBoxOnly = AddBoxed(kSymbolArt, {80, 100, 95, 85});
    const ArtId aroundIt = AddBoxed(kSymbolArt, {-10, 110, 110, -10});
    const ArtId farAway = AddBoxed(kTextFrameArt, {200, 200, 220, 180});
    SelectedPath({{0, 0}, {100, 0}, {0, 100}});

    EXPECT_EQ(Play(ClipOptions{0, 0, deleteOnTheLine ? 1 : 0, 0, 0}), kNoErr);
    EXPECT_TRUE(Alive(allIn));
    EXPECT_EQ(Alive(straddling), !deleteOnTheLine);
    EXPECT_FALSE(Alive(inTheBoxOnly));
    EXPECT_FALSE(Alive(aroundIt));
    EXPECT_FALSE(Alive(farAway));
}

INSTANTIATE_TEST_SUITE_P(DeleteTextOnTheLine, TextRule, ::testing::Bool());

// The corners are tested against the region's own fill: a host that cannot answer must not cost the user text.
TEST_F(OutsidePass, AFailingHitTestEndsTheRunAndDeletesNothing) {
    const ArtId text = AddBoxed(kTextFrameArt, {40, 80, 80, 40});
    SelectedPath({{0, 0}, {100, 0}, {0, 100}});
    app.faults.FailCall("AIHitTestSuite::HitTest", kBad);
    EXPECT_EQ(Play(ClipOptions{}), kBad);
    EXPECT_TRUE(Alive(text));
    EXPECT_EQ(app.hits.LiveCount(), 0u);
}

TEST_F(OutsidePass, PlugInArtIsClippedThroughItsEditArtExceptSymbolism) {
    ArtId symbolismMember, effectMember;
    const ArtId symbolism = AddPluginArt("Adobe Symbolism", {50, 150, 150, 50}, &symbolismMember);
    const ArtId effect = AddPluginArt("Some Effect", {50, 150, 150, 50}, &effectMember);
    const ArtId edit = doc.Find(effect)->editArt;
    std::vector<ArtId> outsideMembers;
    // More objects than the document counts, so that counting them alone would run the bar past its end.
    for (int i = 0; i < 150; ++i)
        outsideMembers.push_back(AddRect(200 + i, 200, 220 + i, 180, edit, kPlaceInsideOnBottom));
    const ArtId mesh = AddBoxed(kMeshArt, {50, 150, 150, 50});
    const ArtId meshOutside = AddBoxed(kMeshArt, {200, 200, 220, 180});
    Region(0, 100, 100, 0);

    EXPECT_EQ(Play(ClipOptions{}), kNoErr);
    EXPECT_TRUE(Alive(symbolism));
    EXPECT_TRUE(Alive(symbolismMember));
    EXPECT_TRUE(Alive(effect));
    for (const ArtId m : outsideMembers)
        EXPECT_FALSE(Alive(m));
    EXPECT_TRUE(Alive(mesh));
    EXPECT_FALSE(Alive(meshOutside));
    // Edit art is visited but was not counted; the bar still never passes its end.
    EXPECT_EQ(app.user.progressHighestAsked, 100);
}

TEST_F(OutsidePass, EmptiedLayersGoWhenAskedAndStayOtherwise) {
    for (const bool deleteEmpty : {false, true}) {
        SCOPED_TRACE(deleteEmpty);
        const LayerId emptied = NewLayer("emptied"), empty = NewLayer("empty"), hidden = NewLayer("hidden");
        doc.FindLayer(hidden)->visible = false;
        RectOn(emptied, 200, 200, 220, 180);
        const ArtId region = Region(0, 50, 100, 0);

        EXPECT_EQ(Play(ClipOptions{0, deleteEmpty ? 1 : 0, 0, 0, 1}), kNoErr);
        EXPECT_TRUE(Alive(region));
        for (const LayerId l : {emptied, empty, hidden})
            EXPECT_EQ(doc.FindLayer(l) != nullptr, !deleteEmpty);
        EXPECT_NE(doc.FindLayer(layer), nullptr);
        EXPECT_EQ(doc.CountLayers(), deleteEmpty ? 1 : 4);
        for (const LayerId l : {emptied, empty, hidden})
            if (doc.FindLayer(l)) {
                ASSERT_EQ(doc.DeleteLayer(l), kNoErr);
            }
        ASSERT_EQ(doc.Dispose(region), kNoErr);
    }
}

TEST_F(OutsidePass, ShowingProgressRedrawsAfterEachProcessedLayer) {
    NewLayer("second");
    NewLayer("hidden");
    doc.FindLayer(doc.NthLayer(2))->visible = false;
    Region(0, 50, 100, 0);
    std::size_t redraws[2] = {};
    for (const bool show : {false, true}) {
        app.calls.Clear();
        ASSERT_EQ(Play(ClipOptions{0, 0, 0, show ? 1 : 0, 1}), kNoErr);
        redraws[show] = app.calls.Count("AIDocumentSuite::RedrawDocument");
    }
    EXPECT_EQ(redraws[1] - redraws[0], 2u);
}

// Seeded random documents of rectangles and groups on layers of every state, against a rectangular region. The
// oracle reads only the host's bounds and flags: walking down from the layer, the first locked, hidden or guide
// object keeps everything in it, the first one wholly apart from the region's bounds goes with everything in it,
// the first one wholly within them stays; an object crossing them is left to its cut and not judged here.
class RandomDocuments : public EngineTest, public ::testing::WithParamInterface<int> {
protected:
    enum class Fate { kKept, kGone, kOpen };
    struct Placed {
        ArtId id;
        std::vector<ArtId> chain;  // the object and its containers, outermost first
        bool layerClosed;
        std::vector<AIPathSegment> segments;
    };

    AIRealRect RandomRect() {
        std::uniform_real_distribution<AIReal> pos(-300, 300), size(1, 120);
        for (;;) {
            const AIReal l = pos(rng), b = pos(rng);
            const AIRealRect r{l, b + size(rng), l + size(rng), b};
            if (ClearOfRegionEdges(r)) return r;
        }
    }
    // Edges closer than this to the region's are left out: touching rectangles are the host's call.
    bool ClearOfRegionEdges(const AIRealRect& r) const {
        const auto clear = [](AIReal a, AIReal b) { return std::abs(a - b) > 0.5; };
        for (const AIReal x : {r.left, r.right})
            if (!clear(x, region.left) || !clear(x, region.right)) return false;
        for (const AIReal y : {r.top, r.bottom})
            if (!clear(y, region.top) || !clear(y, region.bottom)) return false;
        return true;
    }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng); }

    void Fill(ArtId parent, int depth, std::vector<ArtId> chain, bool layerClosed) {
        const int count = std::uniform_int_distribution<int>(1, depth == 0 ? 8 : 3)(rng);
        for (int i = 0; i < count; ++i) {
            ArtId id;
            if (depth < 2 && Chance(0.25)) {
                id = AddGroup(parent, kPlaceInsideOnBottom);
            } else {
                const AIRealRect r = RandomRect();
                id = AddRect(r.left, r.top, r.right, r.bottom, parent, kPlaceInsideOnBottom);
                if (Chance(0.05)) doc.Find(id)->guide = true;
            }
            if (Chance(0.08)) Lock(id);
            if (Chance(0.04)) {
                EXPECT_EQ(doc.SetUserAttr(id, kArtHidden, kArtHidden), kNoErr);
            }
            std::vector<ArtId> own = chain;
            own.push_back(id);
            if (doc.Find(id)->type == kGroupArt) {
                Fill(id, depth + 1, own, layerClosed);
            } else {
                placed.push_back({id, own, layerClosed, doc.Find(id)->segments});
            }
        }
    }

    Fate Judge(const Placed& p) const {
        if (p.layerClosed) return Fate::kKept;
        for (const ArtId id : p.chain) {
            const headless::Art& a = *doc.Find(id);
            if ((a.userAttrs & (kArtLocked | kArtHidden)) || a.guide) return Fate::kKept;
            AIRealRect b{};
            EXPECT_EQ(doc.Bounds(id, nullptr, &b), kNoErr);
            const bool apart =
                b.right < region.left || b.left > region.right || b.top < region.bottom || b.bottom > region.top;
            const bool within =
                b.left > region.left && b.right < region.right && b.top < region.top && b.bottom > region.bottom;
            // A group with nothing in it has no extent to judge.
            if (a.type == kGroupArt && !a.firstChild) return Fate::kOpen;
            if (apart) return Fate::kGone;
            if (within) return Fate::kKept;
        }
        return Fate::kOpen;
    }

    std::mt19937 rng;
    AIRealRect region{};
    std::vector<Placed> placed;
};

TEST_P(RandomDocuments, WhatLiesApartGoesWhatLiesWithinStaysAndClosedLayersAreUntouched) {
    rng.seed(static_cast<std::mt19937::result_type>(GetParam()));
    std::uniform_real_distribution<AIReal> pos(-150, 100), size(20, 150);
    const AIReal l = pos(rng), b = pos(rng);
    region = {l, b + size(rng), l + size(rng), b};

    const LayerId layers[] = {layer, AddLayer("second"), AddLayer("third")};
    for (const LayerId l2 : layers) {
        headless::Layer& lay = *doc.FindLayer(l2);
        if (l2 != layer) {
            lay.visible = !Chance(0.3);
            lay.editable = !Chance(0.3);
        }
        Fill(LayerGroup(l2), 0, {}, !lay.visible || !lay.editable);
    }
    // Decided before the run, while every object is still there to ask.
    std::vector<Fate> fates;
    for (const Placed& p : placed)
        fates.push_back(Judge(p));
    const ArtId regionId =
        AddRect(region.left, region.top, region.right, region.bottom, LayerGroup(layer), kPlaceInsideOnTop);
    Select(regionId);

    ASSERT_EQ(Play(ClipOptions{}), kNoErr);
    EXPECT_FALSE(Alive(regionId));
    EXPECT_EQ(doc.CountLayers(), 3);
    EXPECT_LE(app.user.progressHighestAsked, 100);
    std::size_t decided = 0;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const Placed& p = placed[i];
        if (fates[i] == Fate::kOpen) continue;
        ++decided;
        if (fates[i] == Fate::kGone) {
            EXPECT_FALSE(Alive(p.id)) << "object " << i;
        } else {
            ASSERT_TRUE(Alive(p.id)) << "object " << i;
            EXPECT_EQ(doc.Find(p.id)->segments.size(), p.segments.size()) << "object " << i;
        }
    }
    EXPECT_GT(decided, 0u);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomDocuments, ::testing::Range(1, 21));

}  // namespace
}  // namespace trimora::testing
