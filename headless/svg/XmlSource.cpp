// Loading the XML of an SVG file and mapping node offsets to line numbers.
#include "headless/svg/XmlSource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "headless/svg/Entities.h"
#include "headless/svg/SvgError.h"

namespace headless::svg {

XmlSource::XmlSource(std::string path) : path_(std::move(path)) {
    // A directory opens as a stream and reads as empty text, which would be reported as malformed XML.
    std::error_code error;
    if (std::filesystem::is_directory(path_, error)) ThrowSvgError(path_, 0, "", "cannot open file: it is a directory");
    std::ifstream in(path_, std::ios::binary);
    if (!in) ThrowSvgError(path_, 0, "", std::string("cannot open file: ") + std::strerror(errno));
    // Read straight into the text, sized by the file, rather than through a growing buffer and a copy.
    // A pipe or a file that grows meanwhile has the rest read after.
    const std::uintmax_t size = std::filesystem::file_size(path_, error);
    if (!error && size > 0 && size < text_.max_size()) {
        text_.resize(static_cast<std::size_t>(size));
        in.read(text_.data(), static_cast<std::streamsize>(size));
        text_.resize(static_cast<std::size_t>(in.gcount()));
    }
    if (!in.bad()) {
        in.clear();
        text_.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (in.bad()) ThrowSvgError(path_, 0, "", "cannot read file");
    Parse();
}

XmlSource::XmlSource(std::string name, std::string text) : path_(std::move(name)), text_(std::move(text)) {
    Parse();
}

void XmlSource::Parse() {
    lineStarts_.push_back(0);
    for (size_t i = 0; i < text_.size(); ++i)
        if (text_[i] == '\n') lineStarts_.push_back(i + 1);
    // Whitespace inside text content is kept: text elements are written back as they came.
    const unsigned options = pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_doctype;
    // Parsed in place: the text is not needed as it was, and a copy of a large file is a large part of the memory
    // reading takes.
    const pugi::xml_parse_result result =
        document_.load_buffer_inplace(text_.data(), text_.size(), options, pugi::encoding_utf8);
    if (!result)
        ThrowSvgError(path_, LineAtOffset(result.offset), "", std::string("malformed XML: ") + result.description());
    const pugi::xml_node root = Root();
    if (!root) ThrowSvgError(path_, 0, "", "no root element");
    if (std::string_view(root.name()) != "svg")
        ThrowSvgError(path_, LineOf(root), root.name(), "the root element is not <svg>");
    CheckNesting();
    DropLayoutWhitespace();
    for (pugi::xml_node n = document_.first_child(); n; n = n.next_sibling()) {
        if (n.type() != pugi::node_doctype) continue;
        EntityTable entities;
        std::string error = ReadEntities(n.value(), entities);
        if (error.empty()) error = ExpandEntities(root, entities);
        if (!error.empty()) ThrowSvgError(path_, LineOf(n), "", error);
    }
}

void XmlSource::DropLayoutWhitespace() {
    // Text content lives in these; whitespace there is drawn or separates words.
    auto holdsText = [](std::string_view name) {
        return name == "text" || name == "flowRoot" || name == "foreignObject" || name == "title" || name == "desc" ||
               name == "style" || name == "script";
    };
    auto isBlank = [](const char* text) {
        for (; *text; ++text)
            if (*text != ' ' && *text != '\t' && *text != '\n' && *text != '\r') return false;
        return true;
    };
    std::vector<pugi::xml_node> stack{Root()};
    while (!stack.empty()) {
        pugi::xml_node e = stack.back();
        stack.pop_back();
        for (pugi::xml_node c = e.first_child(); c;) {
            const pugi::xml_node next = c.next_sibling();
            if (c.type() == pugi::node_pcdata && isBlank(c.value()))
                e.remove_child(c);
            else if (c.type() == pugi::node_element && !holdsText(c.name()))
                stack.push_back(c);
            c = next;
        }
    }
}

void XmlSource::CheckNesting() const {
    const pugi::xml_node root = Root();
    int depth = 0;
    std::vector<std::string_view> names;
    for (pugi::xml_node n = root; n;) {
        // An attribute given twice makes the file malformed XML, which the parser does not check; later stages
        // would each take a different one of the two.
        names.clear();
        for (pugi::xml_attribute a : n.attributes())
            names.emplace_back(a.name());
        std::sort(names.begin(), names.end());
        if (const auto twice = std::adjacent_find(names.begin(), names.end()); twice != names.end())
            Fail(n, "malformed XML: attribute " + std::string(*twice) + " given twice");
        if (n.first_child()) {
            n = n.first_child();
            if (++depth > kMaxNestingDepth) Fail(n, "elements nested too deeply");
            continue;
        }
        while (n != root && !n.next_sibling()) {
            n = n.parent();
            --depth;
        }
        n = n == root ? pugi::xml_node() : n.next_sibling();
    }
}

int XmlSource::LineAtOffset(std::ptrdiff_t offset) const {
    if (offset < 0) return 0;
    const auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), static_cast<size_t>(offset));
    return static_cast<int>(it - lineStarts_.begin());
}

int XmlSource::LineOf(pugi::xml_node node) const {
    return LineAtOffset(node.offset_debug());
}

void XmlSource::Fail(pugi::xml_node node, std::string_view what) const {
    ThrowSvgError(path_, LineOf(node), node.name(), what);
}

}  // namespace headless::svg
