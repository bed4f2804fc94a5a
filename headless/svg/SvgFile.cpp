// The reader's stages run in order, and the writer's output put in place atomically.
#include "headless/svg/SvgFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

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
    const std::string text = DocumentToSvg(document);
    const std::filesystem::path target(path);
    const std::filesystem::path directory = target.has_parent_path() ? target.parent_path() : ".";
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    std::string temporary = (directory / name).string();
    const int fd = mkstemp(temporary.data());
    if (fd < 0) ThrowSvgError(path, 0, "", std::string("cannot create a temporary file: ") + std::strerror(errno));
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    const int writeErrno = errno;
    const bool closed = close(fd) == 0;
    if (written != text.size() || !closed) {
        unlink(temporary.c_str());
        ThrowSvgError(path, 0, "", std::string("cannot write: ") + std::strerror(writeErrno));
    }
    // mkstemp makes the file private; a saved drawing is as readable as any other new file.
    const mode_t mask = umask(0);
    umask(mask);
    chmod(temporary.c_str(), 0666 & ~mask);
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameErrno = errno;
        unlink(temporary.c_str());
        ThrowSvgError(path, 0, "", std::string("cannot replace the file: ") + std::strerror(renameErrno));
    }
}

}  // namespace headless::svg
