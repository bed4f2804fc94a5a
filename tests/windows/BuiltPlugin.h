// Where the tests find the cross-built plug-in; a test without it is skipped with the command that makes it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#define TRIMORA_REQUIRE_WINDOWS_PLUGIN()                                                                \
    do {                                                                                                \
        if (!std::filesystem::exists(TRIMORA_WINDOWS_PLUGIN))                                           \
            GTEST_SKIP() << "no " TRIMORA_WINDOWS_PLUGIN "; `make windows` builds the Windows plug-in"; \
    } while (false)
