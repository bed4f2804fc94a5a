// ai::HostPath: a file path owned by the host's File Path suite, as a value that gives the path back when it goes.
#pragma once

#include "plugin/host/HostString.h"
#include "plugin/sdk/AIFilePath.h"

namespace ai {

class HostPath {
public:
    HostPath() noexcept = default;
    // The host makes the path; a refusal leaves it null, and the later operations report it.
    explicit HostPath(const SPPlatformFileSpecification& file);
    HostPath(const HostPath&) = delete;
    HostPath& operator=(const HostPath&) = delete;
    HostPath(HostPath&& other) noexcept;
    HostPath& operator=(HostPath&& other) noexcept;
    ~HostPath();

    // Throws ai::Error when the host refuses.
    HostString FullPath(bool displayName = false) const;

    AIFilePathRef Ref() const noexcept { return path_; }

private:
    void Destroy() noexcept;

    AIFilePathRef path_ = nullptr;
};

}  // namespace ai
