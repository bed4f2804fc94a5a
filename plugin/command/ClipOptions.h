// The five options of one clipping run, and their encodings in the host's preferences and in the parameters of the
// recorded action "Zavik-Trimora2.5".
#pragma once

#include <cstddef>

#include "plugin/sdk/AIActionManager.h"
#include "plugin/sdk/AITypes.h"

// Five consecutive 32-bit words in this order: the dialog addresses the booleans by position and the engine copies
// the record word for word.
struct ClipOptions {
    ASInt32 ClipType = 0;  // 0 removes what lies outside the region; any other value what lies inside
    AIBoolean DeleteEmptyLayer = 0;
    AIBoolean DeleteTextOnTheLine = 0;
    AIBoolean ShowProgress = 0;
    AIBoolean PreserveMaskPath = 0;

    friend bool operator==(const ClipOptions&, const ClipOptions&) = default;
};
static_assert(sizeof(ClipOptions) == 5 * sizeof(ASInt32));
static_assert(offsetof(ClipOptions, PreserveMaskPath) == 4 * sizeof(ASInt32));

// The preference section and the action event share the product's name.
inline constexpr const char* kClipOptionsSection = "Zavik-Trimora2.5";

// Preferences: a missing one leaves its default, and host codes are not looked at.
void LoadClipOptionsFromPreferences(ClipOptions& options);
void SaveClipOptionsToPreferences(const ClipOptions& options);

// Action parameters: each stops at the first host code and answers it. On failure `options` is partly read and
// must not be used.
ASErr ReadClipOptionsFromAction(AIActionParamValueRef value, ClipOptions& options);
ASErr DeclareClipOptionKeys(AIActionParamTypeRef type);
ASErr WriteClipOptionsToAction(const ClipOptions& options, AIActionParamValueRef value);
