#pragma once

#include <optional>

#include "bitmap.h"

namespace calclink {

// Holds one screen read from the calculator.
class CalcScreen {
public:
    // The capture always passes 26; any other value is refused.
    void Configure(int value);
    // The last screen read. Throws before any screen was read.
    Bitmap GetPicture() const;

    // Filled by CalcLink::GetScreen.
    void setBitmap(const Bitmap &bitmap) { bitmap_ = bitmap; }
    const std::optional<Bitmap> &bitmap() const { return bitmap_; }

private:
    std::optional<Bitmap> bitmap_;
};

} // namespace calclink
