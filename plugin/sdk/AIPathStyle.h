// Paint of paths: colours of every kind, gradients with their on-page placement, fill, stroke and the path style.
#pragma once

#include "plugin/sdk/AITypes.h"

enum AIColorTag : ASInt32 {
    kGrayColor = 0,
    kFourColor = 1,
    kPattern = 2,
    kCustomColor = 3,
    kGradient = 4,
    kThreeColor = 5,
    kNoneColor = 6,
};

// Gray level 0 is white, 1 is black, as ink coverage.
struct AIGrayColorStyle {
    AIReal gray;
};

struct AIFourColorStyle {
    AIReal cyan;
    AIReal magenta;
    AIReal yellow;
    AIReal black;
};

struct AIThreeColorStyle {
    AIReal red;
    AIReal green;
    AIReal blue;
};

// A gradient in the document and where it lies on the page: its origin, angle in degrees, length and matrix.
struct AIGradientStyle {
    AIGradientHandle gradient;
    AIRealPoint gradientOrigin;
    AIReal gradientAngle;
    AIReal gradientLength;
    AIRealMatrix matrix;
    AIReal hiliteAngle;
    AIReal hiliteLength;
};

union AIColorUnion {
    AIGrayColorStyle g;
    AIFourColorStyle f;
    AIThreeColorStyle rgb;
    AIGradientStyle grad;
};

struct AIColor {
    AIColorTag kind;
    AIColorUnion c;
};

struct AIFillStyle {
    AIColor color;
    AIBoolean overprint;
};

constexpr int kMaxDashComponents = 6;

struct AIDashStyle {
    AIReal offset;
    ASInt16 length;
    AIReal array[kMaxDashComponents];
};

enum AILineCap : ASInt32 { kAIButtCap = 0, kAIRoundCap = 1, kAIProjectingCap = 2 };
enum AILineJoin : ASInt32 { kAIMiterJoin = 0, kAIRoundJoin = 1, kAIBevelJoin = 2 };

struct AIStrokeStyle {
    AIColor color;
    AIBoolean overprint;
    AIReal width;
    AIDashStyle dash;
    AILineCap cap;
    AILineJoin join;
    AIReal miterLimit;
};

// `clip` makes a path the clipping path of its group; `evenodd` selects the even-odd fill rule (non-zero otherwise).
struct AIPathStyle {
    AIBoolean fillPaint;
    AIBoolean strokePaint;
    AIFillStyle fill;
    AIStrokeStyle stroke;
    AIBoolean clip;
    AIBoolean lockClip;
    AIBoolean evenodd;
    AIReal resolution;
};

constexpr const char* kAIPathStyleSuite = "AI Path Style Suite";
constexpr int kAIPathStyleSuiteVersion = 14;

struct AIPathStyleSuite {
    AIErr (*GetPathStyle)(AIArtHandle path, AIPathStyle* style);
    AIErr (*SetPathStyle)(AIArtHandle path, const AIPathStyle* style);
    // The style new art gets.
    AIErr (*GetCurrentPathStyle)(AIPathStyle* style);
    AIErr (*SetCurrentPathStyle)(const AIPathStyle* style);
};
