// The host fixture and its document builders.
#include "tests/support/HostFixture.h"

#include "headless/suites/PluginRegistry.h"

namespace headless::testing {

HostTest::HostTest() : doc(app.NewDocument()), self(RegisterPlugin(app, "/plug-ins/test-plugin.so")) {
    EXPECT_EQ(doc.InsertLayer({}, kPlaceAboveAll, &layer), kNoErr);
    doc.FindLayer(layer)->title = "Layer 1";
}

ArtId HostTest::AddPath(std::initializer_list<AIRealPoint> points, bool closed, ArtId ref, AIPaintOrder order) {
    ArtId id;
    EXPECT_EQ(doc.NewArt(kPathArt, order, ref, &id), kNoErr);
    Art& a = *doc.Find(id);
    for (AIRealPoint p : points)
        a.segments.push_back({p, p, p, 1});
    a.closed = closed;
    return id;
}

ArtId HostTest::AddRect(AIReal left, AIReal top, AIReal right, AIReal bottom, ArtId ref, AIPaintOrder order) {
    return AddPath({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, true, ref, order);
}

ArtId HostTest::AddGroup(ArtId ref, AIPaintOrder order) {
    ArtId id;
    EXPECT_EQ(doc.NewArt(kGroupArt, order, ref, &id), kNoErr);
    return id;
}

LayerId HostTest::AddLayer(const std::string& title, AIPaintOrder order) {
    LayerId id;
    EXPECT_EQ(doc.InsertLayer({}, order, &id), kNoErr);
    doc.FindLayer(id)->title = title;
    return id;
}

void HostTest::Select(ArtId id) {
    EXPECT_EQ(doc.SetUserAttr(id, kArtSelected, kArtSelected), kNoErr);
}

}  // namespace headless::testing
