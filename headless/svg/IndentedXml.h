// Saving the written document indented for people to read, without adding whitespace where it is content.
#pragma once

#include <pugixml.hpp>

#include <functional>
#include <string>
#include <string_view>

namespace headless::svg {

// Receives text in pieces, in order.
using TextSink = std::function<void(std::string_view)>;

// `head`, then the document as indented UTF-8 text without a declaration, handed to `sink` as it is made. Text
// elements, and any element whose children mix text and elements, are written exactly as they are held. The
// document is changed on the way.
void SaveIndented(pugi::xml_document& document, std::string_view head, const TextSink& sink);
std::string SaveIndented(pugi::xml_document& document);

}  // namespace headless::svg
