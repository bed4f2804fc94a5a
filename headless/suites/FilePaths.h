// The host's file paths, and the platform file specification that carries one: a NUL-terminated full path in the
// platform's multi-byte encoding at the start of the 600-byte record, the rest of the record zero.
#pragma once

#include <string>

#include "headless/suites/HostEntry.h"
#include "plugin/sdk/AIFilePath.h"

namespace headless {

// Paths are kept as UTF-8, as the file system names them here.
AIFilePathRef NewFilePath(std::string utf8Path);
// Refuses a null path with kBadParameterErr and a dead one with kDeadHandleErr.
std::string& FilePathOf(AIFilePathRef path);

// A path the platform encoding cannot spell, or one too long for the record, is refused with kBadParameterErr.
void WriteFileSpecification(const std::string& utf8Path, SPPlatformFileSpecification& file);
// A record without a NUL, an empty path and bytes invalid in the platform encoding are refused likewise.
std::string ReadFileSpecification(const SPPlatformFileSpecification& file);

const AIFilePathSuite* FilePathSuiteTable();

}  // namespace headless
