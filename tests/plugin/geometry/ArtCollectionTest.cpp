// Art collections: fills from the selection and from layers, the one host set a collection owns, reads outside
// the range, and failed fills.
#include <gtest/gtest.h>

#include "plugin/geometry/ArtCollection.h"
#include "plugin/geometry/ArtHandleList.h"
#include "tests/plugin/geometry/GeometryFixture.h"

namespace trimora::testing {
namespace {

using ArtCollections = GeometryTest;

TEST_F(ArtCollections, ANullLayerGivesAnEmptyCollectionAndDisposesTheOldSet) {
    AddRect(0, 10, 10, 0);
    ArtCollection collection;
    collection.FillFromLayer(H(layer));
    ASSERT_TRUE(collection.IsValid());
    collection.FillFromLayer(nullptr);
    EXPECT_FALSE(collection.IsValid());
    EXPECT_EQ(collection.Count(), 0u);
    EXPECT_EQ(collection.At(0), nullptr);
    EXPECT_EQ(app.artSets.LiveCount(), 0u);
}

TEST_F(ArtCollections, ARefillDisposesTheOldSetAndDestructionTheLast) {
    const headless::ArtId back = AddRect(0, 10, 10, 0);
    const headless::ArtId front = AddRect(20, 30, 30, 20);
    Select(back);
    {
        ArtCollection collection;
        collection.FillFromSelection();
        EXPECT_EQ(collection.Count(), 2u);  // the layer group, then the path
        EXPECT_EQ(collection.At(1), H(back));
        collection.FillFromLayer(H(layer));
        EXPECT_EQ(app.artSets.LiveCount(), 1u);
        EXPECT_EQ(collection.Count(), 3u);
        EXPECT_EQ(collection.At(0), H(GroupOf(layer)));
        EXPECT_EQ(collection.At(1), H(front));
    }
    EXPECT_EQ(app.artSets.LiveCount(), 0u);
}

TEST_F(ArtCollections, ReadsOutsideTheRangeGiveNullWithoutAskingTheHost) {
    AddRect(0, 10, 10, 0);
    ArtCollection collection;
    EXPECT_EQ(collection.At(0), nullptr);
    collection.FillFromLayer(H(layer));
    ASSERT_EQ(collection.Count(), 2u);
    const std::size_t mark = Mark();
    EXPECT_EQ(collection.At(-1), nullptr);
    EXPECT_EQ(collection.At(2), nullptr);
    EXPECT_TRUE(CallsSince(mark).empty());
    // A handle the host refuses to give is null too.
    app.faults.FailCall("AIArtSetSuite::IndexArtSet", FourCharErr("BAD!"));
    EXPECT_EQ(collection.At(1), nullptr);
}

TEST_F(ArtCollections, ACollectionNeverFilledMakesNoHostCall) {
    const std::size_t mark = Mark();
    { ArtCollection collection; }
    EXPECT_TRUE(CallsSince(mark).empty());
}

TEST_F(ArtCollections, AFailedFillLeavesItEmptyAndKeepsNoSet) {
    Select(AddRect(0, 10, 10, 0));
    for (const char* step :
         {"AIArtSetSuite::NewArtSet", "AIArtSetSuite::SelectedArtSet", "AIArtSetSuite::CountArtSet"}) {
        SCOPED_TRACE(step);
        app.faults.Clear();
        app.faults.FailCall(step, FourCharErr("BAD!"));
        ArtCollection collection;
        EXPECT_EQ(collection.FillFromSelection(), FourCharErr("BAD!"));
        EXPECT_FALSE(collection.IsValid());
        EXPECT_EQ(collection.Count(), 0u);
        EXPECT_EQ(app.artSets.LiveCount(), 0u);
    }
    // A layer that is gone: no set is kept either.
    const headless::LayerId other = AddLayer("Gone");
    const AILayerHandle gone = H(other);
    ASSERT_EQ(doc.DeleteLayer(other), kNoErr);
    app.faults.Clear();
    ArtCollection collection;
    EXPECT_NE(collection.FillFromLayer(gone), kNoErr);
    EXPECT_FALSE(collection.IsValid());
    EXPECT_EQ(app.artSets.LiveCount(), 0u);
}

TEST(ArtHandleLists, AppendReadAndEmpty) {
    ArtHandleList list;
    auto* a = reinterpret_cast<AIArtHandle>(0x10);
    auto* b = reinterpret_cast<AIArtHandle>(0x20);
    list.Append(a);
    list.Append(b);
    EXPECT_EQ(list.Length(), 2u);
    EXPECT_EQ(list.At(0), a);
    EXPECT_EQ(list.At(1), b);
    EXPECT_EQ(list.At(2), nullptr);
    list.Clear();
    EXPECT_EQ(list.Length(), 0u);
    EXPECT_EQ(list.At(0), nullptr);
}

}  // namespace
}  // namespace trimora::testing
