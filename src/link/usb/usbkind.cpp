#include "usbkind.h"

#include "usbids.h"

namespace calclink {

std::optional<UsbKind> usbKindOf(uint16_t vendor, uint16_t product)
{
    for (const UsbProduct &known : kUsbProducts)
        if (known.vendor == vendor && known.product == product)
            return known.kind;
    return std::nullopt;
}

std::string usbKindName(UsbKind kind)
{
    return kind == UsbKind::Calculator ? "calculator on its own USB port" : "USB link cable";
}

} // namespace calclink
