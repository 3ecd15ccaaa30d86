// Stands in for the Black and USB cables until their transports are built;
// it goes when black*.cpp and usb*.cpp arrive.
#include "linkerror.h"
#include "transports.h"

namespace calclink {

std::unique_ptr<Transport> openBlack(const std::string &deviceName, const std::string &)
{
    throw LinkError(kInvalidArgument, "The Black cable on " + deviceName + " is not available yet.");
}

std::unique_ptr<Transport> openUsb(const std::string &deviceName, int)
{
    throw LinkError(kInvalidArgument, "The USB cable " + deviceName + " is not available yet.");
}

} // namespace calclink
