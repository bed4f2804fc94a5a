// Saving the written document indented for people to read, without adding whitespace where it is content.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace headless::svg {

// `head`, then the document as indented UTF-8 text without a declaration. Text elements, and any element whose
// children mix text and elements, are written exactly as they are held. The document is changed on the way.
std::string SaveIndented(pugi::xml_document& document, std::string_view head = {});

}  // namespace headless::svg
