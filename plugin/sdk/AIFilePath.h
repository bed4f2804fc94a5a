// AI File Path suite: file paths owned by the host.
#pragma once

#include "plugin/sdk/AITypes.h"
#include "plugin/sdk/SPFiles.h"

constexpr const char* kAIFilePathSuite = "AI File Path Suite";
constexpr int kAIFilePathSuiteVersion = 8;

struct AIFilePathSuite {
    // A new path the caller deletes.
    AIErr (*NewFilePathFromSPPlatformFileSpec)(const SPPlatformFileSpecification* file, AIFilePathRef* path);
    // The full path as a new Unicode string the caller destroys; displayName non-zero asks for the name the user
    // sees rather than the file system's.
    AIErr (*GetFullPath)(AIFilePathRef path, AIBoolean displayName, AIUnicodeStringRef* fullPath);
    AIErr (*DeleteFilePath)(AIFilePathRef path);
};
