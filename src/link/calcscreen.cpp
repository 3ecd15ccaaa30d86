#include "calclink.h"

#include "linkerror.h"
#include "translation.h"

namespace calclink {

void CalcScreen::Configure(int value)
{
    if (value != 26)
        throw LinkError(kInvalidArgument, fill(translate("calclink", "The screen format %1 is not known; only 26 is."),
                                               {std::to_string(value)}));
}

Bitmap CalcScreen::GetPicture() const
{
    if (!bitmap_)
        throw LinkError(kInvalidArgument, translate("calclink", "No screen has been read from the calculator yet."));
    return *bitmap_;
}

} // namespace calclink
