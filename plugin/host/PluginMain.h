// The module's one export: the host sends every message through it.
#pragma once

#include "plugin/sdk/AITypes.h"

#if defined(_WIN32)
#define TRIMORA_EXPORT __declspec(dllexport)
#else
#define TRIMORA_EXPORT __attribute__((visibility("default")))
#endif

extern "C" TRIMORA_EXPORT ASErr PluginMain(const char* caller, const char* selector, void* message);
