// The basic types of the host interface: integers, error codes, booleans, geometry records and opaque handles.
// Written for this project from what the module relies on; the host implements them, the module only calls them.
#pragma once

#include <cstdint>

using ASInt8 = std::int8_t;
using ASInt16 = std::int16_t;
using ASInt32 = std::int32_t;
using ASInt64 = std::int64_t;
using ASUInt8 = std::uint8_t;
using ASUInt16 = std::uint16_t;
using ASUInt32 = std::uint32_t;
using ASUInt64 = std::uint64_t;
using ai_int16 = ASInt16;
using ai_int32 = ASInt32;

// Every host function answers with a 32-bit code; 0 is success.
using ASErr = ASInt32;
using AIErr = ASErr;
using SPErr = ASErr;

// Host booleans are 32 bits wide wherever the host hands one over; 0 is false, anything else true.
using ASBoolean = ASInt32;
using AIBoolean = ASBoolean;

using AIReal = double;
using AIFloat = float;

// The 32-bit value whose bytes, most significant first, are the four characters: FourCharCode("ABCD") == 0x41424344.
constexpr ASUInt32 FourCharCode(const char (&code)[5]) {
    return (static_cast<ASUInt32>(static_cast<unsigned char>(code[0])) << 24) |
           (static_cast<ASUInt32>(static_cast<unsigned char>(code[1])) << 16) |
           (static_cast<ASUInt32>(static_cast<unsigned char>(code[2])) << 8) |
           static_cast<ASUInt32>(static_cast<unsigned char>(code[3]));
}

// The same code as a host error code.
constexpr ASErr FourCharErr(const char (&code)[5]) {
    return static_cast<ASErr>(FourCharCode(code));
}

constexpr ASErr kNoErr = 0;
constexpr ASErr kSPNoError = 0;
constexpr ASErr kOutOfMemoryErr = FourCharErr("!MEM");
constexpr ASErr kUnhandledMsgErr = FourCharErr("!MSG");
constexpr ASErr kCanceledErr = FourCharErr("STOP");
constexpr ASErr kBadParameterErr = FourCharErr("PARM");
constexpr ASErr kSPSuiteNotFoundError = FourCharErr("S!Fd");
constexpr ASErr kSPBadParameterError = FourCharErr("Parm");
constexpr ASErr kSPCantAcquirePluginError = FourCharErr("!Acq");
constexpr ASErr kPurgeFalseErr = FourCharErr("pFls");

// Artwork geometry: y grows upwards; a rectangle's top is not below its bottom.
struct AIRealPoint {
    AIReal h;
    AIReal v;
};

struct AIRealRect {
    AIReal left;
    AIReal top;
    AIReal right;
    AIReal bottom;
};

struct AIRect {
    ASInt32 left;
    ASInt32 top;
    ASInt32 right;
    ASInt32 bottom;
};

// Maps (x, y) to (a*x + c*y + tx, b*x + d*y + ty).
struct AIRealMatrix {
    AIReal a;
    AIReal b;
    AIReal c;
    AIReal d;
    AIReal tx;
    AIReal ty;
};

// One anchor of a path with its two direction handles; a straight segment has handles on its anchors.
struct AIPathSegment {
    AIRealPoint p;
    AIRealPoint in;
    AIRealPoint out;
    AIBoolean corner;
};

// Opaque handles: the module passes them back to the host and never looks inside.
struct AIArtOpaque;
struct AILayerOpaque;
struct AIArtSetOpaque;
struct AIMenuItemOpaque;
struct AIMenuGroupOpaque;
struct AINotifierOpaque;
struct AIActionParamTypeOpaque;
struct AIActionParamValueOpaque;
struct AIDocumentOpaque;
struct AIDocumentViewOpaque;
struct AIHitOpaque;
struct AIArtStyleOpaque;
struct AIPluginGroupOpaque;
struct AIUnicodeStringOpaque;
struct AIFilePathOpaque;
struct AIGradientOpaque;
struct AIAppContextOpaque;
struct SPPluginOpaque;
struct SPAccessOpaque;

using AIArtHandle = AIArtOpaque*;
using AILayerHandle = AILayerOpaque*;
using AIArtSet = AIArtSetOpaque*;
using AIMenuItemHandle = AIMenuItemOpaque*;
using AIMenuGroup = AIMenuGroupOpaque*;
using AINotifierHandle = AINotifierOpaque*;
using AIActionParamTypeRef = AIActionParamTypeOpaque*;
using AIActionParamValueRef = AIActionParamValueOpaque*;
using AIDocumentHandle = AIDocumentOpaque*;
using AIDocumentViewHandle = AIDocumentViewOpaque*;
using AIHitRef = AIHitOpaque*;
using AIArtStyleHandle = AIArtStyleOpaque*;
using AIPluginGroupHandle = AIPluginGroupOpaque*;
using AIUnicodeStringRef = AIUnicodeStringOpaque*;
using AIFilePathRef = AIFilePathOpaque*;
using AIGradientHandle = AIGradientOpaque*;
using AIAppContextHandle = AIAppContextOpaque*;
using SPPluginRef = SPPluginOpaque*;
using SPAccessRef = SPAccessOpaque*;
using AIWindowRef = void*;
using AIPluginHandle = SPPluginRef;
