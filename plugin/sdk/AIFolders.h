// AI Folders suite: the host's well-known folders.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIFoldersSuite = "AI Folders Suite";
constexpr int kAIFoldersSuiteVersion = 5;

enum AIFolderType : ASInt32 {
    kAIApplicationFolderType = 0,
    kAIPluginsFolderType = 1,
    kAIPreferencesFolderType = 2,
    kAITemporaryFolderType = 3,
};

struct AIFoldersSuite {
    // A new path the caller deletes through AIFilePathSuite::DeleteFilePath.
    AIErr (*FindFolder)(ASInt32 folderType, AIBoolean createFolder, AIFilePathRef* folder);
};
