#include "calcscreen.h"

#include "linkerror.h"

namespace calclink {

void CalcScreen::Configure(int value)
{
    if (value != 26)
        throw LinkError(kInvalidArgument,
                        "The screen format " + std::to_string(value) + " is not known; only 26 is.");
}

Bitmap CalcScreen::GetPicture() const
{
    if (!bitmap_)
        throw LinkError(kInvalidArgument, "No screen has been read from the calculator yet.");
    return *bitmap_;
}

} // namespace calclink
