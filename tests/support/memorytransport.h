#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "trace.h"
#include "transport.h"

namespace calclink {

// A transport over a byte buffer, for driving the packet layer without a
// device: receive() hands out what is left of `incoming` (at most `chunk`
// bytes a call, to exercise partial reads) and, once it is used up, reports a
// time-out at once instead of waiting. Everything sent is kept.
class MemoryTransport : public Transport {
public:
    explicit MemoryTransport(std::vector<uint8_t> incoming = {}, size_t chunk = SIZE_MAX)
        : incoming_(std::move(incoming)), chunk_(std::max<size_t>(chunk, 1)) {}

    void send(const uint8_t *data, size_t size) override { sent_.insert(sent_.end(), data, data + size); }

    size_t receive(uint8_t *buffer, size_t max, Millis timeout) override
    {
        waits_.push_back(timeout);
        const size_t count = std::min({max, chunk_, incoming_.size() - position_});
        std::copy_n(incoming_.begin() + ptrdiff_t(position_), count, buffer);
        position_ += count;
        return count;
    }

    void append(const std::vector<uint8_t> &bytes) { incoming_.insert(incoming_.end(), bytes.begin(), bytes.end()); }
    const std::vector<uint8_t> &sent() const { return sent_; }
    // The time limit of every receive() call, in order.
    const std::vector<Millis> &waits() const { return waits_; }
    size_t unread() const { return incoming_.size() - position_; }

private:
    std::vector<uint8_t> incoming_;
    size_t chunk_;
    size_t position_ = 0;
    std::vector<uint8_t> sent_;
    std::vector<Millis> waits_;
};

// A trace kept in memory, for the tests that read what it said.
class TraceText {
public:
    TraceText() : out_(::open_memstream(&text_, &size_)), trace_(out_) {}
    ~TraceText()
    {
        std::fclose(out_);
        std::free(text_);
    }
    const Trace &trace() const { return trace_; }
    // How often it has said `part` so far.
    int count(const std::string &part)
    {
        std::fflush(out_);
        const std::string said(text_, size_);
        int count = 0;
        for (size_t at = 0; (at = said.find(part, at)) != std::string::npos; at += part.size())
            ++count;
        return count;
    }

private:
    char *text_ = nullptr;
    size_t size_ = 0;
    std::FILE *out_;
    Trace trace_;
};

} // namespace calclink
