// Where tests find the project's files: the source tree named by the test runner's environment.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace trimora::test {

// A path inside the source tree (TRIMORA_SOURCE_DIR, set by trimora_test).
inline std::string SourcePath(const std::string& relative) {
    const char* root = std::getenv("TRIMORA_SOURCE_DIR");
    if (!root) throw std::runtime_error("TRIMORA_SOURCE_DIR is not set");
    return (std::filesystem::path(root) / relative).string();
}

}  // namespace trimora::test
