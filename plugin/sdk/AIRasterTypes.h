// Records of raster art: the raster record, pixel slices and tiles.
#pragma once

#include "plugin/sdk/AITypes.h"

enum AIRasterColorSpace : ASInt16 {
    kGrayColorSpace = 0,
    kRGBColorSpace = 1,
    kCMYKColorSpace = 2,
    kColorSpaceHasAlpha = 0x10,
    kAlphaGrayColorSpace = kGrayColorSpace | kColorSpaceHasAlpha,
    kAlphaRGBColorSpace = kRGBColorSpace | kColorSpaceHasAlpha,
    kAlphaCMYKColorSpace = kCMYKColorSpace | kColorSpaceHasAlpha,
};

// `flags` 0 is a plain raster; any flag (mask, colorized, ...) makes it one the module cannot trim.
struct AIRasterRecord {
    ASInt16 flags;
    AIRect bounds;
    ASInt32 byteWidth;
    ASInt16 colorSpace;
    ASInt16 bitsPerPixel;
    ASInt16 originalColorSpace;
};

// A box of pixels: rows top to bottom, columns left to right, channels front to back.
struct AISlice {
    ASInt32 top;
    ASInt32 left;
    ASInt32 bottom;
    ASInt32 right;
    ASInt32 front;
    ASInt32 back;
};

struct AITile {
    void* data;
    AISlice bounds;
    ASInt32 rowBytes;
    ASInt32 colBytes;
    ASInt32 planeBytes;
    ASInt16 channelInterleave[32];
};
