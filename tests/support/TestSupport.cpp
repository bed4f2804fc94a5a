#include "tests/support/TestSupport.h"

namespace trimora::test {

std::vector<headless::ArtId> Children(const headless::Document& doc, headless::ArtId parent) {
    std::vector<headless::ArtId> out;
    for (headless::ArtId c = doc.Find(parent)->firstChild; c; c = doc.Find(c)->next)
        out.push_back(c);
    return out;
}

}  // namespace trimora::test
