// The fuzzer's oracle, shared with the regression test of its findings: read, write, read again.
#pragma once

#include <string>

namespace trimora::fuzz {

// Reads `text` as an SVG file, writes the document, reads that and writes it again. A refused first read is an
// answer, not a fault. Returns an empty string when the two writings agree (numbers within the writer's
// precision), otherwise what went wrong: the second read refused the writer's own output, or where they differ.
// Crashes and sanitizer reports are left to the process.
std::string CheckReadWriteRead(const std::string& text);

}  // namespace trimora::fuzz
