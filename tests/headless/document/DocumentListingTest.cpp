// Art sets of a layer and of the selection: containers before members, document order.
#include <gtest/gtest.h>

#include "headless/document/Document.h"

namespace headless {
namespace {

class DocumentListing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(doc.InsertLayer({}, kPlaceAboveAll, &lower), kNoErr);
        ASSERT_EQ(doc.InsertLayer({}, kPlaceAboveAll, &upper), kNoErr);
        ASSERT_EQ(doc.SetCurrentLayer(lower), kNoErr);
    }
    ArtId New(AIArtType type, AIPaintOrder order, ArtId ref) {
        ArtId id;
        EXPECT_EQ(doc.NewArt(type, order, ref, &id), kNoErr);
        return id;
    }
    void Select(ArtId id) { ASSERT_EQ(doc.SetUserAttr(id, kArtSelected, kArtSelected), kNoErr); }
    ArtId Group(LayerId l) { return doc.FindLayer(l)->group; }

    Document doc;
    LayerId lower, upper;
};

TEST_F(DocumentListing, LayerArtIsPreOrderFrontToBack) {
    const ArtId g = New(kGroupArt, kPlaceAboveAll, {});
    const ArtId a = New(kPathArt, kPlaceInsideOnTop, g);
    const ArtId c = New(kCompoundPathArt, kPlaceBelow, a);
    const ArtId m = New(kPathArt, kPlaceInsideOnTop, c);
    const ArtId last = New(kPathArt, kPlaceBelowAll, {});
    std::vector<ArtId> list;
    ASSERT_EQ(doc.ListLayerArt(lower, &list), kNoErr);
    EXPECT_EQ(list, (std::vector<ArtId>{Group(lower), g, a, c, m, last}));
    EXPECT_EQ(doc.ListLayerArt(LayerId{}, &list), kDeadHandleErr);
}

TEST_F(DocumentListing, OneSelectedPathGivesLayerGroupThenPath) {
    New(kPathArt, kPlaceAboveAll, {});
    const ArtId p = New(kPathArt, kPlaceAboveAll, {});
    Select(p);
    EXPECT_EQ(doc.ListSelection(), (std::vector<ArtId>{Group(lower), p}));
}

TEST_F(DocumentListing, SelectionIsTopDownWithContainersOnTheWay) {
    const ArtId g = New(kGroupArt, kPlaceAboveAll, {});
    const ArtId inner = New(kPathArt, kPlaceInsideOnTop, g);
    const ArtId front = New(kPathArt, kPlaceAboveAll, {});
    ASSERT_EQ(doc.SetCurrentLayer(upper), kNoErr);
    const ArtId onUpper = New(kPathArt, kPlaceAboveAll, {});
    Select(inner);
    Select(front);
    Select(onUpper);
    EXPECT_EQ(doc.ListSelection(), (std::vector<ArtId>{Group(upper), onUpper, Group(lower), front, g, inner}));
    // Deselecting and disposing take objects out of the listing.
    ASSERT_EQ(doc.SetUserAttr(front, kArtSelected, 0), kNoErr);
    ASSERT_EQ(doc.Dispose(g), kNoErr);
    EXPECT_EQ(doc.ListSelection(), (std::vector<ArtId>{Group(upper), onUpper}));
}

TEST_F(DocumentListing, DuplicatesOfSelectedArtAreSelectedToo) {
    const ArtId p = New(kPathArt, kPlaceAboveAll, {});
    Select(p);
    ArtId copy;
    ASSERT_EQ(doc.Duplicate(p, kPlaceBelow, p, &copy), kNoErr);
    EXPECT_EQ(doc.ListSelection(), (std::vector<ArtId>{Group(lower), p, copy}));
}

TEST_F(DocumentListing, ArtStylesAreInternedByValue) {
    ArtStyle a{DefaultPathStyle(), {}};
    ArtStyle b = a;
    EXPECT_EQ(doc.InternArtStyle(a), doc.InternArtStyle(b));
    b.style.fill.color.c.g.gray = 0.5;
    EXPECT_NE(doc.InternArtStyle(a), doc.InternArtStyle(b));
    b = a;
    b.carried.attributes.Edit()["fill-opacity"] = "0.5";
    EXPECT_NE(doc.InternArtStyle(a), doc.InternArtStyle(b));
}

TEST_F(DocumentListing, CompoundStyleIsItsFirstMembersAndSetReachesAllMembers) {
    const ArtId c = New(kCompoundPathArt, kPlaceAboveAll, {});
    const ArtId m1 = New(kPathArt, kPlaceInsideOnTop, c);
    const ArtId m2 = New(kPathArt, kPlaceInsideOnBottom, c);
    doc.Find(m1)->style.Edit().evenodd = 1;
    AIPathStyle s;
    ASSERT_EQ(doc.GetPathStyle(c, &s), kNoErr);
    EXPECT_TRUE(s.evenodd);
    s.clip = 1;
    ASSERT_EQ(doc.SetPathStyle(c, s), kNoErr);
    EXPECT_TRUE(doc.Find(m2)->style->clip);
    const ArtId g = New(kGroupArt, kPlaceAboveAll, {});
    EXPECT_EQ(doc.GetPathStyle(g, &s), kWrongKindErr);
}

}  // namespace
}  // namespace headless
