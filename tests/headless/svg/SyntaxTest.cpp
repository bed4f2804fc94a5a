// The small syntaxes: transforms, numbers, lengths, colours, base64, PNG and the style cascade.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "headless/svg/Base64.h"
#include "headless/svg/Color.h"
#include "headless/svg/Length.h"
#include "headless/svg/NumberFormat.h"
#include "headless/svg/PngCodec.h"
#include "headless/svg/Style.h"
#include "headless/svg/Transform.h"

namespace headless::svg {
namespace {

void ExpectPoint(Point actual, Point expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

TEST(Transform, FunctionsApplyRightToLeft) {
    Matrix m;
    ASSERT_EQ(ParseTransform("translate(10,20) scale(2)", m), "");
    ExpectPoint(m.Apply({1, 1}), {12, 22});
    ASSERT_EQ(ParseTransform("rotate(90 10 10)", m), "");
    ExpectPoint(m.Apply({20, 10}), {10, 20});
    ASSERT_EQ(ParseTransform("skewX(45)", m), "");
    ExpectPoint(m.Apply({0, 10}), {10, 10});
    ASSERT_EQ(ParseTransform("skewY(45),matrix(1 0 0 1 5 0)", m), "");
    ExpectPoint(m.Apply({0, 0}), {5, 5});
    ASSERT_EQ(ParseTransform("  ", m), "");
    EXPECT_TRUE(m.IsIdentity());
}

TEST(Transform, BadListsSayWhy) {
    Matrix m;
    EXPECT_NE(ParseTransform("scale(1,2,3)", m), "");
    EXPECT_NE(ParseTransform("translate 10", m), "");
    EXPECT_NE(ParseTransform("spin(10)", m), "");
    EXPECT_NE(ParseTransform("rotate(10", m), "");
}

TEST(Transform, PrintedMatrixParsesBack) {
    const Matrix m{0.5, -0.25, 0.125, 2, 10.5, -3};
    Matrix back;
    ASSERT_EQ(ParseTransform(FormatMatrix(m), back), "");
    EXPECT_EQ(back, m);
}

TEST(NumberFormat, FixedPrecisionTrimmed) {
    EXPECT_EQ(FormatNumber(1.5), "1.5");
    EXPECT_EQ(FormatNumber(2.0), "2");
    EXPECT_EQ(FormatNumber(-0.00001), "0");
    EXPECT_EQ(FormatNumber(1.23456), "1.2346");
    EXPECT_EQ(FormatNumber(-12345678.9), "-12345678.9");
    EXPECT_EQ(FormatNumber(NAN), "0");
    double v;
    EXPECT_TRUE(ParseNumber(" +1e2 ", v));
    EXPECT_EQ(v, 100);
    EXPECT_FALSE(ParseNumber("1px", v));
    EXPECT_FALSE(ParseNumber("1e999", v));
}

// The printed digits are the value rounded at the given places, whichever way they are found: checked against
// printf's rounding over seeded random values of every size, sign and number of places, ties included.
TEST(NumberFormat, SameDigitsAsFixedRoundingOverRandomValues) {
    std::mt19937_64 random(20261209);
    auto expected = [](double v, int decimals) {
        char text[400];
        std::snprintf(text, sizeof text, "%.*f", decimals, v);
        std::string s = text;
        if (s.find('.') != std::string::npos) {
            while (s.back() == '0')
                s.pop_back();
            if (s.back() == '.') s.pop_back();
        }
        return s == "-0" ? std::string("0") : s;
    };
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-12, 18), places(0, 14), ticks(-100000, 100000);
    for (int i = 0; i < 20000; ++i) {
        const int decimals = places(random);
        const double v = i % 2 ? mantissa(random) * std::pow(10.0, exponent(random))
                               : ticks(random) / 2000.0;  // many halves of the last place at 3 places
        ASSERT_EQ(FormatNumber(v, decimals), expected(v, decimals)) << v << " at " << decimals << " places";
    }
}

TEST(Length, UnitsAndPercentages) {
    const LengthContext c{200, 100, 10};
    EXPECT_DOUBLE_EQ(*ParseLength("1in", c, LengthAxis::kX), 96);
    EXPECT_DOUBLE_EQ(*ParseLength("72pt", c, LengthAxis::kX), 96);
    EXPECT_DOUBLE_EQ(*ParseLength("25.4mm", c, LengthAxis::kX), 96);
    EXPECT_DOUBLE_EQ(*ParseLength("2.54cm", c, LengthAxis::kX), 96);
    EXPECT_DOUBLE_EQ(*ParseLength("2em", c, LengthAxis::kX), 20);
    EXPECT_DOUBLE_EQ(*ParseLength("50%", c, LengthAxis::kX), 100);
    EXPECT_DOUBLE_EQ(*ParseLength("50%", c, LengthAxis::kY), 50);
    EXPECT_FALSE(ParseLength("10 px x", c, LengthAxis::kX));
    EXPECT_FALSE(ParseLength("", c, LengthAxis::kX));
}

TEST(Color, EveryNotation) {
    EXPECT_EQ(*ParseColor("#f80"), (Rgb{255, 136, 0}));
    EXPECT_EQ(*ParseColor("#FF8800"), (Rgb{255, 136, 0}));
    EXPECT_EQ(*ParseColor("rgb(255, 50%, 0)"), (Rgb{255, 128, 0}));
    EXPECT_EQ(*ParseColor("CornflowerBlue"), (Rgb{100, 149, 237}));
    EXPECT_EQ(*ParseColor("yellowgreen"), (Rgb{154, 205, 50}));
    EXPECT_FALSE(ParseColor("#12345"));
    EXPECT_FALSE(ParseColor("rgb(1,2)"));
    EXPECT_FALSE(ParseColor("nocolor"));
    EXPECT_EQ(FormatColor({1, 171, 255}), "#01abff");
}

TEST(Base64, RoundTripAndRejects) {
    for (size_t n = 0; n < 7; ++n) {
        std::vector<std::uint8_t> bytes;
        for (size_t i = 0; i < n; ++i)
            bytes.push_back(static_cast<std::uint8_t>(250 - i * 37));
        const auto back = Base64Decode(Base64Encode(bytes));
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, bytes);
    }
    EXPECT_EQ(Base64Encode({'M', 'a'}), "TWE=");
    EXPECT_EQ(*Base64Decode("TW\nE="), (std::vector<std::uint8_t>{'M', 'a'}));
    EXPECT_FALSE(Base64Decode("TWE*"));
    EXPECT_FALSE(Base64Decode("TWE=A"));
    EXPECT_FALSE(Base64Decode("T"));
    EXPECT_FALSE(Base64Decode("TWE=="));
}

TEST(Png, RoundTripKeepsPixelsAndAlpha) {
    PixelImage image{3, 2, 4, {}};
    for (int i = 0; i < 3 * 2 * 4; ++i)
        image.pixels.push_back(static_cast<std::uint8_t>(i * 10));
    const PixelImage back = DecodePng(EncodePng(image));
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 2);
    EXPECT_EQ(back.channels, 4);
    EXPECT_EQ(back.pixels, image.pixels);
    EXPECT_THROW(DecodePng({1, 2, 3, 4}), std::runtime_error);
    EXPECT_THROW(EncodePng(PixelImage{2, 2, 3, {1, 2, 3}}), std::runtime_error);
}

TEST(Style, CascadeOrderAndInheritance) {
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(R"(<g fill="red" stroke-width="3" font-size="10" color="#00f">
        <path class="a" fill="green" style="stroke:currentColor; fill-rule : evenodd" stroke-width="2em"/>
        <path id="b" fill="inherit" stroke-dasharray="1 2 3"/></g>)"));
    StyleSheet sheet;
    sheet.Add(
        "/* c */ path.a { fill: blue; stroke-linecap: round } #b { stroke: black } @media print { path { fill: gray } "
        "}");
    const LengthContext viewport;
    const pugi::xml_node g = doc.child("g");
    const ComputedStyle groupStyle = CascadeStyle(ComputedStyle{}, g, sheet, viewport);
    const ComputedStyle a = CascadeStyle(groupStyle, g.first_child(), sheet, viewport);
    EXPECT_EQ(a.fill.color, (Rgb{0, 0, 255}));    // the sheet beats the presentation attribute
    EXPECT_EQ(a.stroke.color, (Rgb{0, 0, 255}));  // currentColor, inherited colour
    EXPECT_TRUE(a.fillEvenOdd);
    EXPECT_EQ(a.cap, LineCap::kRound);
    EXPECT_DOUBLE_EQ(a.strokeWidth, 20);  // em of the inherited font size
    const ComputedStyle b = CascadeStyle(groupStyle, g.last_child(), sheet, viewport);
    EXPECT_EQ(b.fill.color, (Rgb{255, 0, 0}));
    EXPECT_EQ(b.stroke.type, PaintType::kColor);
    EXPECT_DOUBLE_EQ(b.strokeWidth, 3);
    EXPECT_EQ(b.dashes, (std::vector<double>{1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(UrlReference("url( '#g1' )"), "g1");
    EXPECT_EQ(UrlReference("url(other.svg#g1)"), "");
}

}  // namespace
}  // namespace headless::svg
