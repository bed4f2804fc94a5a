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

AtomicFile::AtomicFile(const std::filesystem::path& path, bool makeDirectory) : path_(path) {
    const std::filesystem::path directory = path.has_parent_path() ? path.parent_path() : ".";
    if (makeDirectory) {
        std::error_code error;
        std::filesystem::create_directories(directory, error);
        if (error) Refuse(directory, "cannot create the directory", error.value());
    }
    temporary_ = (directory / ("." + path.filename().string() + ".XXXXXX")).string();
    fd_ = mkstemp(temporary_.data());
    if (fd_ < 0) Refuse(path, "cannot create a temporary file", errno);
}

AtomicFile::~AtomicFile() {
    if (fd_ < 0) return;
    close(fd_);
    unlink(temporary_.c_str());
}

void AtomicFile::Abandon(const std::string& what, int error) {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    unlink(temporary_.c_str());
    Refuse(path_, what, error);
}

void AtomicFile::Write(std::string_view bytes) {
    if (fd_ < 0) Refuse(path_, "cannot write", EBADF);
    if (const int error = WriteAll(fd_, bytes)) Abandon("cannot write", error);
}

void AtomicFile::Commit() {
    if (fd_ < 0) Refuse(path_, "cannot write", EBADF);
    // Flushed before the rename, so that a crash cannot leave the new name on an empty file.
    if (fsync(fd_) != 0) Abandon("cannot write", errno);
    const int closed = close(fd_);
    fd_ = -1;
    if (closed != 0) {
        const int error = errno;
        unlink(temporary_.c_str());
        Refuse(path_, "cannot write", error);
    }
    // mkstemp makes the file private; a new output is as readable as any other new file.
    const mode_t mask = umask(0);
    umask(mask);
    chmod(temporary_.c_str(), 0666 & ~mask);
    if (rename(temporary_.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        unlink(temporary_.c_str());
        Refuse(path_, "cannot replace the file", error);
    }
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, bool makeDirectory) {
    AtomicFile file(path, makeDirectory);
    file.Write(bytes);
    file.Commit();
}

}  // namespace headless::svg
