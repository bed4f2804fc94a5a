// The basic suite: the one table every message carries, through which all other suites are acquired by name.
#pragma once

#include <cstddef>

#include "plugin/sdk/AITypes.h"

constexpr const char* kSPBasicSuite = "SP Basic Suite";
constexpr int kSPBasicSuiteVersion = 4;

struct SPBasicSuite {
    // Writes the suite's function table to *suite; a suite the host lacks at that version gives an error and null.
    SPErr (*AcquireSuite)(const char* name, ASInt32 version, const void** suite);
    // Gives back one acquisition of name at version.
    SPErr (*ReleaseSuite)(const char* name, ASInt32 version);
    // A plain comparison, answered as a value: non-zero when the two strings are equal.
    ASBoolean (*IsEqual)(const char* token1, const char* token2);
    SPErr (*AllocateBlock)(size_t size, void** block);
    SPErr (*FreeBlock)(void* block);
};
