// CSS for SVG: declaration lists (style attributes) and style sheets with simple selectors.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace headless::svg {

using Declarations = std::vector<std::pair<std::string, std::string>>;

// "name: value; ..." with names lower-cased, values trimmed and "!important" dropped.
Declarations ParseDeclarations(std::string_view text);
std::string FormatDeclarations(const Declarations& declarations);

// A sheet of rules whose selectors are type, universal, .class and #id (compounds and comma lists of them).
// Rules with other selectors (combinators, attributes, pseudo-classes) and at-rules are skipped.
class StyleSheet {
public:
    void Add(std::string_view css);
    bool Empty() const { return rules_.empty(); }
    // The declarations that apply to `element`, lowest precedence first (by specificity, then source order).
    Declarations Match(pugi::xml_node element) const;

private:
    struct Selector {
        std::string type;  // empty for any
        std::string id;
        std::vector<std::string> classes;
        int specificity = 0;
    };
    struct Rule {
        Selector selector;
        Declarations declarations;
        int order = 0;
    };
    static bool ParseSelector(std::string_view text, Selector& selector);
    static bool Matches(const Selector& selector, pugi::xml_node element);

    std::vector<Rule> rules_;
};

}  // namespace headless::svg
