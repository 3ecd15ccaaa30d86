#include "calclink.h"

#include "linkerror.h"

namespace calclink {

void CalcScreen::Configure(int value)
{
    if (value != 26)
        throw LinkError(kInvalidArgument,
                        "The screen format " + std::to_string(value) + " is not known; only 26 is.");
}

Picture CalcScreen::GetPicture() const
{
    if (!bitmap_)
        throw LinkError(kInvalidArgument, "No screen has been read from the calculator yet.");
    Picture picture;
    picture.pixels.resize(size_t(kScreenWidth) * kScreenHeight);
    for (int y = 0; y < kScreenHeight; ++y) {
        for (int x = 0; x < kScreenWidth; ++x) {
            const uint8_t byte = (*bitmap_)[size_t(y) * (kScreenWidth / 8) + size_t(x) / 8];
            const bool dark = byte & (0x80 >> (x % 8));
            picture.pixels[size_t(y) * kScreenWidth + x] = dark ? 0 : 0xFFFFFF;
        }
    }
    return picture;
}

} // namespace calclink
