// Where tests find the project's files: the source tree the build was configured from.
#pragma once

#include <filesystem>
#include <string>

#ifndef TRIMORA_SOURCE_DIR
#error "tests are built with trimora_test, which defines TRIMORA_SOURCE_DIR"
#endif

namespace trimora::test {

// A path inside the source tree.
inline std::string SourcePath(const std::string& relative) {
    return (std::filesystem::path(TRIMORA_SOURCE_DIR) / relative).string();
}

}  // namespace trimora::test
