// The six region cuts on real documents, judged by an oracle of their own: a Sutherland-Hodgman clip of the art by
// the convex region gives the inside area and line length, the outside is the rest; every piece must lie on its
// side, stand in front of the art in list order, and leave the art, the region and an empty work layer behind,
// also when any host call of the cut fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "plugin/geometry/PathCutter.h"
#include "tests/plugin/geometry/GeometryFixture.h"

namespace trimora::testing {
namespace {

using headless::Art;
using headless::ArtId;
using Ring = std::vector<AIRealPoint>;

enum class Kind { kCompound, kArea, kLine };
using CutFn = AIErr (PathCutter::*)(AIArtHandle, AIArtHandle, AIPaintOrder, AIArtHandle, ArtHandleList&);
struct CutCase {
    const char* name;
    CutFn cut;
    Kind kind;
    bool inside;
};
const CutCase kCuts[] = {
    {"CompoundInside", &PathCutter::CutCompoundInside, Kind::kCompound, true},
    {"CompoundOutside", &PathCutter::CutCompoundOutside, Kind::kCompound, false},
    {"AreaInside", &PathCutter::CutAreaInside, Kind::kArea, true},
    {"AreaOutside", &PathCutter::CutAreaOutside, Kind::kArea, false},
    {"LineInside", &PathCutter::CutLineInside, Kind::kLine, true},
    {"LineOutside", &PathCutter::CutLineOutside, Kind::kLine, false},
};

AIReal Cross(AIRealPoint o, AIRealPoint a, AIRealPoint b) {
    return (a.h - o.h) * (b.v - o.v) - (a.v - o.v) * (b.h - o.h);
}
AIReal SignedArea(const Ring& r) {
    AIReal twice = 0;
    for (std::size_t i = 0; i < r.size(); ++i)
        twice += Cross({0, 0}, r[i], r[(i + 1) % r.size()]);
    return twice / 2;
}
AIReal Length(const Ring& r) {
    AIReal l = 0;
    for (std::size_t i = 0; i + 1 < r.size(); ++i)
        l += std::hypot(r[i + 1].h - r[i].h, r[i + 1].v - r[i].v);
    return l;
}

// The convex region as half-planes: side > 0 is inside, whichever way it is wound.
struct Convex {
    Ring ring;
    AIReal Side(std::size_t edge, AIRealPoint p) const {
        const AIReal s = Cross(ring[edge], ring[(edge + 1) % ring.size()], p);
        return SignedArea(ring) > 0 ? s : -s;
    }
    bool Inside(AIRealPoint p) const {  // within a hair of the outline counts as both sides
        for (std::size_t e = 0; e < ring.size(); ++e)
            if (Side(e, p) < -1e-6) return false;
        return true;
    }
    bool Outside(AIRealPoint p) const {
        for (std::size_t e = 0; e < ring.size(); ++e)
            if (Side(e, p) < 1e-6) return true;
        return false;
    }
    // Sutherland-Hodgman; a two-point ring comes back as points of the part of its segment inside.
    Ring Clip(Ring subject) const {
        for (std::size_t e = 0; e < ring.size() && !subject.empty(); ++e) {
            Ring kept;
            for (std::size_t i = 0; i < subject.size(); ++i) {
                const AIRealPoint p = subject[i], q = subject[(i + 1) % subject.size()];
                const AIReal sp = Side(e, p), sq = Side(e, q), t = sp / (sp - sq);
                if (sp >= 0) kept.push_back(p);
                if ((sp < 0) != (sq < 0)) kept.push_back({p.h + (q.h - p.h) * t, p.v + (q.v - p.v) * t});
            }
            subject = kept;
        }
        return subject;
    }
    AIReal InsideLength(const Ring& line) const {
        AIReal length = 0;
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            AIReal longest = 0;  // between the ends of the part inside
            for (AIRealPoint p : Clip({line[i], line[i + 1]}))
                for (AIRealPoint q : Clip({line[i], line[i + 1]}))
                    longest = std::max(longest, Length({p, q}));
            length += longest;
        }
        return length;
    }
};

class RegionCuts : public GeometryTest {
protected:
    RegionCuts() : work(AddLayer("Work", kPlaceAboveAll)) {
        cutter.SetPluginRef(pluginRef);
        EXPECT_EQ(cutter.SetWorkLayer(H(work)), kNoErr);
    }

    ArtId Path(const Ring& ring, bool closed, ArtId ref = {}, AIPaintOrder order = kPlaceAboveAll) {
        ArtId id;
        EXPECT_EQ(doc.NewArt(kPathArt, order, ref, &id), kNoErr);
        for (AIRealPoint p : ring)
            doc.Find(id)->segments.push_back({p, p, p, 1});
        doc.Find(id)->closed = closed;
        return id;
    }
    // The art a cut of this kind is given: a filled compound path, a filled path or a stroked open line.
    ArtId Subject(Kind kind, const std::vector<Ring>& rings) {
        EXPECT_EQ(doc.SetCurrentLayer(layer), kNoErr);  // the cuts that make a rectangle leave the work layer current
        AIPathStyle style = headless::DefaultPathStyle();
        style.fillPaint = kind != Kind::kLine;
        style.strokePaint = kind == Kind::kLine;
        if (kind != Kind::kCompound) {
            const ArtId a = Path(rings[0], kind != Kind::kLine);
            EXPECT_EQ(doc.SetPathStyle(a, style), kNoErr);
            return a;
        }
        ArtId compound;
        EXPECT_EQ(doc.NewArt(kCompoundPathArt, kPlaceAboveAll, {}, &compound), kNoErr);
        for (const Ring& r : rings)
            Path(r, true, compound, kPlaceInsideOnBottom);
        EXPECT_EQ(doc.SetPathStyle(compound, style), kNoErr);
        return compound;
    }

    std::vector<Ring> RingsOf(ArtId id) {
        const Art& a = *doc.Find(id);
        if (a.type == kCompoundPathArt) {
            std::vector<Ring> out;
            for (ArtId m : Children(doc, id))
                out.push_back(RingsOf(m)[0]);
            return out;
        }
        Ring r;
        for (const AIPathSegment& s : a.segments)
            r.push_back(s.p);
        return {r};
    }
    std::vector<AIReal> Points(ArtId id) {
        std::vector<AIReal> out;
        for (const Ring& r : RingsOf(id))
            for (AIRealPoint p : r)
                out.insert(out.end(), {p.h, p.v});
        return out;
    }
    std::vector<ArtId> UserArt() { return Children(doc, GroupOf(layer)); }

    // Runs the cut with the engine's arguments and checks what every outcome must hold; answers the pieces.
    std::vector<ArtId> Run(const CutCase& c, ArtId a, ArtId b, AIErr* err) {
        const std::vector<ArtId> before = UserArt();
        const std::vector<AIReal> aPoints = Points(a), bPoints = Points(b);
        ArtHandleList out;
        out.Append(H(b));  // a stale entry the cut must drop
        *err = (cutter.*c.cut)(H(a), H(b), kPlaceAbove, H(a), out);
        std::vector<ArtId> pieces;
        for (std::size_t i = 0; i < out.Length(); ++i) {
            pieces.push_back(Id(out.At(i)));
        }
        EXPECT_EQ(Points(a), aPoints) << c.name;
        EXPECT_EQ(Points(b), bPoints) << c.name;
        // The pieces stand directly in front of the art, first frontmost; nothing else in the user's layer moved.
        std::vector<ArtId> expected;
        for (ArtId id : before) {
            if (id == a) expected.insert(expected.end(), pieces.begin(), pieces.end());
            expected.push_back(id);
        }
        EXPECT_EQ(UserArt(), expected) << c.name;
        if (*err) {
            EXPECT_TRUE(pieces.empty()) << c.name;
        }
        return pieces;
    }

    // Area (signed, so that holes taken as separate pieces count against their ring) or length of the pieces,
    // each checked to lie on the cut's side of the region.
    AIReal Measure(const CutCase& c, const Convex& region, const std::vector<ArtId>& pieces) {
        AIReal total = 0;
        for (ArtId piece : pieces) {
            for (const Ring& r : RingsOf(piece)) {
                total += c.kind == Kind::kLine ? Length(r) : SignedArea(r);
                for (AIRealPoint p : r)
                    EXPECT_TRUE(c.inside ? region.Inside(p) : region.Outside(p)) << c.name;
            }
        }
        return std::abs(total);
    }
    // One cut of art made of `rings` against the convex region, checked against the oracle.
    void CheckCut(const CutCase& c, const std::vector<Ring>& rings, const Convex& region,
                  std::size_t* count = nullptr) {
        const ArtId a = Subject(c.kind, rings);
        const ArtId b = Path(region.ring, true);
        AIErr err = kNoErr;
        const std::vector<ArtId> pieces = Run(c, a, b, &err);
        ASSERT_EQ(err, kNoErr) << c.name;
        EXPECT_TRUE(Children(doc, GroupOf(work)).empty()) << c.name;
        AIReal whole = 0, inside = 0;
        for (const Ring& r : rings) {
            whole += c.kind == Kind::kLine ? Length(r) : SignedArea(r);
            inside += c.kind == Kind::kLine ? region.InsideLength(r) : SignedArea(region.Clip(r));
        }
        const AIReal expected = std::abs(c.inside ? inside : whole - inside);
        EXPECT_NEAR(Measure(c, region, pieces), expected, 1e-6 * std::max<AIReal>(1, std::abs(whole))) << c.name;
        // Nothing of the art on the side the cut keeps gives no piece at all.
        EXPECT_TRUE(expected > 0 || pieces.empty()) << c.name;
        if (count) *count = pieces.size();
        for (ArtId id : pieces)
            doc.Dispose(id);
        doc.Dispose(a);
        doc.Dispose(b);
    }

    headless::LayerId work;
    PathCutter cutter;
};

const Convex kSquareRegion{{{50, 50}, {150, 50}, {150, -50}, {50, -50}}};

TEST_F(RegionCuts, DisjointContainedAndCrossingArtInEitherWindingOfTheRegion) {
    const Ring crossing{{0, 0}, {100, 0}, {100, 40}, {0, 40}};
    const Ring within{{60, 10}, {90, 10}, {90, 30}, {60, 30}};
    const Ring apart{{200, 0}, {260, 0}, {260, 40}, {200, 40}};
    const Ring around{{0, -100}, {300, -100}, {300, 100}, {0, 100}};
    for (bool reversed : {false, true}) {
        Convex region = kSquareRegion;
        if (reversed) std::reverse(region.ring.begin(), region.ring.end());
        for (const CutCase& c : kCuts) {
            for (const Ring& r : {crossing, within, apart, around})
                CheckCut(c, {r}, region);
        }
    }
}

TEST_F(RegionCuts, CompoundCutsKeepARingWholeWhilePathCutsTakeItsMembers) {
    // The art around the region leaves a ring outside it: one compound piece, or its two member paths.
    const Ring outer{{0, -100}, {300, -100}, {300, 100}, {0, 100}};
    const Ring hole{{80, 20}, {120, 20}, {120, -20}, {80, -20}};  // wound against the outer ring, within the region
    std::size_t count = 0;
    CheckCut(kCuts[1], {outer, hole}, kSquareRegion, &count);
    EXPECT_EQ(count, 1u);
    CheckCut(kCuts[3], {outer}, kSquareRegion, &count);
    EXPECT_EQ(count, 2u);
    CheckCut(kCuts[0], {outer, hole}, kSquareRegion, &count);
    EXPECT_EQ(count, 1u);  // the region less the hole: a frame
}

TEST_F(RegionCuts, SeededRandomShapes) {
    std::mt19937 random(20261209);
    std::uniform_real_distribution<AIReal> unit(0, 1);
    for (int round = 0; round < 12; ++round) {
        // A regular polygon wound either way as the region, a star-shaped (so simple) polygon as the art.
        Convex region;
        Ring star;
        const AIRealPoint c{100 * unit(random), 100 * unit(random)}, d{100 * unit(random), 100 * unit(random)};
        const AIReal radius = 30 + 50 * unit(random), turn = unit(random), way = round % 2 ? 1 : -1;
        for (int i = 0, corners = 3 + round % 5; i < corners; ++i) {
            const AIReal angle = turn + way * 2 * std::numbers::pi * i / corners;
            region.ring.push_back({c.h + radius * std::cos(angle), c.v + radius * std::sin(angle)});
        }
        for (int i = 0, corners = 5 + round; i < corners; ++i) {
            const AIReal angle = 2 * std::numbers::pi * i / corners, reach = 20 + 60 * unit(random);
            star.push_back({d.h + reach * std::cos(angle), d.v + reach * std::sin(angle)});
        }
        for (const CutCase& cut : kCuts)
            CheckCut(cut, {star}, region);
    }
}

// Each host call a cut makes fails in turn: the code comes back, the out list is empty, nothing is left in the
// user's layer or in the work layer, except what a failing deletion in the final emptying could not remove.
TEST_F(RegionCuts, EveryFailingHostCallIsReportedAndLeavesNothingBehind) {
    for (const CutCase& c : kCuts) {
        const ArtId a = Subject(c.kind, {{{0, 0}, {100, 0}, {100, 40}, {0, 40}}});
        const ArtId b = Path(kSquareRegion.ring, true);
        std::vector<ArtId> pieces;
        std::size_t baseline = 0;
        bool emptying = false;  // the calls from the first one of emptying the work layer on
        auto run = [&] {
            AIErr err = kNoErr;
            pieces = Run(c, a, b, &err);
            return err;
        };
        auto reset = [&] {
            baseline = std::max(baseline, pieces.size());
            for (ArtId id : pieces)
                doc.Dispose(id);
            for (ArtId id : Children(doc, GroupOf(work)))
                doc.Dispose(id);
        };
        FailEachCall(run, reset, [&](std::string_view call, std::size_t, AIErr err) {
            SCOPED_TRACE(c.name);
            emptying = emptying || call == "AILayerSuite::GetLayerEditable";
            // Harmless: the layer's flags unreadable or unsettable, a list of art that cannot be given back.
            // A failed read of a listed object shows as the host refusing the null object it gave.
            if (err == kNoErr) {
                EXPECT_TRUE(call.find("Layer") != std::string_view::npos || call.ends_with("DisposeArtSet"));
                EXPECT_EQ(pieces.size(), baseline);
            } else if (!call.ends_with("IndexArtSet")) {
                EXPECT_EQ(err, kFault);
            }
            if (!emptying) {
                EXPECT_TRUE(Children(doc, GroupOf(work)).empty());
            }
        });
        reset();
        doc.Dispose(a);
        doc.Dispose(b);
    }
}

}  // namespace
}  // namespace trimora::testing
