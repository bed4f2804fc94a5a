// An installed command lives in <prefix>/bin, the module in <prefix>/lib/trimora and the script in
// <prefix>/share/trimora.
#include "headless/cli/InstalledFiles.h"

#include <cstdlib>
#include <stdexcept>

#include "headless/win32/ResourceScript.h"
#include "headless/win32/StandIn.h"

namespace headless::app {

namespace {

namespace fs = std::filesystem;

fs::path Prefix() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : program.parent_path().parent_path();
}

}  // namespace

std::string ModuleFilePath() {
    if (const char* chosen = std::getenv("TRIMORA_MODULE"); chosen && *chosen) return chosen;
    const fs::path installed = Prefix() / TRIMORA_INSTALL_LIBDIR / "trimora" / "libtrimora.so";
    std::error_code error;
    if (fs::is_regular_file(installed, error)) return installed.string();
    return TRIMORA_BUILT_MODULE;
}

fs::path InstalledResourceScript() {
    const fs::path installed = Prefix() / "share" / "trimora" / "trimora.rc";
    std::error_code error;
    return fs::is_regular_file(installed, error) ? installed : fs::path();
}

std::string ModuleVersion() {
    const fs::path installed = InstalledResourceScript();
    const win32::ResourceScript script =
        win32::LoadResourceScript(installed.empty() ? win32::ResourceScriptPath() : installed);
    for (const win32::VersionResource& version : script.versions)
        if (const auto it = version.strings.find("ProductVersion"); it != version.strings.end()) return it->second;
    throw std::runtime_error("the module's resources state no product version");
}

}  // namespace headless::app
