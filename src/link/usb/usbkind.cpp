#include "usbkind.h"

#include "translation.h"
#include "usbids.h"

namespace calclink {

std::optional<UsbKind> usbKindOf(uint16_t vendor, uint16_t product)
{
    for (const UsbProduct &known : kUsbProducts)
        if (known.vendor == vendor && known.product == product)
            return known.kind;
    return std::nullopt;
}

const char *usbKindName(UsbKind kind)
{
    return kind == UsbKind::Calculator ? CALCLINK_TRANSLATE_NOOP("calclink", "calculator on its own USB port")
                                       : CALCLINK_TRANSLATE_NOOP("calclink", "USB link cable");
}

} // namespace calclink
