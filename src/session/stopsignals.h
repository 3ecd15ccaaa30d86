#pragma once

#include <csignal>
#include <iterator>

namespace session {

// SIGINT (Ctrl-C in the terminal), SIGTERM and SIGHUP (the system or the
// session ending the program) go to `handler` for as long as this object
// lives, and the actions found are put back when it goes. A signal that the
// program was started with ignored (nohup, or the background of a shell
// without job control) stays ignored: the program is meant to outlive it.
//
// `flags` are sigaction()'s. With SA_RESTART the system calls that a signal
// interrupts go on, so a blocking open() or read() is not ended by it (poll()
// is, either way); without it they fail with EINTR, which the caller must
// then retry or take as the signal.
class StopSignals {
public:
    StopSignals(void (*handler)(int), int flags);
    ~StopSignals();
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction previous_[std::size(kSignals)];
};

} // namespace session
