// The fault plan over a whole run: each host call the run makes is failed in turn, on a fresh host. A failure may
// be harmless (the run then ends as a clean run does) but is never answered as success with the document left
// otherwise; the region keeps its own style, the work layer leaves, and nothing the host lent stays alive.
#include <cstring>
#include <map>
#include <set>
#include <string_view>

#include "headless/svg/SvgFile.h"
#include "tests/plugin/engine/EngineFixture.h"
#include "tests/support/FaultCalls.h"

namespace trimora::testing {
namespace {

// One fresh host with the module started and a document to clip.
struct World : EngineTest {
    World() { SetUp(); }
    void TestBody() override {}
    using EngineTest::Alive;
    using EngineTest::app;
    using EngineTest::doc;

    void Build() {
        AddRect(10, 40, 20, 30);                     // inside
        AddRect(200, 200, 220, 180);                 // outside
        AddRect(-20, 30, 20, 10);                    // crossing
        AddBoxed(kTextFrameArt, {90, 60, 120, 40});  // crossing, judged by its corners
        const ArtId group = AddGroup();
        AddRect(300, 300, 320, 280, group, kPlaceInsideOnTop);
        AddRect(30, 20, 40, 10, group, kPlaceInsideOnTop);
        const LayerId second = AddLayer("second");
        AddRect(200, 200, 220, 180, LayerGroup(second), kPlaceInsideOnTop);
        const LayerId hidden = AddLayer("hidden");
        doc.FindLayer(hidden)->visible = false;
        region = Region(0, 50, 100, 0);
        regionStyle = doc.Find(region)->style;
        for (int i = 0; i < doc.CountLayers(); ++i)
            layersBuilt.push_back(doc.NthLayer(i));
        app.actions.recording = true;
    }

    // Plays the step with `fault` planned from the moment the host sends the message.
    ASErr Run(const ClipOptions& options, const std::pair<std::string, int>* fault) {
        AIActionParamValueRef value = nullptr;
        EXPECT_EQ(sAIActionManager->AINewActionParamValue(&value), kNoErr);
        EXPECT_EQ(WriteClipOptionsToAction(options, value), kNoErr);
        strings = app.strings.LiveCount();
        mark = app.calls.Calls().size();
        if (fault) app.faults.FailCall(fault->first, kBad, fault->second);
        const ASErr result = host.DoAction(kDialogNone, value);
        app.faults.Clear();
        sAIActionManager->AIDeleteActionParamValue(value);
        return result;
    }

    ArtId region;
    AIPathStyle regionStyle{};
    std::vector<LayerId> layersBuilt;
    std::size_t strings = 0;
    std::size_t mark = 0;
};

// The document as the user would judge it. Empty layers are left out: the sweep that deletes them stops quietly
// at a failure, which costs the user nothing drawn.
std::string Drawing(headless::Document& doc) {
    for (int i = doc.CountLayers() - 1; i >= 0; --i) {
        const LayerId l = doc.NthLayer(i);
        if (!doc.LayerHasArt(l)) {
            EXPECT_EQ(doc.DeleteLayer(l), kNoErr);
        }
    }
    return headless::svg::WriteSvgText(doc);
}

class RunFaults : public ::testing::TestWithParam<ClipOptions> {};

TEST_P(RunFaults, NoFailedCallIsTakenForSuccessAndTheRunAlwaysCleansUp) {
    std::vector<std::pair<std::string, int>> faults;
    std::string cleanDocument;
    {
        World clean;
        clean.Build();
        ASSERT_EQ(clean.Run(GetParam(), nullptr), kNoErr);
        cleanDocument = Drawing(clean.doc);
        // Each call by its name and its place among the calls of that name; later repeats of a name are sampled.
        std::map<std::string, int> seen;
        for (const std::string_view call : clean.app.calls.Since(clean.mark)) {
            if (test::AnswersAValue(call)) continue;
            const int nth = ++seen[std::string(call)];
            if (nth <= 3 || nth % 10 == 0) faults.emplace_back(std::string(call), nth);
        }
    }
    ASSERT_GT(faults.size(), 20u);

    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.first + " #" + std::to_string(fault.second));
        World w;
        w.Build();
        const ASErr result = w.Run(GetParam(), &fault);
        for (int i = 0; i < w.doc.CountLayers() && fault.first != "AILayerSuite::DeleteLayer"; ++i) {
            EXPECT_NE(std::ranges::find(w.layersBuilt, w.doc.NthLayer(i)), w.layersBuilt.end())
                << "the work layer is left";
        }
        // A restore the host refused is answered as a failure; the gray then stays.
        if (w.Alive(w.region) && fault.first != "AIPathStyleSuite::SetPathStyle") {
            EXPECT_EQ(std::memcmp(&*w.doc.Find(w.region)->style, &w.regionStyle, sizeof w.regionStyle), 0);
        }
        if (result == kNoErr) {
            EXPECT_EQ(Drawing(w.doc), cleanDocument);
        }
        if (test::ReleasesAHostObject(fault.first)) continue;
        EXPECT_EQ(w.app.hits.LiveCount(), 0u);
        EXPECT_EQ(w.app.artSets.LiveCount(), 0u);
        EXPECT_EQ(w.app.paramValues.LiveCount(), 0u);
        EXPECT_EQ(w.app.strings.LiveCount(), w.strings);
    }
}

INSTANTIATE_TEST_SUITE_P(Options, RunFaults, ::testing::Values(ClipOptions{0, 1, 0, 1, 0}, ClipOptions{0, 0, 1, 0, 1}));

}  // namespace
}  // namespace trimora::testing
