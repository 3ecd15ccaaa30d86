#include "graytransport.h"

#include <sys/ioctl.h>

#include "serialport.h"

namespace calclink {

namespace {

class GrayTransport : public Transport {
public:
    GrayTransport(const std::string &deviceName, const std::string &path, const LinkTimeouts &timeouts,
                  const Stop &stop, const Trace &trace)
        : port_(deviceName, path, B9600, stop, trace), writeLimit_(timeouts.write)
    {
        // The cable draws its power from DTR and RTS. A pseudo-terminal (the
        // simulated calculator) has neither, and needs no power.
        const bool powered = port_.setModemLines(TIOCM_DTR | TIOCM_RTS, 0);
        trace.event(powered ? "port: DTR and RTS asserted, the cable's power"
                            : "port: no modem lines to power the cable with (a pseudo-terminal has none)");
    }

    void send(const uint8_t *data, size_t size) override { port_.write(data, size, writeLimit_); }

    size_t receive(uint8_t *buffer, size_t max, Millis timeout) override
    {
        return port_.read(buffer, max, timeout);
    }

private:
    SerialPort port_;
    Millis writeLimit_;
};

} // namespace

std::unique_ptr<Transport> openGray(const std::string &deviceName, const std::string &path,
                                    const LinkTimeouts &timeouts, const Stop &stop, const Trace &trace)
{
    return std::make_unique<GrayTransport>(deviceName, path, timeouts, stop, trace);
}

} // namespace calclink
