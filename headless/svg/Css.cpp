// Declaration and style-sheet parsing with simple selector matching.
#include "headless/svg/Css.h"

#include <algorithm>
#include <cctype>

namespace headless::svg {

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::string WithoutComments(std::string_view css) {
    std::string out;
    out.reserve(css.size());
    for (size_t i = 0; i < css.size(); ++i) {
        if (css[i] == '/' && i + 1 < css.size() && css[i + 1] == '*') {
            const size_t end = css.find("*/", i + 2);
            if (end == std::string_view::npos) break;
            i = end + 1;
            continue;
        }
        out += css[i];
    }
    return out;
}

bool IsNameChar(char ch) {
    return std::isalnum(static_cast<unsigned char>(ch)) || ch == '-' || ch == '_' || ch == ':';
}

}  // namespace

Declarations ParseDeclarations(std::string_view text) {
    Declarations result;
    const std::string clean = WithoutComments(text);
    std::string_view rest(clean);
    while (!rest.empty()) {
        const size_t end = rest.find(';');
        const std::string_view item = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const size_t colon = item.find(':');
        if (colon == std::string_view::npos) continue;
        std::string name(Trim(item.substr(0, colon)));
        std::string_view value = Trim(item.substr(colon + 1));
        if (const size_t bang = value.find("!important"); bang != std::string_view::npos)
            value = Trim(value.substr(0, bang));
        if (name.empty()) continue;
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char ch) { return std::tolower(ch); });
        result.emplace_back(std::move(name), std::string(value));
    }
    return result;
}

std::string FormatDeclarations(const Declarations& declarations) {
    std::string out;
    for (const auto& [name, value] : declarations) {
        if (!out.empty()) out += ';';
        out += name;
        out += ':';
        out += value;
    }
    return out;
}

bool StyleSheet::ParseSelector(std::string_view text, Selector& selector) {
    text = Trim(text);
    if (text.empty()) return false;
    size_t i = 0;
    auto readName = [&] {
        const size_t start = i;
        while (i < text.size() && IsNameChar(text[i]))
            ++i;
        return std::string(text.substr(start, i - start));
    };
    if (text[0] == '*') {
        ++i;
    } else if (IsNameChar(text[0])) {
        selector.type = readName();
        selector.specificity += 1;
    }
    while (i < text.size()) {
        const char kind = text[i++];
        const std::string name = readName();
        if (name.empty()) return false;
        if (kind == '.') {
            selector.classes.push_back(name);
            selector.specificity += 100;
        } else if (kind == '#') {
            selector.id = name;
            selector.specificity += 10000;
        } else {
            return false;
        }
    }
    return true;
}

void StyleSheet::Add(std::string_view css) {
    const std::string clean = WithoutComments(css);
    std::string_view rest(clean);
    while (!rest.empty()) {
        const size_t open = rest.find('{');
        if (open == std::string_view::npos) break;
        const std::string_view prelude = Trim(rest.substr(0, open));
        // Skip the block, counting nested braces (at-rules such as @media hold blocks of rules).
        size_t depth = 0, close = open;
        for (; close < rest.size(); ++close) {
            if (rest[close] == '{') ++depth;
            if (rest[close] == '}' && --depth == 0) break;
        }
        const std::string_view body = rest.substr(open + 1, close - open - 1);
        rest = close < rest.size() ? rest.substr(close + 1) : std::string_view();
        if (prelude.starts_with("@")) continue;
        const Declarations declarations = ParseDeclarations(body);
        std::string_view selectors = prelude;
        while (!selectors.empty()) {
            const size_t comma = selectors.find(',');
            Selector selector;
            if (ParseSelector(selectors.substr(0, comma), selector))
                rules_.push_back({selector, declarations, static_cast<int>(rules_.size())});
            selectors = comma == std::string_view::npos ? std::string_view() : selectors.substr(comma + 1);
        }
    }
    std::stable_sort(rules_.begin(), rules_.end(),
                     [](const Rule& a, const Rule& b) { return a.selector.specificity < b.selector.specificity; });
}

bool StyleSheet::Matches(const Selector& selector, pugi::xml_node element) {
    if (!selector.type.empty() && selector.type != element.name()) return false;
    if (!selector.id.empty() && selector.id != element.attribute("id").value()) return false;
    if (selector.classes.empty()) return true;
    const std::string_view classes = element.attribute("class").value();
    for (const std::string& wanted : selector.classes) {
        bool found = false;
        size_t i = 0;
        while (i < classes.size() && !found) {
            while (i < classes.size() && std::isspace(static_cast<unsigned char>(classes[i])))
                ++i;
            const size_t start = i;
            while (i < classes.size() && !std::isspace(static_cast<unsigned char>(classes[i])))
                ++i;
            found = classes.substr(start, i - start) == wanted;
        }
        if (!found) return false;
    }
    return true;
}

Declarations StyleSheet::Match(pugi::xml_node element) const {
    Declarations result;
    for (const Rule& rule : rules_)
        if (Matches(rule.selector, element))
            result.insert(result.end(), rule.declarations.begin(), rule.declarations.end());
    return result;
}

}  // namespace headless::svg
