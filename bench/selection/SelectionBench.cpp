// Time per listing of a one-path selection (AIArtSetSuite::SelectedArtSet) in documents of 1,000 and 100,000
// objects: the listing should cost what is selected, not what the document holds.
#include <benchmark/benchmark.h>

#include "headless/model/Application.h"
#include "plugin/sdk/AIArtSet.h"

namespace {

using headless::Application;
using headless::ArtId;
using headless::Document;
using headless::LayerId;

// A document of `objects` paths, half of them in groups, with one path deep in the middle selected.
void BuildDocument(Document& doc, std::int64_t objects) {
    LayerId layer;
    doc.InsertLayer({}, kPlaceAboveAll, &layer);
    ArtId group, selected;
    for (std::int64_t i = 0; i < objects; ++i) {
        ArtId path;
        if (i % 2 == 0) {
            doc.NewArt(kGroupArt, kPlaceAboveAll, {}, &group);
            doc.NewArt(kPathArt, kPlaceInsideOnTop, group, &path);
        } else {
            doc.NewArt(kPathArt, kPlaceInsideOnBottom, group, &path);
        }
        if (i == objects / 2) selected = path;
    }
    doc.SetUserAttr(selected, kArtSelected, kArtSelected);
}

void ListSelection(benchmark::State& state) {
    Application app;
    BuildDocument(app.NewDocument(), state.range(0));
    const void* table = nullptr;
    headless::HostBasicSuite()->AcquireSuite(kAIArtSetSuite, kAIArtSetSuiteVersion, &table);
    const auto* sets = static_cast<const AIArtSetSuite*>(table);
    AIArtSet set = nullptr;
    sets->NewArtSet(&set);
    std::size_t count = 0;
    for (auto _ : state) {
        sets->SelectedArtSet(set);
        sets->CountArtSet(set, &count);
        benchmark::DoNotOptimize(count);
    }
    sets->DisposeArtSet(&set);
    if (count != 3) state.SkipWithError("the selection should list [layer group, group, path]");
    state.counters["document_objects"] = static_cast<double>(app.CurrentDocument()->ArtCount());
}

BENCHMARK(ListSelection)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

// The benchmark runner hands every program the benchmark documents' folder; this one builds its own documents.
int main(int argc, char** argv) {
    if (argc > 1 && argv[1][0] != '-') {
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
