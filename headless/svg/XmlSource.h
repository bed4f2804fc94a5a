// An SVG file parsed by pugixml, with the line of every node for error messages.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace headless::svg {

class XmlSource {
public:
    // Reads and parses the file; throws SvgError when it cannot be read or is not well-formed XML.
    explicit XmlSource(std::string path);
    // Parses text in memory; `name` stands for the file in messages.
    XmlSource(std::string name, std::string text);

    const std::string& Path() const { return path_; }
    pugi::xml_node Root() const { return document_.document_element(); }
    int LineOf(pugi::xml_node node) const;
    [[noreturn]] void Fail(pugi::xml_node node, std::string_view what) const;

private:
    void Parse();
    int LineAtOffset(std::ptrdiff_t offset) const;

    std::string path_;
    std::string text_;
    std::vector<size_t> lineStarts_;
    pugi::xml_document document_;
};

}  // namespace headless::svg
