// Output files are written whole or not at all: a temporary file beside the target, renamed into place once
// complete.
#pragma once

#include <filesystem>
#include <string_view>

#include "headless/svg/SvgError.h"

namespace headless::svg {

// A file that could not be written; the message names the file and the reason.
class FileWriteError : public SvgError {
public:
    using SvgError::SvgError;
};

// Replaces `path` with `bytes`. With `makeDirectory`, a missing parent directory is created first. Throws
// FileWriteError and leaves nothing behind when any step fails.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, bool makeDirectory = false);

}  // namespace headless::svg
