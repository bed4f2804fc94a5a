// Helpers that tests of every folder share: walking a document's tree, and naming parameterised cases.
#pragma once

#include <concepts>
#include <ostream>
#include <string>
#include <vector>

#include "headless/document/Document.h"

namespace trimora::test {

// The children of `parent`, front to back.
std::vector<headless::ArtId> Children(const headless::Document& doc, headless::ArtId parent);

// A parameterised case that names itself; GoogleTest prints it by that name. Derive the case from it and list the
// name first: {"name", ...}.
struct NamedCase {
    std::string name;
};

template <std::derived_from<NamedCase> Case>
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

}  // namespace trimora::test
