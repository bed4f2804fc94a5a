// Writing a file through a temporary sibling and rename(2), which replaces the target in one step.
#include "headless/svg/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

namespace headless::svg {

namespace {

[[noreturn]] void Refuse(const std::filesystem::path& path, const std::string& what, int error) {
    throw FileWriteError(path.string() + ": " + what + ": " + std::strerror(error));
}

// Writes everything or reports the errno of the failure.
int WriteAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, bool makeDirectory) {
    const std::filesystem::path directory = path.has_parent_path() ? path.parent_path() : ".";
    if (makeDirectory) {
        std::error_code error;
        std::filesystem::create_directories(directory, error);
        if (error) Refuse(directory, "cannot create the directory", error.value());
    }
    std::string temporary = (directory / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(temporary.data());
    if (fd < 0) Refuse(path, "cannot create a temporary file", errno);
    int error = WriteAll(fd, bytes);
    // Flushed before the rename, so that a crash cannot leave the new name on an empty file.
    if (!error && fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && !error) error = errno;
    if (error) {
        unlink(temporary.c_str());
        Refuse(path, "cannot write", error);
    }
    // mkstemp makes the file private; a new output is as readable as any other new file.
    const mode_t mask = umask(0);
    umask(mask);
    chmod(temporary.c_str(), 0666 & ~mask);
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
        unlink(temporary.c_str());
        Refuse(path, "cannot replace the file", error);
    }
}

}  // namespace headless::svg
