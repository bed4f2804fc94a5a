// Serializing carried elements and scanning text for the references they make.
#include "headless/svg/RawXml.h"

#include "headless/svg/Transform.h"

namespace headless::svg {

namespace {

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

}  // namespace

std::string SerializeElement(pugi::xml_node element) {
    StringWriter writer;
    element.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return std::move(writer.text);
}

std::string SerializeElement(pugi::xml_node element, const Matrix& absolute) {
    pugi::xml_document copy;
    pugi::xml_node root = copy.append_copy(element);
    root.remove_attribute("transform");
    // Judged as written: a matrix a rounding away from the identity is written as none.
    static const std::string kIdentity = FormatMatrix(Matrix{});
    if (const std::string written = absolute.IsIdentity() ? kIdentity : FormatMatrix(absolute); written != kIdentity)
        root.append_attribute("transform").set_value(written.c_str());
    return SerializeElement(root);
}

void CollectReferences(std::string_view text, std::vector<std::string>& ids) {
    auto isIdChar = [](char ch) { return ch != ')' && ch != '"' && ch != '\'' && ch != ' ' && ch != '<' && ch != '>'; };
    for (size_t at = text.find('#'); at != std::string_view::npos; at = text.find('#', at + 1)) {
        // url(#id), url('#id') or an attribute value that starts with '#'.
        const bool inUrl =
            (at >= 4 && text.substr(at - 4, 4) == "url(") ||
            (at >= 5 && text.substr(at - 5, 4) == "url(" && (text[at - 1] == '\'' || text[at - 1] == '"'));
        const bool inHref = at >= 6 && (text[at - 1] == '"' || text[at - 1] == '\'') && text[at - 2] == '=' &&
                            text.substr(at - 6, 4) == "href";
        if (!inUrl && !inHref) continue;
        size_t end = at + 1;
        while (end < text.size() && isIdChar(text[end]))
            ++end;
        if (end > at + 1) ids.emplace_back(text.substr(at + 1, end - at - 1));
    }
}

}  // namespace headless::svg
