#include "usbkind.h"

#include "linkerror.h"
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
    switch (kind) {
    case UsbKind::Calculator: return CALCLINK_TRANSLATE_NOOP("calclink", "calculator on its own USB port");
    case UsbKind::Unreadable: return CALCLINK_TRANSLATE_NOOP("calclink", "calculator with a colour screen");
    case UsbKind::LinkCable: break;
    }
    return CALCLINK_TRANSLATE_NOOP("calclink", "USB link cable");
}

std::string usbIdsOf(UsbKind kind)
{
    for (const UsbProduct &known : kUsbProducts)
        if (known.kind == kind)
            return hexadecimal(known.vendor, 4) + ":" + hexadecimal(known.product, 4);
    return {};
}


} // namespace calclink
