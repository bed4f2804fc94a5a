// Hostile input for the SVG reader: the fixtures and hand-made edge files, mutated with a fixed seed. Every mutant
// either reads or fails with an SvgError that says something; whatever reads also writes, and that reads again.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "headless/svg/Base64.h"
#include "headless/svg/PngCodec.h"
#include "headless/svg/SvgError.h"
#include "headless/svg/SvgFile.h"
#include "tests/support/Paths.h"

namespace headless::svg {
namespace {

namespace fs = std::filesystem;

constexpr const char* kHead =
    R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="100" height="100">)";

std::string Svg(const std::string& body) {
    return std::string(kHead) + body + "</svg>";
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    out.reserve(text.size() * static_cast<size_t>(times));
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

std::string Nested(const std::string& open, const std::string& close, const std::string& inner, int depth) {
    return Repeat(open, depth) + inner + Repeat(close, depth);
}

// PNG chunk checksums, so that a doctored header still passes libpng's check and reaches the size test.
std::uint32_t Crc32(const std::uint8_t* data, size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::vector<std::uint8_t> SmallPng() {
    PixelImage image{3, 2, 4, std::vector<std::uint8_t>(3 * 2 * 4, 0x80)};
    return EncodePng(image);
}

// A valid PNG whose header declares another size; the data after it no longer fits.
std::vector<std::uint8_t> PngDeclaring(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> png = SmallPng();
    // Signature (8), length (4), "IHDR" (4), then width and height big-endian; the CRC covers type and data.
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<std::uint8_t>(width >> (24 - 8 * i));
        png[20 + i] = static_cast<std::uint8_t>(height >> (24 - 8 * i));
    }
    const std::uint32_t crc = Crc32(png.data() + 12, 17);
    for (int i = 0; i < 4; ++i)
        png[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    return png;
}

std::string ImageOf(const std::string& base64) {
    return Svg(R"~(<image width="10" height="10" xlink:href="data:image/png;base64,)~" + base64 + R"~("/>)~");
}

// Hand-written files that go for the reader's limits; each also seeds the mutations.
std::vector<std::string> EdgeFiles() {
    const std::string png = Base64Encode(SmallPng());
    return {
        Svg(R"~(<use id="u" xlink:href="#u"/>)~"),
        Svg(R"~(<defs><g id="a"><use href="#b"/></g><g id="b"><use href="#a"/></g></defs><use href="#a"/>)~"),
        Svg(R"~(<linearGradient id="g" href="#g"/><rect width="5" height="5" fill="url(#g)"/>)~"),
        Svg(R"~(<linearGradient id="g1" href="#g2"/><radialGradient id="g2" xlink:href="#g1"/>)~"
            R"~(<rect width="5" height="5" fill="url(#g1)" stroke="url(#g2) red"/>)~"),
        Svg(R"~(<clipPath id="c" clip-path="url(#c)"><use href="#c"/><rect id="r" width="4" height="4" )~"
            R"~(clip-path="url(#c)"/></clipPath><rect width="9" height="9" clip-path="url(#c)"/>)~"),
        Svg(R"~(<g id="g" clip-path="url(#g)"><rect width="9" height="9"/></g>)~"),
        Svg(R"~(<pattern id="p" width="4" height="4"><rect width="2" height="2" fill="url(#p)"/></pattern>)~"
            R"~(<rect width="9" height="9" fill="url(#p)"/>)~"),
        Svg(R"~(<style>rect{fill:url(#p) blue;stroke-width:1e999;stroke-dasharray:1 2 3 4 5 6 7}</style>)~"
            R"~(<rect x="1e308" y="-1e308" width="1e308" height="1e308" rx="1e308"/>)~"
            R"~(<circle r="1e308" transform="scale(1e308)"/><path d="M 1e308 0 A 1e308 1 0 1 1 -1e308 0 z"/>)~"),
        Svg(R"~(<path d="M0 0 C 1 1 2 2 3 3 S 4 4 5 5 Q 6 6 7 7 T 8 8 A 5 5 30 1 0 9 9 Z m 1 1 z l 2 2"/>)~"
            R"~(<polygon points="1,2 3"/><polyline points=""/><line x1="0" y2="1e300"/>)~"),
        Svg(R"~(<text x="1 2 3" y="4" font-size="1e308" text-anchor="middle">a<tspan x="9">b</tspan></text>)~"),
        Svg(R"~(<symbol id="s" viewBox="0 0 0 0"><rect width="1" height="1"/></symbol>)~"
            R"~(<use href="#s" width="-5" height="1e999"/><switch><foreignObject width="1e308" height="5"/></switch>)~"),
        ImageOf(png),
        ImageOf(png.substr(0, png.size() / 2)),
        ImageOf(Base64Encode(PngDeclaring(100000, 100000))),
        ImageOf(Base64Encode(PngDeclaring(8193, 8192))),
        ImageOf(Base64Encode(PngDeclaring(0x7FFFFFFF, 1))),
        std::string(
            R"~(<svg xmlns="http://www.w3.org/2000/svg" width="1e7" height="1" viewBox="-1e300 1e300 9e6 1">)~") +
            R"~(<rect width="100%" height="100%"/></svg>)~",
    };
}

// Entities that each repeat the one before ten times, `levels` deep, and a body that uses them.
std::string EntityBomb(int levels, const std::string& body) {
    std::string declarations = "<!ENTITY e0 \"" + Repeat("lol", 100) + "\">";
    for (int i = 1; i < levels; ++i)
        declarations +=
            "<!ENTITY e" + std::to_string(i) + " \"" + Repeat("&e" + std::to_string(i - 1) + ";", 10) + "\">";
    return "<!DOCTYPE svg [" + declarations + "]>" + Svg(body);
}

// Nesting far past the reader's limit, in every place an element can nest. Too big to seed mutations.
std::vector<std::string> DeepFiles() {
    return {
        Svg("<text>" + Nested("<tspan>", "</tspan>", "deep", 100000) + "</text>"),
        Svg("<defs>" + Nested("<g>", "</g>", "<rect/>", 100000) + "</defs>"),
        Svg(Nested("<g>", "</g>", "<rect width='1' height='1'/>", 100000)),
        Svg("<switch>" + Nested("<a>", "</a>", "", 100000) + "</switch>"),
    };
}

std::vector<std::string> Seeds() {
    std::vector<std::string> seeds = EdgeFiles();
    std::vector<fs::path> fixtures;
    for (const auto& entry : fs::directory_iterator(trimora::test::SourcePath("tests/data/svg")))
        if (entry.path().extension() == ".svg") fixtures.push_back(entry.path());
    std::sort(fixtures.begin(), fixtures.end());  // directory order is not fixed; the seed's sequence must be
    for (const fs::path& path : fixtures) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        seeds.push_back(text.str());
    }
    return seeds;
}

// Empty when the text read (and wrote and read again) or failed with an SvgError; else what went wrong.
std::string Survives(const std::string& text) {
    std::string stage = "read";
    try {
        Document document;
        ReadSvgText("mutant.svg", text, document);
        stage = "write";
        const std::string written = WriteSvgText(document);
        stage = "read the written text";
        Document again;
        try {
            ReadSvgText("written.svg", written, again);
        } catch (const SvgError& e) {
            return "the written text does not read: " + std::string(e.what()) + "\n" + written;
        }
    } catch (const SvgError& e) {
        if (std::string_view(e.what()).find(": ") == std::string_view::npos) return "message names nothing";
        if (stage != "read") return stage + " failed: " + e.what();
    } catch (const std::exception& e) {
        return stage + " threw a " + typeid(e).name() + ": " + e.what();
    }
    return {};
}

class Mutator {
private:
    // The terminating NUL is one of the picks.
    static constexpr char kInteresting[] = "<>&\"'=#%();,.-+eE0123456789MmZzAaCc \n\t\xff/:";
    static constexpr std::array<std::string_view, 16> kNumbers = {
        "1e999",  "-1e999", "NaN", "",   "1e308", "-1e308",     "inf",        "-0", "99999999999999999999999",
        "1e-320", "+-1",    ".",   "1e", "0x10",  "4294967296", "-2147483649"};

    size_t Below(size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(random_); }
    template <typename List>
    auto Pick(const List& list) {
        return list[Below(std::size(list))];
    }

    // A run of digits (with sign, point and exponent) somewhere after a random start.
    void ReplaceNumber(std::string& text) {
        const size_t from = text.find_first_of("0123456789", Below(text.size()));
        if (from == std::string::npos) return;
        size_t begin = from, end = from;
        while (begin > 0 && std::string_view("-.").find(text[begin - 1]) != std::string_view::npos)
            --begin;
        while (end < text.size() && std::string_view("0123456789.eE").find(text[end]) != std::string_view::npos)
            ++end;
        text.replace(begin, end - begin, Pick(kNumbers));
    }

    // An attribute name="value" after a random start: dropped, duplicated, or given a hostile value.
    void AttributeEdit(std::string& text) {
        const size_t equals = text.find("=\"", Below(text.size()));
        if (equals == std::string::npos) return;
        const size_t nameStart = text.find_last_of(" \n\t<", equals) + 1;
        const size_t valueEnd = text.find('"', equals + 2);
        if (nameStart == 0 || nameStart >= equals || valueEnd == std::string::npos) return;
        const std::string whole = text.substr(nameStart, valueEnd + 1 - nameStart);
        switch (Below(4)) {
            case 0:
                text.erase(nameStart, whole.size());
                break;
            case 1:
                text.insert(nameStart, whole + " ");
                break;
            case 2:
                text.replace(equals + 2, valueEnd - equals - 2, Pick(kNumbers));
                break;
            default: {
                static constexpr std::array<std::string_view, 8> kValues = {"url(#",
                                                                            "url(#a) url(#b)",
                                                                            "#",
                                                                            "data:image/png;base64,====",
                                                                            "matrix(1e308 0 0 1e308 0 0)",
                                                                            "scale(0)",
                                                                            "rotate(1e308)",
                                                                            "inherit"};
                text.replace(equals + 2, valueEnd - equals - 2, Pick(kValues));
                break;
            }
        }
    }

    void BreakPathData(std::string& text) {
        const size_t d = text.find(" d=\"", Below(text.size()));
        if (d == std::string::npos) return;
        static constexpr std::array<std::string_view, 8> kPieces = {"Z Z Z", "A 1 1 0 2 2 3 3",       "M",  "c",
                                                                    "1e999", "M 0 0 A 0 0 0 1 1 0 0", "--", "Q 1 1"};
        text.insert(d + 4 + Below(12), Pick(kPieces));
    }

    // The content after the root element's start, wrapped in many groups or switches.
    void WrapDeeply(std::string& text) {
        const size_t start = text.find('>', text.find("<svg"));
        const size_t end = text.rfind("</svg>");
        if (start == std::string::npos || end == std::string::npos || end <= start) return;
        const int depth = static_cast<int>(150 + Below(3000));
        const bool groups = Below(2) == 0;
        const std::string inner = text.substr(start + 1, end - start - 1);
        text.replace(start + 1, end - start - 1,
                     groups ? Nested("<g>", "</g>", inner, depth) : Nested("<switch>", "</switch>", inner, depth));
    }

public:
    explicit Mutator(std::uint32_t seed) : random_(seed) {}

    std::string Mutate(std::string text) {
        const int rounds = 1 + Below(3);
        for (int i = 0; i < rounds && !text.empty(); ++i) {
            switch (Below(12)) {
                case 0:
                    text.resize(Below(text.size()));
                    break;
                case 1:
                    text[Below(text.size())] ^= static_cast<char>(1u << Below(8));
                    break;
                case 2:
                    text.insert(Below(text.size() + 1), 1, Pick(kInteresting));
                    break;
                case 3:
                    text.erase(Below(text.size()), 1 + Below(8));
                    break;
                case 4:
                case 5:
                    ReplaceNumber(text);
                    break;
                case 6:
                case 7:
                case 8:
                    AttributeEdit(text);
                    break;
                case 9:
                case 10:
                    BreakPathData(text);
                    break;
                default:
                    WrapDeeply(text);
                    break;
            }
        }
        return text;
    }

private:
    std::mt19937 random_;
};

// A failing mutant is kept in the build tree to be read again by hand.
std::string Keep(const std::string& text, int index) {
    const fs::path dir = fs::path(TRIMORA_BINARY_DIR) / "malformed-svg";
    fs::create_directories(dir);
    const fs::path file = dir / ("mutant-" + std::to_string(index) + ".svg");
    std::ofstream(file, std::ios::binary) << text;
    return file.string();
}

TEST(MalformedInput, EdgeFilesReadOrFailWithAMessage) {
    for (const std::string& text : EdgeFiles())
        EXPECT_EQ(Survives(text), "") << text.substr(0, 300);
}

// Numbers that overflow on the way to the page would be written back as 0 or not at all: they are refused.
TEST(MalformedInput, OutOfRangeNumbersAreRefusedByName) {
    const struct {
        std::string body;
        std::string message;
    } cases[] = {
        {R"~(<g transform="scale(1e200)"><text transform="scale(1e200)">a</text></g>)~",
         "<text>: transform out of range"},
        {R"~(<path d="M 1e308 0 l 1e308 0"/>)~", "<path>: coordinates out of range"},
        {R"~(<rect x="1e308" width="1e308" height="1"/>)~", "<rect>: coordinates out of range"},
        {R"~(<rect width="1e308in" height="1"/>)~", "<rect>: bad length in width: '1e308in'"},
        {R"~(<path d="M 0 0 L 1e300 1e300" transform="scale(1e10)"/>)~", "<path>: coordinates out of range"},
        {R"~(<path d="M 0 0 L 1 1" stroke="red" stroke-width="1e300" transform="scale(1e10)"/>)~",
         "<path>: stroke lengths out of range"},
        {R"~(<linearGradient id="g" gradientTransform="scale(1e300)"/><rect width="1e10" height="1e10" )~"
         R"~(fill="url(#g)"/>)~",
         "<linearGradient>: gradient transform out of range"},
        // Ends no page reaches: the document's origin-angle-length form would give back other digits each writing.
        {R"~(<linearGradient id="g" x1="2e68"/><rect width="10" height="10" fill="url(#g)"/>)~",
         "<linearGradient>: gradient ends out of range"},
        {R"~(<clipPath id="c" transform="scale(1e300)"><rect width="1e300" height="1"/></clipPath>)~"
         R"~(<rect width="1" height="1" clip-path="url(#c)"/>)~",
         "<rect>: clip-path coordinates out of range"},
    };
    for (const auto& c : cases) {
        Document document;
        try {
            ReadSvgText("big.svg", Svg(c.body), document);
            ADD_FAILURE() << "read: " << c.body;
        } catch (const SvgError& e) {
            EXPECT_NE(std::string_view(e.what()).find(c.message), std::string_view::npos) << e.what();
        }
    }
    // Large but finite coordinates are kept, not written as 0.
    Document document;
    ReadSvgText("big.svg", Svg(R"~(<path d="M 1e300 0 L 0 1e60"/>)~"), document);
    const std::string written = WriteSvgText(document);
    const size_t move = written.find("d=\"M ");
    ASSERT_NE(move, std::string::npos) << written;
    EXPECT_DOUBLE_EQ(std::strtod(written.c_str() + move + 5, nullptr), 1e300);
    const size_t line = written.find(" L 0 ", move);
    ASSERT_NE(line, std::string::npos) << written;
    EXPECT_DOUBLE_EQ(std::strtod(written.c_str() + line + 5, nullptr), 1e60);
}

// A few bytes of PNG that declare a huge image are refused before any pixels are allocated for it.
TEST(MalformedInput, TinyPngDeclaringHugeImageIsRefused) {
    for (const auto& [width, height] : {std::pair{8192u, 8192u}, {100000u, 100000u}, {0x7FFFFFFFu, 1u}}) {
        Document document;
        try {
            ReadSvgText("png.svg", ImageOf(Base64Encode(PngDeclaring(width, height))), document);
            ADD_FAILURE() << width << " x " << height << " read";
        } catch (const SvgError& e) {
            const std::string_view message = e.what();
            EXPECT_NE(message.find("png.svg:1: <image>: "), std::string_view::npos) << message;
            EXPECT_NE(message.find("PNG"), std::string_view::npos) << message;
        }
    }
}

TEST(MalformedInput, DeepNestingIsRefusedWithoutRecursing) {
    for (const std::string& text : DeepFiles()) {
        Document document;
        try {
            ReadSvgText("deep.svg", text, document);
            ADD_FAILURE() << "read: " << text.substr(0, 80);
        } catch (const SvgError& e) {
            EXPECT_NE(std::string_view(e.what()).find("nested too deeply"), std::string_view::npos) << e.what();
        }
    }
}

// Which of two values a later stage took differed between stages, so the written file did not read back the same.
TEST(MalformedInput, AnAttributeGivenTwiceIsRefusedWithItsLine) {
    for (const char* text :
         {"<svg xmlns=\"http://www.w3.org/2000/svg\">\n<path d=\"M0 0 L1 1\" d=\"M0 0 L2 2\"/></svg>",
          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"2\">\n<g/><g width=\"1\" id=\"a\" "
          "width=\"2\"/></svg>"}) {
        Document document;
        try {
            ReadSvgText("twice.svg", text, document);
            ADD_FAILURE() << "read: " << text;
        } catch (const SvgError& e) {
            EXPECT_NE(std::string_view(e.what()).find("given twice"), std::string_view::npos) << e.what();
            EXPECT_NE(std::string_view(e.what()).find(":2"), std::string_view::npos) << e.what();
        }
    }
}

// Entities that grow exponentially are refused before they take the memory, in a declaration or in the body.
TEST(MalformedInput, EntityBombsAreRefused) {
    for (const std::string& text :
         {EntityBomb(10, "<text>&e9;</text>"), EntityBomb(4, "<text>" + Repeat("&e3;", 1000) + "</text>")}) {
        Document document;
        try {
            ReadSvgText("bomb.svg", text, document);
            ADD_FAILURE() << "read: " << text.substr(0, 80);
        } catch (const SvgError& e) {
            EXPECT_NE(std::string_view(e.what()).find(" too far"), std::string_view::npos) << e.what();
        }
    }
}

TEST(MalformedInput, MutantsReadOrFailWithAMessage) {
    const std::vector<std::string> seeds = Seeds();
    Mutator mutator(20240611u);
    constexpr int kMutants = 5000;
    int failures = 0;
    for (int i = 0; i < kMutants && failures < 5; ++i) {
        const std::string mutant = mutator.Mutate(seeds[static_cast<size_t>(i) % seeds.size()]);
        if (const std::string fault = Survives(mutant); !fault.empty()) {
            ADD_FAILURE() << "mutant " << i << " (kept as " << Keep(mutant, i) << "): " << fault.substr(0, 2000);
            ++failures;
        }
    }
}

}  // namespace
}  // namespace headless::svg
