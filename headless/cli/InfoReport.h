// `trimora info`: the document as the host sees it, as text.
#pragma once

#include <ostream>

#include "headless/document/Document.h"

namespace headless::app {

// Layers top-down with their flags, the art tree with types, bounds and styles, then counts per type.
void WriteInfoReport(const Document& document, std::ostream& out);

}  // namespace headless::app
