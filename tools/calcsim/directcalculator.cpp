#include "directcalculator.h"

#include <algorithm>

// The calculator's side of the framing, written here on its own rather than
// with the link library's, so that the tests compare two independent
// readings of it.
namespace {

constexpr size_t kRawHeaderBytes = 5;
constexpr size_t kVirtualHeaderBytes = 6;
constexpr uint8_t kRawBufferRequest = 1, kRawAllocation = 2, kRawMore = 3, kRawLast = 4, kRawAck = 5;
constexpr uint16_t kVirtualSetMode = 0x0001, kVirtualParameterRequest = 0x0007, kVirtualParameterData = 0x0008,
                   kVirtualModeAck = 0x0012, kVirtualDelayAck = 0xBB00, kVirtualError = 0xEE00;
constexpr uint16_t kScreenParameterId = 0x0022;
constexpr uint16_t kErrorNotInMode = 0x0008, kErrorNoParameter = 0x0022;
// The largest raw packet data, and virtual packet, it takes from the host
// before it gives up on the host's framing.
constexpr uint32_t kLargestHostRaw = 1024;
constexpr size_t kLargestHostVirtual = 1024;

uint32_t big32(const uint8_t *p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }
uint16_t big16(const uint8_t *p) { return uint16_t(p[0] << 8 | p[1]); }
void put32(std::vector<uint8_t> &out, uint32_t v)
{
    out.insert(out.end(), {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)});
}
void put16(std::vector<uint8_t> &out, uint16_t v) { out.insert(out.end(), {uint8_t(v >> 8), uint8_t(v)}); }

std::vector<uint8_t> raw(uint8_t type, const uint8_t *data, size_t size)
{
    std::vector<uint8_t> bytes;
    put32(bytes, uint32_t(size));
    bytes.push_back(type);
    bytes.insert(bytes.end(), data, data + size);
    return bytes;
}

std::string hex4(unsigned value)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 12; shift >= 0; shift -= 4)
        text += digits[(value >> shift) & 0xF];
    return text;
}

} // namespace

DirectCalculator::DirectCalculator() : DirectCalculator(Behaviour{}) {}

DirectCalculator::DirectCalculator(Behaviour behaviour) : behaviour_(behaviour) {}

void DirectCalculator::reset()
{
    input_.clear();
    virtualIn_.clear();
    queue_.clear();
    awaitingAck_ = endsScreen_ = confused_ = modeSet_ = false;
    agreed_ = 0;
}

std::vector<uint8_t> DirectCalculator::abandonedScreenPart(const Behaviour &behaviour)
{
    const auto hostVirtual = [](uint16_t type, std::vector<uint8_t> data) {
        std::vector<uint8_t> bytes;
        put32(bytes, uint32_t(data.size()));
        put16(bytes, type);
        bytes.insert(bytes.end(), data.begin(), data.end());
        return raw(kRawLast, bytes.data(), bytes.size());
    };
    const uint8_t size[] = {0x00, 0x00, 0x04, 0x00}, ack[] = {0xE0, 0x00};
    const std::vector<std::vector<uint8_t>> host = {
        raw(kRawBufferRequest, size, sizeof size),
        hostVirtual(kVirtualSetMode, {0x00, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x07, 0xD0}),
        raw(kRawAck, ack, sizeof ack),
        hostVirtual(kVirtualParameterRequest, {0x00, 0x01, 0x00, 0x22}),
    };
    Behaviour plain = behaviour;
    plain.delayAcks = plain.modeDelayAcks = 0;
    DirectCalculator calculator(plain);
    std::vector<uint8_t> last;
    for (const std::vector<uint8_t> &bytes : host)
        for (const Send &send : calculator.feed(bytes.data(), bytes.size()))
            last = send.bytes;
    return last;
}

void DirectCalculator::fault(std::string sentence) { faults_.push_back(std::move(sentence)); }

std::vector<DirectCalculator::Send> DirectCalculator::feed(const uint8_t *data, size_t size)
{
    std::vector<Send> out;
    if (behaviour_.silent || confused_)
        return out;
    input_.insert(input_.end(), data, data + size);
    size_t at = 0;
    while (input_.size() - at >= kRawHeaderBytes) {
        const uint32_t length = big32(&input_[at]);
        const uint32_t limit = agreed_ ? std::max<uint32_t>(agreed_, 4) : kLargestHostRaw;
        if (length > limit) {
            fault("the host announced a raw packet of " + std::to_string(length) + " bytes, more than the " +
                  std::to_string(limit) + " agreed");
            confused_ = true;
            input_.clear();
            return out;
        }
        if (input_.size() - at < kRawHeaderBytes + length)
            break;
        const uint8_t type = input_[at + 4];
        const std::vector<uint8_t> body(input_.begin() + ptrdiff_t(at + kRawHeaderBytes),
                                        input_.begin() + ptrdiff_t(at + kRawHeaderBytes + length));
        at += kRawHeaderBytes + length;
        handleRaw(type, body);
        if (confused_)
            break;
    }
    input_.erase(input_.begin(), input_.begin() + ptrdiff_t(std::min(at, input_.size())));
    pump(out);
    return out;
}

void DirectCalculator::handleRaw(uint8_t type, const std::vector<uint8_t> &data)
{
    switch (type) {
    case kRawBufferRequest:
        // Every exchange starts here; what went before is forgotten.
        if (data.size() != 4)
            fault("a buffer size request of " + std::to_string(data.size()) + " bytes, not 4");
        queue_.clear();
        virtualIn_.clear();
        awaitingAck_ = endsScreen_ = modeSet_ = false;
        agreed_ = behaviour_.allocation;
        {
            std::vector<uint8_t> size;
            put32(size, behaviour_.allocation);
            queueRaw(kRawAllocation, size);
        }
        return;
    case kRawMore:
    case kRawLast:
        if (awaitingAck_)
            fault("the host sent a part of a virtual packet where its acknowledgement was due");
        virtualIn_.insert(virtualIn_.end(), data.begin(), data.end());
        if (virtualIn_.size() > kLargestHostVirtual) {
            fault("the host sent a virtual packet of more than " + std::to_string(kLargestHostVirtual) + " bytes");
            confused_ = true;
            return;
        }
        {
            static const uint8_t ackData[] = {0xE0, 0x00};
            queueRaw(kRawAck, std::vector<uint8_t>(ackData, ackData + 2));
        }
        if (type == kRawLast) {
            const std::vector<uint8_t> packet = std::move(virtualIn_);
            virtualIn_.clear();
            handleVirtual(packet);
        }
        return;
    case kRawAck:
        if (data.size() != 2 || data[0] != 0xE0 || data[1] != 0x00)
            fault("an acknowledgement that is not E0 00");
        if (!awaitingAck_) {
            fault("an acknowledgement nothing called for");
            return;
        }
        awaitingAck_ = false;
        if (endsScreen_)
            ++screensSent_;
        endsScreen_ = false;
        return;
    default:
        fault("a raw packet of type " + std::to_string(type) + " from the host");
    }
}

void DirectCalculator::handleVirtual(const std::vector<uint8_t> &packet)
{
    if (packet.size() < kVirtualHeaderBytes || big32(packet.data()) != packet.size() - kVirtualHeaderBytes) {
        fault("a virtual packet whose length does not match the " + std::to_string(packet.size()) +
              " bytes that came");
        return;
    }
    const uint16_t type = big16(&packet[4]);
    const std::vector<uint8_t> data(packet.begin() + kVirtualHeaderBytes, packet.end());
    switch (type) {
    case kVirtualSetMode:
        modeSet_ = true;
        for (int i = 0; i < behaviour_.modeDelayAcks; ++i)
            queueVirtual(kVirtualDelayAck, {0x00, 0x01, 0xD4, 0xC0});
        queueVirtual(kVirtualModeAck, {0x00, 0x00, 0x07, 0xD0});
        return;
    case kVirtualParameterRequest:
        ++requests_;
        answerParameterRequest(data);
        return;
    default:
        fault("a virtual packet of type " + hex4(type) + " from the host");
    }
}

void DirectCalculator::answerParameterRequest(const std::vector<uint8_t> &data)
{
    const auto error = [this](uint16_t code) {
        std::vector<uint8_t> bytes;
        put16(bytes, code);
        queueVirtual(kVirtualError, bytes);
    };
    if (!modeSet_)
        return error(kErrorNotInMode);
    if (behaviour_.errorCode)
        return error(behaviour_.errorCode);
    if (data.size() != 4 || big16(data.data()) != 1 || big16(&data[2]) != kScreenParameterId)
        return error(kErrorNoParameter);

    for (int i = 0; i < behaviour_.delayAcks; ++i)
        queueVirtual(kVirtualDelayAck, {0x00, 0x01, 0xD4, 0xC0});

    std::vector<uint8_t> answer;
    put16(answer, 1);
    put16(answer, kScreenParameterId);
    answer.push_back(behaviour_.invalid ? 0x01 : 0x00);
    put16(answer, uint16_t(behaviour_.valueSize));
    for (size_t i = 0; i < behaviour_.valueSize; ++i)
        answer.push_back(i < behaviour_.screen.size() ? behaviour_.screen[i] : 0);
    queueVirtual(kVirtualParameterData, answer, behaviour_.late, true);
}

void DirectCalculator::queueVirtual(uint16_t type, const std::vector<uint8_t> &data, std::chrono::milliseconds pause,
                                    bool isScreen)
{
    std::vector<uint8_t> bytes;
    put32(bytes, uint32_t(data.size()));
    put16(bytes, type);
    bytes.insert(bytes.end(), data.begin(), data.end());

    const size_t part = std::max<uint32_t>(behaviour_.partSize ? behaviour_.partSize : agreed_, 1);
    for (size_t at = 0; at < bytes.size(); at += part) {
        const size_t count = std::min(part, bytes.size() - at);
        const bool last = at + count == bytes.size();
        Queued queued;
        queued.send.pause = at == 0 ? pause : std::chrono::milliseconds(0);
        queued.send.bytes = raw(last ? kRawLast : kRawMore, bytes.data() + at, count);
        queued.needsAck = true;
        queued.endsScreen = isScreen && last;
        if (isScreen && behaviour_.cutShort) {
            // The first part goes out half sent; the rest never does.
            queued.send.bytes.resize(kRawHeaderBytes + count / 2);
            queued.endsScreen = false;
            queue_.push_back(std::move(queued));
            return;
        }
        queue_.push_back(std::move(queued));
    }
}

void DirectCalculator::queueRaw(uint8_t type, const std::vector<uint8_t> &data)
{
    Queued queued;
    queued.send.bytes = raw(type, data.data(), data.size());
    queue_.push_back(std::move(queued));
}

void DirectCalculator::pump(std::vector<Send> &out)
{
    while (!queue_.empty() && !awaitingAck_) {
        Queued next = std::move(queue_.front());
        queue_.pop_front();
        awaitingAck_ = next.needsAck;
        endsScreen_ = next.endsScreen;
        out.push_back(std::move(next.send));
    }
}
