// Entities declared in a file's own document type: drawing tools write colours and styles as entities there
// (<!ENTITY fill_color "#fff"> ... fill="&fill_color;"), and renderers expand them.
#pragma once

#include <pugixml.hpp>

#include <map>
#include <string>
#include <string_view>

namespace headless::svg {

using EntityTable = std::map<std::string, std::string, std::less<>>;

// The general entities of the internal subset of a document type declaration's text, their values expanded;
// external and parameter entities are left out. Returns an error text for values that expand too far.
std::string ReadEntities(std::string_view doctype, EntityTable& entities);

// Replaces every reference to a declared entity in the attribute values and text under `root`. Returns an error
// text when the document would grow too far.
std::string ExpandEntities(pugi::xml_node root, const EntityTable& entities);

}  // namespace headless::svg
