// Path copies and the compound builder on a real document, and what each leaves behind when a host call fails.
#include <gtest/gtest.h>

#include "plugin/geometry/ArtHandleList.h"
#include "plugin/geometry/PathCopy.h"
#include "plugin/geometry/PathCutter.h"
#include "tests/plugin/geometry/GeometryFixture.h"

namespace trimora::testing {
namespace {

using headless::ArtId;

class PathCopies : public GeometryTest {
protected:
    std::vector<ArtId> UserArt() { return Children(doc, GroupOf(layer)); }
    void Empty() {
        for (ArtId id : UserArt())
            doc.Dispose(id);
    }
};

TEST_F(PathCopies, ACompoundPathPutsTheLastListedInFrontOrLeavesTheDocumentAsItWas) {
    ArtHandleList list;
    std::vector<ArtId> before;
    AIArtHandle compound = nullptr;
    auto reset = [&] {
        Empty();
        list.Clear();
        for (int i = 0; i < 3; ++i)
            list.Append(H(AddRect(i * 20, 10, i * 20 + 10, 0)));
        before = UserArt();
    };
    FailEachCall([&] { return list.MakeCompoundPath(kPlaceBelow, list.At(1), &compound); }, reset,
                 [&](std::string_view, std::size_t, AIErr err) {
                     EXPECT_EQ(err, kFault);
                     EXPECT_EQ(compound, nullptr);
                     EXPECT_EQ(UserArt(), before);
                 });

    reset();
    ASSERT_EQ(list.MakeCompoundPath(kPlaceBelow, list.At(1), &compound), kNoErr);
    EXPECT_EQ(UserArt(), std::vector<ArtId>{Id(compound)});
    EXPECT_EQ(Children(doc, Id(compound)), before);  // the last listed was made last, so it was and is in front

    // One path makes nothing; a group holding placed art is refused before anything moves.
    reset();
    ArtHandleList single;
    single.Append(list.At(0));
    ASSERT_EQ(single.MakeCompoundPath(kPlaceAbove, list.At(0), &compound), kNoErr);
    EXPECT_EQ(compound, nullptr);
    const ArtId group = AddGroup();
    ArtId placed;
    ASSERT_EQ(doc.NewArt(kPlacedArt, kPlaceInsideOnTop, group, &placed), kNoErr);
    list.Append(H(group));
    before = UserArt();
    EXPECT_EQ(list.MakeCompoundPath(kPlaceAbove, list.At(0), &compound), kNotAPathTreeErr);
    EXPECT_EQ(UserArt(), before);
}

TEST_F(PathCopies, SegmentsCopyOntoAPathKeepItsClosedFlagAndSkipNonPaths) {
    const ArtId open = AddPath({{0, 0}, {5, 5}}, false);
    const ArtId closed = AddRect(0, 10, 10, 0);
    doc.Find(closed)->segments.resize(40, doc.Find(closed)->segments[0]);
    ASSERT_EQ(CopyPathSegments(H(open), H(closed)), kNoErr);
    EXPECT_EQ(doc.Find(closed)->segments.size(), 2u);
    EXPECT_EQ(doc.Find(closed)->segments[1].p.h, 5);
    EXPECT_TRUE(doc.Find(closed)->closed);

    const ArtId group = AddGroup();
    EXPECT_EQ(CopyPathSegments(H(group), H(open)), kNoErr);
    EXPECT_EQ(CopyPathSegments(H(open), H(group)), kNoErr);
    EXPECT_EQ(doc.Find(open)->segments.size(), 2u);
    EXPECT_EQ(Children(doc, group).size(), 0u);
}

TEST_F(PathCopies, ANewPathFromAPathIsWholeOrNothing) {
    const ArtId source = AddRect(0, 10, 30, 0);
    PathCutter cutter;
    AIArtHandle made = nullptr;
    ASSERT_EQ(cutter.NewPathFromPath(H(source), kPlaceBelow, H(source), &made), kNoErr);
    EXPECT_EQ(UserArt(), (std::vector<ArtId>{source, Id(made)}));
    EXPECT_TRUE(doc.Find(Id(made))->closed);
    EXPECT_EQ(doc.Find(Id(made))->segments.size(), doc.Find(source)->segments.size());

    auto onlySource = [&] {
        for (ArtId id : UserArt())
            if (id != source) doc.Dispose(id);
    };
    FailEachCall([&] { return cutter.NewPathFromPath(H(source), kPlaceAbove, H(source), &made); }, onlySource,
                 [&](std::string_view, std::size_t, AIErr err) {
                     EXPECT_EQ(err, kFault);
                     EXPECT_EQ(made, nullptr);
                     EXPECT_EQ(UserArt(), std::vector<ArtId>{source});
                 });
}

}  // namespace
}  // namespace trimora::testing
