// The layer suite: insertion by paint order, nth and next, deletion with art, titles through Unicode strings.
#include <gtest/gtest.h>

#include "plugin/sdk/AILayer.h"
#include "tests/support/HostFixture.h"

namespace headless {
namespace {

using testing::HostTest;

class LayerSuite : public HostTest {
protected:
    const AILayerSuite* layers = Acquire<AILayerSuite>(kAILayerSuite, kAILayerSuiteVersion);

    std::vector<AILayerHandle> TopDown() {
        std::vector<AILayerHandle> out;
        AILayerHandle l = nullptr;
        EXPECT_EQ(layers->GetNthLayer(0, &l), kNoErr);
        while (l) {
            out.push_back(l);
            EXPECT_EQ(layers->GetNextLayer(l, &l), kNoErr);
        }
        return out;
    }
    AIUnicodeStringRef NewString(std::u32string text) {
        return AppHandleOf<AIUnicodeStringRef>(HandleKind::kUnicodeString, app.strings.Add(std::move(text)));
    }
    std::u32string Text(AIUnicodeStringRef s) {
        return app.strings[AppIdOf(HandleKind::kUnicodeString, s, app.strings)];
    }
};

TEST_F(LayerSuite, InsertByPaintOrderAndWalkTopDown) {
    AILayerHandle top, below, bottom;
    ASSERT_EQ(layers->InsertLayer(nullptr, kPlaceAboveAll, &top), kNoErr);
    ASSERT_EQ(layers->InsertLayer(nullptr, kPlaceBelowAll, &bottom), kNoErr);
    ASSERT_EQ(layers->InsertLayer(top, kPlaceBelow, &below), kNoErr);
    EXPECT_EQ(TopDown(), (std::vector{top, below, H(layer), bottom}));
    ASInt32 count = 0;
    ASSERT_EQ(layers->CountLayers(&count), kNoErr);
    EXPECT_EQ(count, 4);

    AILayerHandle l = top;
    EXPECT_EQ(layers->GetNthLayer(4, &l), kOutOfRangeErr);
    EXPECT_EQ(l, nullptr);
    l = top;
    EXPECT_EQ(layers->GetNthLayer(-1, &l), kOutOfRangeErr);
    EXPECT_EQ(l, nullptr);
    AILayerHandle none = top;
    EXPECT_EQ(layers->InsertLayer(nullptr, kPlaceAbove, &none), kDeadHandleErr);
    EXPECT_EQ(none, nullptr);

    // Inside a layer: a sublayer in its tree, not a top-level layer.
    AILayerHandle sub;
    ASSERT_EQ(layers->InsertLayer(below, kPlaceInsideOnTop, &sub), kNoErr);
    ASSERT_EQ(layers->CountLayers(&count), kNoErr);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(doc.Find(LayerOf(sub).group)->parent, LayerOf(below).group);
    AILayerHandle beside;
    ASSERT_EQ(layers->InsertLayer(sub, kPlaceBelow, &beside), kNoErr);
    EXPECT_EQ(doc.Find(LayerOf(sub).group)->next, LayerOf(beside).group);
    EXPECT_EQ(layers->GetNextLayer(sub, &l), kNoErr);
    EXPECT_EQ(l, nullptr);
}

TEST_F(LayerSuite, DeleteTakesTheArtAndKillsItsHandles) {
    AILayerHandle other;
    ASSERT_EQ(layers->InsertLayer(nullptr, kPlaceAboveAll, &other), kNoErr);
    const AIArtHandle path = H(AddRect(0, 1, 1, 0));  // in the current layer, the first one
    AIBoolean hasArt = -1;
    ASSERT_EQ(layers->LayerHasArt(H(layer), &hasArt), kNoErr);
    EXPECT_EQ(hasArt, 1);
    ASSERT_EQ(layers->LayerHasArt(other, &hasArt), kNoErr);
    EXPECT_EQ(hasArt, 0);

    const AILayerHandle doomed = H(layer);
    ASSERT_EQ(layers->DeleteLayer(doomed), kNoErr);
    EXPECT_EQ(TopDown(), (std::vector{other}));
    EXPECT_EQ(layers->DeleteLayer(doomed), kDeadHandleErr);
    AIBoolean visible;
    EXPECT_EQ(layers->GetLayerVisible(doomed, &visible), kDeadHandleErr);
    EXPECT_THROW(ArtIdOf(path), HostError);
}

TEST_F(LayerSuite, CurrentLayerAndFlags) {
    AILayerHandle other, current;
    ASSERT_EQ(layers->InsertLayer(nullptr, kPlaceBelowAll, &other), kNoErr);
    ASSERT_EQ(layers->GetCurrentLayer(&current), kNoErr);
    EXPECT_EQ(current, H(layer));
    ASSERT_EQ(layers->SetCurrentLayer(other), kNoErr);
    ASSERT_EQ(layers->GetCurrentLayer(&current), kNoErr);
    EXPECT_EQ(current, other);
    EXPECT_EQ(doc.Find(AddRect(0, 1, 1, 0))->parent, LayerOf(other).group);

    AIBoolean v = -1;
    for (auto [get, set] : {std::pair{layers->GetLayerVisible, layers->SetLayerVisible},
                            std::pair{layers->GetLayerEditable, layers->SetLayerEditable},
                            std::pair{layers->GetLayerPreview, layers->SetLayerPreview}}) {
        ASSERT_EQ(get(other, &v), kNoErr);
        EXPECT_EQ(v, 1);
        ASSERT_EQ(set(other, 0), kNoErr);
        ASSERT_EQ(get(other, &v), kNoErr);
        EXPECT_EQ(v, 0);
        ASSERT_EQ(get(H(layer), &v), kNoErr);
        EXPECT_EQ(v, 1);
        EXPECT_EQ(get(other, nullptr), kBadParameterErr);
    }
    EXPECT_FALSE(LayerOf(other).visible || LayerOf(other).editable || LayerOf(other).preview);
}

TEST_F(LayerSuite, TitlesRoundTripThroughUnicodeStrings) {
    const AIUnicodeStringRef given = NewString(U"作業レイヤー 𝄞");
    ASSERT_EQ(layers->SetLayerTitle(H(layer), given), kNoErr);
    EXPECT_EQ(LayerOf(H(layer)).title, "作業レイヤー 𝄞");
    AIUnicodeStringRef title = nullptr;
    ASSERT_EQ(layers->GetLayerTitle(H(layer), &title), kNoErr);
    EXPECT_NE(title, given);  // a new string, the caller's to destroy
    EXPECT_EQ(Text(title), U"作業レイヤー 𝄞");
    const std::size_t strings = app.strings.LiveCount();
    app.strings.Remove(AppIdOf(HandleKind::kUnicodeString, title, app.strings));
    EXPECT_EQ(app.strings.LiveCount(), strings - 1);

    // A dead string, a string that is no valid text, and a malformed stored title are refused.
    EXPECT_EQ(layers->SetLayerTitle(H(layer), title), kDeadHandleErr);
    EXPECT_EQ(layers->SetLayerTitle(H(layer), NewString(std::u32string{char32_t{0xD800}})), kBadParameterErr);
    EXPECT_EQ(LayerOf(H(layer)).title, "作業レイヤー 𝄞");
    LayerOf(H(layer)).title = "\xff";
    title = given;
    EXPECT_EQ(layers->GetLayerTitle(H(layer), &title), kBadParameterErr);
    EXPECT_EQ(title, nullptr);
}

}  // namespace
}  // namespace headless
