#include "packetbytes.h"

#include <chrono>

namespace calclink {

void PacketBytes::read(uint8_t *buffer, size_t size, const std::string &what)
{
    for (size_t done = 0; done < size;) {
        Millis limit = firstByte_;
        bool packetLimit = false;
        if (received_ > 0) {
            const auto left = std::chrono::ceil<Millis>(deadline_ - SteadyClock::now());
            if (left.count() <= 0)
                throw tookTooLong(what);
            packetLimit = left < nextByte_;
            limit = packetLimit ? left : nextByte_;
        }
        const size_t got = transport_.receive(buffer + done, size - done, limit);
        if (got == 0) {
            if (received_ == 0)
                throw silence("no reply within " + std::to_string(limit.count()) + " ms (the reply limit)");
            if (packetLimit)
                throw tookTooLong(what);
            throw noAnswer(what + " stopped after " + std::to_string(received_) + " bytes: nothing for " +
                           std::to_string(limit.count()) + " ms (the byte limit)");
        }
        if (received_ == 0)
            deadline_ = SteadyClock::now() + wholePacket_;
        if (keep_)
            kept_.insert(kept_.end(), buffer + done, buffer + done + got);
        done += got;
        received_ += got;
    }
}

LinkError PacketBytes::tookTooLong(const std::string &what) const
{
    return noAnswer(what + " took longer than " + std::to_string(wholePacket_.count()) +
                    " ms (the packet limit; " + std::to_string(received_) + " bytes so far)");
}

} // namespace calclink
