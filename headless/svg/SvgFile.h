// Reading an SVG file into the host's document and writing a document back as SVG.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "headless/document/Document.h"

namespace headless::svg {

struct ReadOptions {
    std::vector<std::string> select;  // ids of the objects to select
    // Path data in the file's user units for a path that the file does not hold: it is added, selected, in a new
    // top layer of its own (how a command line names a region that is not drawn).
    std::string addedPath = {};
    // Told what the reader kept without understanding it; without a listener the warnings go to standard error.
    std::function<void(const std::string&)> warning = nullptr;
};

// Fills an empty document. Throws SvgError naming the file, line, element and fault; the document is then
// partly filled and should be dropped.
void ReadSvgFile(const std::string& path, Document& document, const ReadOptions& options = {});
void ReadSvgText(const std::string& name, std::string text, Document& document, const ReadOptions& options = {});

// Writes to a temporary file beside `path` and renames it into place; throws SvgError and leaves nothing
// behind when that fails.
void WriteSvgFile(const Document& document, const std::string& path);
std::string WriteSvgText(const Document& document);

}  // namespace headless::svg
