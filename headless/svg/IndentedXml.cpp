// Indenting adds whitespace between the children of every element it writes. Inside text that whitespace is drawn
// (under xml:space="preserve") or becomes a space that moves the glyphs after it and shifts which character a
// position list applies to. Such elements are set aside as placeholders, the rest is indented, and the set-aside
// elements are put back as they were.
#include "headless/svg/IndentedXml.h"

#include <string_view>
#include <vector>

#include "headless/svg/RawXml.h"

namespace headless::svg {

namespace {

// The reader never keeps processing instructions, so every one in the output is a placeholder.
constexpr const char* kPlaceholder = "trimora-as-written";

bool NeedsExactContent(pugi::xml_node e) {
    const std::string_view name = e.name();
    if (name == "text" || name == "flowRoot" || name == "style") return true;  // a style sheet is text too
    bool hasText = false;
    int children = 0;
    for (pugi::xml_node c = e.first_child(); c; c = c.next_sibling()) {
        ++children;
        hasText = hasText || c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata;
    }
    return hasText && children > 1;
}

// Replaces each element that needs its content exact by a placeholder naming its index in `asWritten`.
void SetAside(pugi::xml_node root, std::vector<std::string>& asWritten) {
    std::vector<pugi::xml_node> stack{root};
    while (!stack.empty()) {
        pugi::xml_node e = stack.back();
        stack.pop_back();
        for (pugi::xml_node c = e.first_child(); c;) {
            const pugi::xml_node next = c.next_sibling();
            if (c.type() == pugi::node_element) {
                if (NeedsExactContent(c)) {
                    pugi::xml_node mark = e.insert_child_before(pugi::node_pi, c);
                    mark.set_name(kPlaceholder);
                    mark.set_value(std::to_string(asWritten.size()).c_str());
                    asWritten.push_back(SerializeElement(c));
                    e.remove_child(c);
                } else {
                    stack.push_back(c);
                }
            }
            c = next;
        }
    }
}

std::string PutBack(const std::string& text, const std::vector<std::string>& asWritten) {
    const std::string open = std::string("<?") + kPlaceholder + " ";
    std::string result;
    result.reserve(text.size());
    size_t from = 0;
    for (size_t at = text.find(open); at != std::string::npos; at = text.find(open, from)) {
        result.append(text, from, at - from);
        const size_t number = at + open.size();
        const size_t end = text.find("?>", number);
        result += asWritten.at(std::stoul(text.substr(number, end - number)));
        from = end + 2;
    }
    result.append(text, from);
    return result;
}

}  // namespace

namespace {

struct SinkWriter : pugi::xml_writer {
    explicit SinkWriter(const TextSink& sink) : sink(sink) {}
    void write(const void* data, std::size_t size) override { sink({static_cast<const char*>(data), size}); }
    const TextSink& sink;
};

}  // namespace

void SaveIndented(pugi::xml_document& document, std::string_view head, const TextSink& sink) {
    std::vector<std::string> asWritten;
    SetAside(document, asWritten);
    constexpr unsigned kFormat = pugi::format_indent | pugi::format_no_declaration;
    if (asWritten.empty()) {
        sink(head);
        SinkWriter writer(sink);
        document.save(writer, "  ", kFormat, pugi::encoding_utf8);
        return;
    }
    std::string text(head);
    const TextSink append = [&text](std::string_view piece) { text.append(piece); };
    SinkWriter writer(append);
    document.save(writer, "  ", kFormat, pugi::encoding_utf8);
    sink(PutBack(text, asWritten));
}

std::string SaveIndented(pugi::xml_document& document) {
    std::string text;
    SaveIndented(document, {}, [&text](std::string_view piece) { text.append(piece); });
    return text;
}

}  // namespace headless::svg
