// Output files are written whole or not at all: a temporary file beside the target, renamed into place once
// complete.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "headless/svg/SvgError.h"

namespace headless::svg {

// A file that could not be written; the message names the file and the reason.
class FileWriteError : public SvgError {
public:
    using SvgError::SvgError;
};

// A file written in pieces through a temporary sibling: Commit puts it in place; dropped before that, it leaves
// nothing behind. Each step throws FileWriteError, naming the file and the reason.
class AtomicFile {
public:
    explicit AtomicFile(const std::filesystem::path& path, bool makeDirectory = false);
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile();

    void Write(std::string_view bytes);
    void Commit();

private:
    [[noreturn]] void Abandon(const std::string& what, int error);

    std::filesystem::path path_;
    std::string temporary_;
    int fd_ = -1;
};

// Replaces `path` with `bytes`. With `makeDirectory`, a missing parent directory is created first. Throws
// FileWriteError and leaves nothing behind when any step fails.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, bool makeDirectory = false);

}  // namespace headless::svg
