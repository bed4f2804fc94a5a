// An SVG file parsed by pugixml, with the line of every node for error messages.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace headless::svg {

// Elements nested deeper than this are refused, in the file and through use chains: every later stage and the
// writer's indentation can then count on a bounded depth.
constexpr int kMaxNestingDepth = 200;

class XmlSource {
public:
    // Reads and parses the file; throws SvgError when it cannot be read, is not well-formed XML or nests elements
    // too deeply.
    explicit XmlSource(std::string path);
    // Parses text in memory; `name` stands for the file in messages.
    XmlSource(std::string name, std::string text);
    // The parsed nodes point into the text, which a move could leave behind.
    XmlSource(const XmlSource&) = delete;
    XmlSource& operator=(const XmlSource&) = delete;

    const std::string& Path() const { return path_; }
    pugi::xml_node Root() const { return document_.document_element(); }
    int LineOf(pugi::xml_node node) const;
    [[noreturn]] void Fail(pugi::xml_node node, std::string_view what) const;

private:
    void Parse();
    void CheckNesting() const;  // and that no element gives an attribute twice
    // Whitespace between elements only lays the file out; outside text it is dropped, so that carried elements
    // and definitions are indented by the writer like everything else.
    void DropLayoutWhitespace();
    int LineAtOffset(std::ptrdiff_t offset) const;

    std::string path_;
    std::string text_;  // parsed in place, so declared before the document that points into it
    std::vector<size_t> lineStarts_;
    pugi::xml_document document_;
};

}  // namespace headless::svg
