#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace calclink {

inline constexpr int kScreenWidth = 96;
inline constexpr int kScreenHeight = 64;
inline constexpr int kBitmapRowBytes = kScreenWidth / 8;                   // 12
inline constexpr size_t kBitmapSize = size_t(kBitmapRowBytes) * kScreenHeight; // 768

// The calculator's screen as it travels: 64 rows of 12 bytes from the top,
// 8 pixels a byte with the most significant bit the leftmost, a set bit a
// dark pixel.
using Bitmap = std::array<uint8_t, kBitmapSize>;

// Pixel (x, y), 0 <= x < 96 and 0 <= y < 64, of a bitmap: its byte and its bit.
inline constexpr size_t bitmapByte(int x, int y) { return size_t(y) * kBitmapRowBytes + size_t(x) / 8; }
inline constexpr uint8_t bitmapBit(int x) { return uint8_t(0x80 >> (x % 8)); }

inline constexpr bool isDark(const Bitmap &bitmap, int x, int y) { return bitmap[bitmapByte(x, y)] & bitmapBit(x); }
inline constexpr void setDark(Bitmap &bitmap, int x, int y, bool dark = true)
{
    if (dark)
        bitmap[bitmapByte(x, y)] |= bitmapBit(x);
    else
        bitmap[bitmapByte(x, y)] &= uint8_t(~bitmapBit(x));
}

} // namespace calclink
