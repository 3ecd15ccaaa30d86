#include "calclink.h"

#include "directexchange.h"
#include "linkerror.h"
#include "screenexchange.h"
#include "translation.h"
#include "transportfactory.h"

namespace calclink {

CalcLink::CalcLink() : stop_(ownStop_), trace_(Trace::off()) {}

CalcLink::CalcLink(Stop &stop, std::optional<LinkTimeouts> timeouts, const Trace &trace)
    : stop_(stop), chosenTimeouts_(timeouts), trace_(trace)
{
}

CalcLink::~CalcLink() = default;

void CalcLink::Connect(int cableCode, const std::string &deviceName)
{
    // A link that fails to open again is not left open on the port before.
    transport_.reset();
    Connect(LinkChoice::ofDevice(cableCode, deviceName));
}

void CalcLink::Connect(const LinkChoice &choice)
{
    // The port is released before it is opened again, so that reconnecting
    // to the same port does not find it busy.
    transport_.reset();
    timeouts_ = chosenTimeouts_.value_or(cableTimeouts(choice.cableCode()));
    if (trace_.on()) {
        std::string limits = "limits:";
        for (const auto &[name, limit] :
             {std::pair{" reply ", timeouts_.reply}, {", byte ", timeouts_.byte}, {", packet ", timeouts_.packet},
              {", capture ", timeouts_.capture}, {", write ", timeouts_.write}, {", bit ", timeouts_.bit}})
            limits += name + std::to_string(limit.count()) + " ms";
        trace_.event(limits);
    }
    transport_ = openTransport(choice, timeouts_, stop_, trace_);
}

void CalcLink::GetScreen(CalcScreen &screen)
{
    if (!transport_)
        throw LinkError(kInvalidArgument,
                        translate("calclink", "GetScreen needs an open link; Connect was not called or failed."));
    stop_.limitTo(timeouts_.capture);
    // The device found chooses the exchange: a calculator on its own USB
    // port speaks a framing of its own, every cable the link port's packets.
    if (transport_->framing() == Transport::Framing::DirectUsb)
        screen.setBitmap(readDirectScreen(*transport_, timeouts_, trace_));
    else
        screen.setBitmap(readScreen(*transport_, timeouts_, trace_));
}

} // namespace calclink
