#include "calclink.h"

#include "linkerror.h"
#include "screenexchange.h"
#include "transports.h"

namespace calclink {

CalcLink::CalcLink() : stop_(ownStop_) {}

CalcLink::CalcLink(Stop &stop, std::optional<LinkTimeouts> timeouts) : stop_(stop), chosenTimeouts_(timeouts) {}

CalcLink::~CalcLink() = default;

void CalcLink::Connect(int cableCode, const std::string &deviceName)
{
    // The port is released before it is opened again, so that reconnecting
    // to the same port does not find it busy.
    transport_.reset();
    timeouts_ = chosenTimeouts_.value_or(cableTimeouts(cableCode));
    transport_ = openTransport(cableCode, deviceName, timeouts_, stop_);
}

void CalcLink::GetScreen(CalcScreen &screen)
{
    if (!transport_)
        throw LinkError(kInvalidArgument, "GetScreen needs an open link; Connect was not called or failed.");
    stop_.limitTo(timeouts_.capture);
    screen.setBitmap(readScreen(*transport_, timeouts_));
}

} // namespace calclink
