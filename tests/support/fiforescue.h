#pragma once

// Keeps a test of a named pipe from hanging when the code under test waits
// on it: after a long while, and from then on every tenth of a second, it
// opens the pipe's other end and closes it again, which lets a reader stuck
// in open() or read() go on with an empty file. stop() says whether it had
// to. Code that never waits is done long before.

#include <chrono>
#include <future>
#include <string>

#include <fcntl.h>
#include <unistd.h>

class FifoRescue {
public:
    explicit FifoRescue(const std::string &fifo)
        : rescued_(std::async(std::launch::async, [fifo, stopped = stop_.get_future()] {
              bool rescued = false;
              auto wait = std::chrono::milliseconds(30000);
              while (stopped.wait_for(wait) == std::future_status::timeout) {
                  // O_NONBLOCK: it opens only while a reader is waiting.
                  const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  rescued |= fd >= 0;
                  if (fd >= 0)
                      ::close(fd);
                  wait = std::chrono::milliseconds(100);
              }
              return rescued;
          }))
    {
    }
    ~FifoRescue() { stop(); }

    bool stop()
    {
        if (!rescued_.valid())
            return result_;
        stop_.set_value();
        return result_ = rescued_.get();
    }

private:
    std::promise<void> stop_;
    std::future<bool> rescued_;
    bool result_ = false;
};
