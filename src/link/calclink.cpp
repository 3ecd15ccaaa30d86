#include "calclink.h"

#include "linkerror.h"
#include "screenexchange.h"
#include "transports.h"

namespace calclink {

CalcLink::CalcLink() = default;
CalcLink::~CalcLink() = default;

void CalcLink::Connect(int cableCode, const std::string &deviceName)
{
    // The port is released before it is opened again, so that reconnecting
    // to the same port does not find it busy.
    transport_.reset();
    transport_ = openTransport(cableCode, deviceName);
}

void CalcLink::GetScreen(CalcScreen &screen)
{
    if (!transport_)
        throw LinkError(kInvalidArgument, "GetScreen needs an open link; Connect was not called or failed.");
    screen.setBitmap(readScreen(*transport_));
}

} // namespace calclink
