// Text extent estimate from positions, font size and character counts.
#include "headless/svg/TextBounds.h"

#include <optional>
#include <string_view>

namespace headless::svg {

namespace {

constexpr double kAdvance = 0.55;
constexpr double kAscent = 0.8;
constexpr double kDescent = 0.2;

size_t CountCharacters(std::string_view utf8) {
    size_t count = 0;
    for (unsigned char ch : utf8)
        if ((ch & 0xC0) != 0x80) ++count;  // continuation bytes do not start a character
    return count;
}

struct Chunk {
    Point start;
    double width = 0;
};

class Estimator {
public:
    Estimator(const ComputedStyle& style, const LengthContext& context) : style_(style), context_(context) {}

    // Every node below `text` in document order, without recursion: a hostile file nests spans without end.
    void Walk(pugi::xml_node text) {
        pugi::xml_node n = text.first_child();
        while (n) {
            if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata)
                chunk_.width += CountCharacters(n.value()) * kAdvance * style_.fontSize;
            else if (n.type() == pugi::node_element)
                StartAt(n);
            if (n.type() == pugi::node_element && n.first_child()) {
                n = n.first_child();
                continue;
            }
            while (n != text && !n.next_sibling())
                n = n.parent();
            n = n == text ? pugi::xml_node() : n.next_sibling();
        }
    }

    void StartAt(pugi::xml_node element) {
        const auto first = [&](const char* name, LengthAxis axis) -> std::optional<double> {
            std::string_view value = element.attribute(name).value();
            value = value.substr(0, value.find_first_of(", \t\n"));
            if (value.empty()) return std::nullopt;
            return ParseLength(value, context_, axis);
        };
        const auto x = first("x", LengthAxis::kX), y = first("y", LengthAxis::kY);
        if (!x && !y) return;
        Close();
        if (x) chunk_.start.x = *x;
        if (y) chunk_.start.y = *y;
    }

    void Close() {
        if (chunk_.width == 0) return;  // positions alone draw nothing
        double left = chunk_.start.x;
        if (style_.textAnchor == TextAnchor::kMiddle) left -= chunk_.width / 2;
        if (style_.textAnchor == TextAnchor::kEnd) left -= chunk_.width;
        box_.Add(Point{left, chunk_.start.y - kAscent * style_.fontSize});
        box_.Add(Point{left + chunk_.width, chunk_.start.y + kDescent * style_.fontSize});
        chunk_.start.x = left + chunk_.width;
        chunk_.width = 0;
    }

    Box Result() {
        Close();
        if (box_.IsEmpty()) box_.Add(chunk_.start);
        return box_;
    }

private:
    const ComputedStyle& style_;
    const LengthContext& context_;
    Chunk chunk_;
    Box box_;
};

}  // namespace

Box EstimateTextBounds(pugi::xml_node text, const ComputedStyle& style, const LengthContext& context) {
    Estimator estimator(style, context);
    estimator.StartAt(text);
    estimator.Walk(text);
    return estimator.Result();
}

}  // namespace headless::svg
