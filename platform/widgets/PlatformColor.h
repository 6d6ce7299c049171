#pragma once
// Colours of the forms' design values, written as the old platform's numbers: $00BBGGRR, blue in
// the high byte ($C4C4FF is red 255, green 196, blue 196). Every such number goes through this
// one conversion; no colour is turned around by hand.

#include <QColor>
#include <cstdint>

constexpr int PlatformRed(std::uint32_t bbggrr) { return int(bbggrr & 0xFFu); }
constexpr int PlatformGreen(std::uint32_t bbggrr) { return int((bbggrr >> 8) & 0xFFu); }
constexpr int PlatformBlue(std::uint32_t bbggrr) { return int((bbggrr >> 16) & 0xFFu); }

// The colour of a $00BBGGRR number (the top byte, which names system colours, is not read).
inline QColor PlatformColor(std::uint32_t bbggrr)
{
    return QColor(PlatformRed(bbggrr), PlatformGreen(bbggrr), PlatformBlue(bbggrr));
}

// The named colours the forms use.
constexpr std::uint32_t clAqua = 0x00FFFF00;
constexpr std::uint32_t clNavy = 0x00800000;
constexpr std::uint32_t clMaroon = 0x00000080;
constexpr std::uint32_t clBlue = 0x00FF0000;
constexpr std::uint32_t clRed = 0x000000FF;
