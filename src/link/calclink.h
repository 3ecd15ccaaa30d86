#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "transport.h"

namespace calclink {

inline constexpr int kScreenWidth = 96;
inline constexpr int kScreenHeight = 64;
inline constexpr size_t kBitmapSize = kScreenWidth * kScreenHeight / 8; // 768

// 64 rows of 12 bytes, most significant bit the leftmost pixel, set = dark.
using Bitmap = std::array<uint8_t, kBitmapSize>;

// The screen as a picture: colour values, row by row from the top left;
// a dark pixel is 0 (black), a light one 16777215 (white).
struct Picture {
    int width = kScreenWidth;
    int height = kScreenHeight;
    std::vector<uint32_t> pixels;
};

// Holds one screen read from the calculator.
class CalcScreen {
public:
    // The capture always passes 26; any other value is refused.
    void Configure(int value);
    // The last screen read, as a picture. Throws before any screen was read.
    Picture GetPicture() const;

    // Filled by CalcLink::GetScreen.
    void setBitmap(const Bitmap &bitmap) { bitmap_ = bitmap; }
    const std::optional<Bitmap> &bitmap() const { return bitmap_; }

private:
    std::optional<Bitmap> bitmap_;
};

// One open link; the link closes (and the port is restored) when it is destroyed.
class CalcLink {
public:
    CalcLink();
    ~CalcLink();
    CalcLink(const CalcLink &) = delete;
    CalcLink &operator=(const CalcLink &) = delete;

    // Opens the cable: code 1 Gray, 2 Black, 5 USB; device "COM1".."COM4" or "\\.\UsbN".
    void Connect(int cableCode, const std::string &deviceName);
    // Reads the calculator's screen into `screen`. Throws before Connect.
    void GetScreen(CalcScreen &screen);

private:
    std::unique_ptr<Transport> transport_;
};

} // namespace calclink
