// The writer: a document as SVG 1.1, at a fixed precision.
#pragma once

#include <string>

#include "headless/document/Document.h"
#include "headless/svg/IndentedXml.h"
#include "headless/svg/SvgFile.h"

namespace headless::svg {

std::string DocumentToSvg(const Document& document);
// The same text in pieces as it is made, so that a large document's text is never held whole.
void WriteDocumentSvg(const Document& document, const TextSink& sink);

}  // namespace headless::svg
