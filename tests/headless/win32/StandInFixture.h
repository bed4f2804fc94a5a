// A clean stand-in for each test: one loaded module, the module's own script unless a test writes another.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "headless/win32/DialogDriver.h"
#include "headless/win32/StandIn.h"

namespace win32_test {

class StandInTest : public ::testing::Test {
protected:
    static constexpr const char* kModulePath = "/plug-ins/Zavik-Trimora.aip";

    void SetUp() override {
        headless::win32::ResetStandIn();
        headless::win32::SetLoadedModule(kModulePath, Module());
    }
    void TearDown() override {
        headless::win32::ResetStandIn();
        if (!scriptFolder_.empty()) std::filesystem::remove_all(scriptFolder_);
    }

    static HMODULE Module() {
        static int token;
        return reinterpret_cast<HMODULE>(&token);
    }

    // Makes dialogs come from this script text, written to a file of the test's own.
    void UseScript(const std::string& text) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        scriptFolder_ = std::filesystem::path(::testing::TempDir()) /
                        ("win32-" + std::string(test->name()) + "-" + std::to_string(::getpid()));
        std::filesystem::create_directories(scriptFolder_);
        std::ofstream(scriptFolder_ / "test.rc") << text;
        headless::win32::SetResourceScript(scriptFolder_ / "test.rc");
    }

    static INT_PTR Show(int templateId, DLGPROC procedure, LPARAM initParam = 0) {
        return DialogBoxParamA(Module(), MAKEINTRESOURCEA(static_cast<WORD>(templateId)), nullptr, procedure,
                               initParam);
    }

    static const std::string& LastFailure() { return headless::win32::DialogHistory().back().failure; }

private:
    std::filesystem::path scriptFolder_;
};

}  // namespace win32_test
