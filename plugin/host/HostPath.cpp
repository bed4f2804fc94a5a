// File paths over the File Path suite.
#include "plugin/host/HostPath.h"

#include <utility>

#include "plugin/host/AIError.h"
#include "plugin/host/Suites.h"

namespace ai {

HostPath::HostPath(const SPPlatformFileSpecification& file) {
    sAIFilePath->NewFilePathFromSPPlatformFileSpec(&file, &path_);
}

HostPath::HostPath(HostPath&& other) noexcept : path_(std::exchange(other.path_, nullptr)) {}

HostPath& HostPath::operator=(HostPath&& other) noexcept {
    if (this != &other) {
        Destroy();
        path_ = std::exchange(other.path_, nullptr);
    }
    return *this;
}

HostPath::~HostPath() {
    Destroy();
}

void HostPath::Destroy() noexcept {
    if (path_ && sAIFilePath) sAIFilePath->DeleteFilePath(path_);  // a refusal here has nowhere to go
    path_ = nullptr;
}

HostString HostPath::FullPath(bool displayName) const {
    AIUnicodeStringRef fullPath = nullptr;
    const ASErr code = sAIFilePath->GetFullPath(path_, displayName ? 1 : 0, &fullPath);
    HostString result = HostString::Adopt(fullPath);
    if (code != kNoErr) throw Error(code);
    return result;
}

}  // namespace ai
