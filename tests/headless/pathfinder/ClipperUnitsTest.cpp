// Points in clipper units round as std::llround does, halves away from zero, over seeded random coordinates,
// exact halves on both sides of zero and values beyond where truncation is exact.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "headless/pathfinder/Flatten.h"

namespace pathfinder::testing {
namespace {

void ExpectRoundsLikeLlround(double v) {
    const ClipperLib::IntPoint p = ToClipper(Point{v, -v}, 1.0);
    EXPECT_EQ(p.X, std::llround(v)) << v;
    EXPECT_EQ(p.Y, std::llround(-v)) << v;
}

TEST(ClipperUnits, RoundHalvesAwayFromZeroAsTheLibraryDoes) {
    std::mt19937_64 rng(1409);
    std::uniform_real_distribution<double> wide(-1e12, 1e12), near(-4, 4);
    std::uniform_int_distribution<int> whole(-1000000, 1000000);
    for (int k = 0; k < 2000; ++k) {
        ExpectRoundsLikeLlround(wide(rng));
        ExpectRoundsLikeLlround(near(rng));
        const double n = whole(rng);
        for (double v : {n + 0.5, n - 0.5, std::nextafter(n + 0.5, 0.0), std::nextafter(n - 0.5, 0.0)})
            ExpectRoundsLikeLlround(v);
    }
    for (double v : {0.0, -0.0, 0.49999999999999994, -0.49999999999999994, 4503599627370495.5, 4503599627370497.0,
                     3.9e18, 4.1e18, -4.1e18})
        ExpectRoundsLikeLlround(v);
}

}  // namespace
}  // namespace pathfinder::testing
