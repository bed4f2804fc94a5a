// AI MdMemory suite: relocatable memory handles of the host.
#pragma once

#include <cstddef>

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIMdMemorySuite = "AI MdMemory Suite";
constexpr int kAIMdMemorySuiteVersion = 3;

struct AIMdMemoryOpaque;
using AIMdMemoryHandle = AIMdMemoryOpaque*;

struct AIMdMemorySuite {
    AIErr (*MdMemoryNewHandle)(size_t size, AIMdMemoryHandle* handle);
    AIErr (*MdMemoryDisposeHandle)(AIMdMemoryHandle handle);
    AIErr (*MdMemoryGetSize)(AIMdMemoryHandle handle, size_t* size);
};
