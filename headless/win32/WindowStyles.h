// Window, dialog and control style values as the resource compiler and the window system use them.
// Single-bit flags are written as bits; control kinds (the low bits of a button or static style) are numbers.
#pragma once

#include <cstdint>

namespace headless::win32 {

constexpr std::uint32_t kWsPopup = 1u << 31;
constexpr std::uint32_t kWsChild = 1u << 30;
constexpr std::uint32_t kWsVisible = 1u << 28;
constexpr std::uint32_t kWsDisabled = 1u << 27;
constexpr std::uint32_t kWsBorder = 1u << 23;
constexpr std::uint32_t kWsDlgFrame = 1u << 22;
constexpr std::uint32_t kWsCaption = kWsBorder | kWsDlgFrame;
constexpr std::uint32_t kWsSysMenu = 1u << 19;
constexpr std::uint32_t kWsGroup = 1u << 17;
constexpr std::uint32_t kWsTabStop = 1u << 16;

constexpr std::uint32_t kDsFixedSys = 1u << 3;
constexpr std::uint32_t kDsSetFont = 1u << 6;
constexpr std::uint32_t kDsModalFrame = 1u << 7;
constexpr std::uint32_t kDsCenter = 1u << 11;

constexpr std::uint32_t kWsExNoParentNotify = 1u << 2;

// Button kinds: the style's low four bits.
constexpr std::uint32_t kButtonKindMask = 0x0F;
constexpr std::uint32_t kBsPushButton = 0;
constexpr std::uint32_t kBsDefPushButton = 1;
constexpr std::uint32_t kBsCheckBox = 2;
constexpr std::uint32_t kBsAutoCheckBox = 3;
constexpr std::uint32_t kBsRadioButton = 4;
constexpr std::uint32_t kBs3State = 5;
constexpr std::uint32_t kBsAuto3State = 6;
constexpr std::uint32_t kBsGroupBox = 7;
constexpr std::uint32_t kBsAutoRadioButton = 9;

// Static kinds: the style's low five bits.
constexpr std::uint32_t kStaticKindMask = 0x1F;
constexpr std::uint32_t kSsLeft = 0;
constexpr std::uint32_t kSsCenter = 1;
constexpr std::uint32_t kSsRight = 2;
constexpr std::uint32_t kSsIcon = 3;
constexpr std::uint32_t kSsBitmap = 14;
constexpr std::uint32_t kSsNotify = 1u << 8;

}  // namespace headless::win32
