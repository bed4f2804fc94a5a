// SP Blocks suite: memory blocks the host allocates, including those it hands out with its answers.
#pragma once

#include <cstddef>

#include "plugin/sdk/AITypes.h"

constexpr const char* kSPBlocksSuite = "SP Blocks Suite";
constexpr int kSPBlocksSuiteVersion = 2;

struct SPBlocksSuite {
    // debugName may be null; it only labels the block in the host's diagnostics.
    SPErr (*AllocateBlock)(size_t size, const char* debugName, void** block);
    // Frees a block from AllocateBlock or one the host handed out (e.g. a converted string); null is allowed.
    SPErr (*FreeBlock)(void* block);
    SPErr (*ReallocateBlock)(void* block, size_t newSize, const char* debugName, void** newBlock);
};
