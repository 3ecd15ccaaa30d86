#include "terminationsignals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include "stopsignals.h"

static int pipeEnds[2] = {-1, -1};

static void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
}

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
        }
        emit terminationRequested();
    });
    // SA_RESTART: the event loop's own system calls go on after the byte is
    // written; the loop then sees it on the pipe.
    handlers_ = std::make_unique<session::StopSignals>(onSignal, SA_RESTART);
}

TerminationSignals::~TerminationSignals() = default;
