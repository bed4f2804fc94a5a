// File paths, the file specification record, and the file path suite.
#include "headless/suites/FilePaths.h"

#include <cstring>
#include <utility>

#include "headless/suites/SuiteText.h"
#include "headless/suites/UnicodeStrings.h"
#include "plugin/sdk/AIUnicodeString.h"

namespace headless {

AIFilePathRef NewFilePath(std::string utf8Path) {
    return AppHandleOf<AIFilePathRef>(HandleKind::kFilePath, App().filePaths.Add(std::move(utf8Path)));
}

std::string& FilePathOf(AIFilePathRef path) {
    if (!path) Throw(kBadParameterErr);
    Application& app = App();
    return app.filePaths[AppIdOf<FilePathTag>(HandleKind::kFilePath, path, app.filePaths)];
}

void WriteFileSpecification(const std::string& utf8Path, SPPlatformFileSpecification& file) {
    const std::string bytes = suitetext::Utf8ToPlatform(utf8Path);
    // The NUL ends the path, so neither an inner one nor a path without room for it can be carried.
    if (bytes.empty() || bytes.size() >= sizeof file.path || bytes.find('\0') != std::string::npos)
        Throw(kBadParameterErr);
    std::memset(file.path, 0, sizeof file.path);
    std::memcpy(file.path, bytes.data(), bytes.size());
}

std::string ReadFileSpecification(const SPPlatformFileSpecification& file) {
    const void* end = std::memchr(file.path, '\0', sizeof file.path);
    if (!end || end == file.path) Throw(kBadParameterErr);
    const auto length = static_cast<std::size_t>(static_cast<const char*>(end) - file.path);
    return suitetext::PlatformToUtf8(std::string_view(file.path, length));
}

namespace {

AIErr NewFilePathFromSPPlatformFileSpec(const SPPlatformFileSpecification* file, AIFilePathRef* path) {
    AIFilePathRef& out = Out(path);
    out = nullptr;
    out = NewFilePath(ReadFileSpecification(In(file)));
    return kNoErr;
}

// The name a user sees is the full path here: the host hides no extensions and translates no folder names.
AIErr GetFullPath(AIFilePathRef path, AIBoolean displayName, AIUnicodeStringRef* fullPath) {
    (void)displayName;
    AIUnicodeStringRef& out = Out(fullPath);
    out = nullptr;
    out = NewString(DecodeText(FilePathOf(path), kAIUTF8CharacterEncoding));
    return kNoErr;
}

AIErr DeleteFilePath(AIFilePathRef path) {
    if (!path) Throw(kBadParameterErr);
    Application& app = App();
    app.filePaths.Remove(AppIdOf<FilePathTag>(HandleKind::kFilePath, path, app.filePaths));
    return kNoErr;
}

const AIFilePathSuite kFilePathSuite = {
    TRIMORA_HOST_FN(AIFilePathSuite, NewFilePathFromSPPlatformFileSpec, NewFilePathFromSPPlatformFileSpec),
    TRIMORA_HOST_FN(AIFilePathSuite, GetFullPath, GetFullPath),
    TRIMORA_HOST_FN(AIFilePathSuite, DeleteFilePath, DeleteFilePath),
};

}  // namespace

const AIFilePathSuite* FilePathSuiteTable() {
    return &kFilePathSuite;
}

}  // namespace headless
