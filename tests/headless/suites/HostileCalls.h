// The fixture of the hostile-call tests: a document with a path, a group, dead art and a dead layer, bad handles of
// every sort, and a check that each refused call left the host as it was.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/HostFixture.h"

namespace headless::hostile {

constexpr AIReal kNaN = std::numeric_limits<AIReal>::quiet_NaN();
constexpr AIReal kInf = std::numeric_limits<AIReal>::infinity();

template <typename H>
H Raw(std::uintptr_t v) {
    return reinterpret_cast<H>(v);
}

// One hostile call: `refused` runs it and answers whether it was turned away.
struct Case {
    std::string name;
    std::function<bool()> refused;
};

class HostileCallsTest : public testing::HostTest {
protected:
    HostileCallsTest() {
        const ArtId pathId = AddRect(0, 10, 10, 0);
        path = H(pathId);
        group = H(AddGroup());
        layerH = H(layer);
        const ArtId gone = AddRect(20, 30, 30, 20);
        deadArt = H(gone);
        doc.Dispose(gone);
        LayerId goneLayer = AddLayer("gone");
        deadLayer = H(goneLayer);
        doc.DeleteLayer(goneLayer);
    }

    // A live handle of one kind where another is expected, plus garbage and the dead handle the caller supplies.
    template <typename H>
    std::vector<std::pair<std::string, H>> BadHandles(H dead, const void* otherKind, bool withNull = true) {
        std::vector<std::pair<std::string, H>> bad = {
            {"dead", dead},
            {"wrong kind", reinterpret_cast<H>(const_cast<void*>(otherKind))},
            {"0x1234", Raw<H>(0x1234)},
            {"~0", Raw<H>(~std::uintptr_t{0})},
        };
        if (withNull) bad.push_back({"null", nullptr});
        return bad;
    }
    std::vector<std::pair<std::string, AIArtHandle>> BadArt() { return BadHandles(deadArt, layerH); }
    std::vector<std::pair<std::string, AILayerHandle>> BadLayers() { return BadHandles(deadLayer, path); }

    template <typename F>
    void Code(const std::string& name, F f) {
        cases.push_back({name, [f]() mutable { return f() != kNoErr; }});
    }
    template <typename F>
    void Zero(const std::string& name, F f) {
        cases.push_back({name, [f]() mutable { return f() == decltype(f()){}; }});
    }
    // Every bad handle in turn, in the place `f` puts it.
    template <typename H, typename F>
    void CodeForEach(const std::string& name, const std::vector<std::pair<std::string, H>>& bad, F f) {
        for (const auto& [label, h] : bad)
            Code(name + "(" + label + ")", [f, h = h]() mutable { return f(h); });
    }

    // What a refused call must not change: the tree, the layers, the path's geometry and every store of the host.
    std::string Fingerprint() {
        std::ostringstream s;
        s << doc.ArtCount() << ' ' << doc.CountLayers() << ' ' << doc.ListSelection().size() << ' '
          << app.strings.LiveCount() << ' ' << app.filePaths.LiveCount() << ' ' << app.artSets.LiveCount() << ' '
          << app.hits.LiveCount() << ' ' << app.liveBlocks.size() << ' ' << app.menuItems.LiveCount() << ' '
          << app.menuGroups.LiveCount() << ' ' << app.notifiers.LiveCount() << ' ' << app.paramTypes.LiveCount() << ' '
          << app.paramValues.LiveCount() << ' ' << app.context.open << ' ' << app.user.alerts.size();
        const Art& p = ArtOf(path);
        s << ' ' << p.segments.size() << ' ' << p.closed << ' ' << p.guide << ' ' << p.userAttrs << ' '
          << p.style->stroke.width;
        for (const AIPathSegment& seg : p.segments)
            s << ' ' << seg.p.h << ',' << seg.p.v;
        return s.str();
    }

    void ExpectAllRefused() {
        ASSERT_FALSE(cases.empty());
        for (const Case& c : cases) {
            const std::string before = Fingerprint();
            EXPECT_TRUE(c.refused()) << c.name << " was not refused";
            EXPECT_EQ(Fingerprint(), before) << c.name << " changed the host";
        }
    }

    AIArtHandle path = nullptr;
    AIArtHandle group = nullptr;
    AILayerHandle layerH = nullptr;
    AIArtHandle deadArt = nullptr;
    AILayerHandle deadLayer = nullptr;
    std::vector<Case> cases;
};

}  // namespace headless::hostile
