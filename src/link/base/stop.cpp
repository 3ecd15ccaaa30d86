#include "stop.h"

#include <algorithm>
#include <string>

#include "linkerror.h"
#include "translation.h"

namespace calclink {

void Stop::limitTo(Millis limit)
{
    limit_ = limit;
    deadline_ = SteadyClock::now() + limit;
}

void Stop::check() const
{
    if (cancelled())
        throw LinkError(kCancelled, translate("calclink", "The capture was cancelled."));
    if (SteadyClock::now() >= deadline_)
        throw noAnswer("the capture took longer than " + std::to_string(limit_.count()) + " ms (the capture limit)");
}

SteadyClock::time_point Stop::nextCheck(SteadyClock::time_point until) const
{
    return std::min({until, SteadyClock::now() + kCheckInterval, deadline_});
}

const Stop &Stop::never()
{
    static const Stop stop;
    return stop;
}

} // namespace calclink
