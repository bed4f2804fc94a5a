// A module loaded with dlopen resolves its Windows calls against the process that links the stand-in.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "StandInFixture.h"

namespace win32_test {
namespace {

using ModuleLink = StandInTest;

TEST_F(ModuleLink, LoadedModuleShowsItsDialogThroughTheHost) {
    void* library = dlopen(WIN32_PROBE_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    using Show = int (*)(const char*);
    auto show = reinterpret_cast<Show>(dlsym(library, "ProbeShowOptions"));
    ASSERT_NE(show, nullptr) << dlerror();

    EXPECT_EQ(show(WIN32_PROBE_MODULE), -2);  // not reported by the loader yet
    headless::win32::SetLoadedModule(WIN32_PROBE_MODULE, reinterpret_cast<HMODULE>(library));
    headless::win32::ScriptedDriver driver({"click:1006", "enter"});
    headless::win32::ScopedDialogDriver installed(driver);
    EXPECT_EQ(show(WIN32_PROBE_MODULE), 11);
    EXPECT_EQ(headless::win32::ShellExecuteLog().size(), 1u);
    headless::win32::ForgetLoadedModule(reinterpret_cast<HMODULE>(library));
    dlclose(library);
}

}  // namespace
}  // namespace win32_test
