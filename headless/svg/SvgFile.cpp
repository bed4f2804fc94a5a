// The reader's stages run in order, and the writer's output put in place atomically.
#include "headless/svg/SvgFile.h"

#include "headless/svg/AtomicFile.h"
#include "headless/svg/DocumentImport.h"
#include "headless/svg/SvgError.h"
#include "headless/svg/SvgWriter.h"
#include "headless/svg/TreeBuilder.h"
#include "headless/svg/XmlSource.h"

namespace headless::svg {

void ReadSvgFile(const std::string& path, Document& document, const ReadOptions& options) {
    const XmlSource source(path);
    ImportSvgTree(BuildSvgTree(source), document, options, path);
}

void ReadSvgText(const std::string& name, std::string text, Document& document, const ReadOptions& options) {
    const XmlSource source(name, std::move(text));
    ImportSvgTree(BuildSvgTree(source), document, options, name);
}

std::string WriteSvgText(const Document& document) {
    return DocumentToSvg(document);
}

void WriteSvgFile(const Document& document, const std::string& path) {
    WriteFileAtomically(path, DocumentToSvg(document));
}

}  // namespace headless::svg
