// Declared entities are expanded after parsing, in attribute values and text, so that every node keeps its place
// in the file for messages. Values that refer to entities declared before them are expanded once, at declaration.
#include "headless/svg/Entities.h"

#include <cctype>
#include <vector>

namespace headless::svg {

namespace {

// Nested entities can double a document at every level; past these sizes the file is refused as a bomb.
constexpr size_t kMaxEntityValue = 1 << 20;
constexpr size_t kMaxGrowth = 64u << 20;

bool IsNameChar(char ch) {
    return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_' || ch == '-' || ch == '.' || ch == ':' ||
           (static_cast<unsigned char>(ch) & 0x80);
}

// `text` with declared references replaced; false when the result would exceed `limit` bytes.
bool Expand(std::string_view text, const EntityTable& entities, size_t limit, std::string& out) {
    out.clear();
    size_t from = 0;
    for (size_t at = text.find('&'); at != std::string_view::npos; at = text.find('&', at + 1)) {
        size_t end = at + 1;
        while (end < text.size() && IsNameChar(text[end]))
            ++end;
        if (end == at + 1 || end >= text.size() || text[end] != ';') continue;
        const auto it = entities.find(text.substr(at + 1, end - at - 1));
        if (it == entities.end()) continue;
        out.append(text, from, at - from);
        out += it->second;
        if (out.size() > limit) return false;
        from = end + 1;
        at = end;
    }
    out.append(text, from);
    return out.size() <= limit;
}

}  // namespace

std::string ReadEntities(std::string_view doctype, EntityTable& entities) {
    const size_t open = doctype.find('[');
    if (open == std::string_view::npos) return {};
    std::string_view subset = doctype.substr(open + 1);
    constexpr std::string_view kDeclaration = "<!ENTITY";
    for (size_t at = subset.find(kDeclaration); at != std::string_view::npos; at = subset.find(kDeclaration, at + 1)) {
        size_t i = at + kDeclaration.size();
        auto skipSpace = [&] {
            while (i < subset.size() && std::isspace(static_cast<unsigned char>(subset[i])))
                ++i;
        };
        skipSpace();
        if (i < subset.size() && subset[i] == '%') continue;  // parameter entity
        const size_t nameStart = i;
        while (i < subset.size() && IsNameChar(subset[i]))
            ++i;
        const std::string_view name = subset.substr(nameStart, i - nameStart);
        skipSpace();
        if (name.empty() || i >= subset.size() || (subset[i] != '"' && subset[i] != '\'')) continue;  // external
        const size_t close = subset.find(subset[i], i + 1);
        if (close == std::string_view::npos) break;
        std::string value;
        if (!Expand(subset.substr(i + 1, close - i - 1), entities, kMaxEntityValue, value))
            return "entity '" + std::string(name) + "' expands too far";
        entities.emplace(std::string(name), std::move(value));  // the first declaration wins
        at = close;
    }
    return {};
}

std::string ExpandEntities(pugi::xml_node root, const EntityTable& entities) {
    if (entities.empty()) return {};
    size_t growth = 0;
    std::string expanded;
    auto expand = [&](std::string_view text) {
        if (text.find('&') == std::string_view::npos) return false;
        if (!Expand(text, entities, text.size() + kMaxGrowth - growth, expanded)) {
            growth = kMaxGrowth + 1;
            return false;
        }
        growth += expanded.size() > text.size() ? expanded.size() - text.size() : 0;
        return expanded != text;
    };
    std::vector<pugi::xml_node> stack{root};
    while (!stack.empty() && growth <= kMaxGrowth) {
        pugi::xml_node n = stack.back();
        stack.pop_back();
        for (pugi::xml_attribute a : n.attributes())
            if (expand(a.value())) a.set_value(expanded.c_str());
        if ((n.type() == pugi::node_pcdata) && expand(n.value())) n.set_value(expanded.c_str());
        for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling())
            stack.push_back(c);
    }
    return growth > kMaxGrowth ? "entities expand too far" : std::string();
}

}  // namespace headless::svg
