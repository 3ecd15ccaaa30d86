// ekrano-gadget: a calculator on a USB device controller, for the test that
// runs the kernel's own USB stack in a virtual machine. Through FunctionFS
// it plays the USB link cable, its bytes bridged to the simulated calculator
// on a pseudo-terminal, or a calculator on its own USB port, driven by the
// simulated one's state machine, so that the host side (libusb, the
// kernel's USB core and the controller) is the real one. It also writes and
// checks the test card that the cases serve.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <QImage>

#include <endian.h>
#include <fcntl.h>
#include <linux/usb/ch9.h>
#include <linux/usb/functionfs.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include "calcsimulator.h"
#include "directcalculator.h"

namespace {

constexpr const char *kUsage = R"(Usage:
  ekrano-gadget card FILE      write the test card as a 96 x 64 PNG
  ekrano-gadget same FILE      exit 0 when the PNG FILE shows the test card
                               exactly, 1 with the pixels that differ
  ekrano-gadget link|direct FFS UDCFILE UDC [OPTION]...
      play the USB link cable (link: 0451:E001, 32-byte packets) or a
      calculator on its own USB port (direct: 64-byte packets) serving the
      test card: write the descriptors into the FunctionFS mounted at FFS,
      then bind the gadget by writing the controller's name UDC into the
      gadget's UDCFILE. Ends, unbound, on SIGTERM or SIGINT.
  --late MS          answer the screen request after MS milliseconds
  --silent           never answer
  --unplug-after N   unbind the gadget once N bytes have gone to the host
  --delay-acks N     (direct) N delay acknowledgements before the screen
  --allocation N     (direct) the largest raw packet data it agrees to
  --error CODE       (direct) answer the screen request with this error code
  --stale            (direct) offer first the part of a screen that a host
                     which went away in the middle of it left unread
)";

// A screen whose every byte differs from its neighbours, and the three
// runs of 256 bytes from each other, so that a byte out of place, lost or
// repeated shows in the picture.
calclink::Bitmap testCard()
{
    calclink::Bitmap card;
    for (size_t i = 0; i < card.size(); ++i)
        card[i] = uint8_t(i * 73 + i / 256 * 29 + 5);
    return card;
}

int writeCard(const char *file)
{
    const calclink::Bitmap card = testCard();
    QImage image(calclink::kScreenWidth, calclink::kScreenHeight, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, calclink::isDark(card, x, y) ? 0xFF000000u : 0xFFFFFFFFu);
    if (!image.save(QString::fromLocal8Bit(file), "png")) {
        std::fprintf(stderr, "ekrano-gadget: cannot write %s\n", file);
        return 1;
    }
    return 0;
}

int compareWithCard(const char *file)
{
    std::string error;
    const std::optional<calclink::Bitmap> screen = loadScreen(file, error);
    if (!screen) {
        std::printf("%s\n", error.c_str());
        return 1;
    }
    const calclink::Bitmap card = testCard();
    int differing = 0;
    for (int y = 0; y < calclink::kScreenHeight; ++y)
        for (int x = 0; x < calclink::kScreenWidth; ++x)
            differing += calclink::isDark(*screen, x, y) != calclink::isDark(card, x, y);
    if (differing == 0)
        return 0;
    std::printf("%d of 6144 pixels differ from the test card\n", differing);
    return 1;
}

[[noreturn]] void die(const std::string &what)
{
    std::fprintf(stderr, "ekrano-gadget: %s: %s\n", what.c_str(), std::strerror(errno));
    std::exit(1);
}

bool writeAll(int fd, const void *data, size_t size)
{
    const auto *bytes = static_cast<const uint8_t *>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= size_t(n);
    }
    return true;
}

// One interface of vendor class with a bulk IN and a bulk OUT endpoint of
// `packetSize` bytes, at full speed only, as the calculator's devices are.
// The IN endpoint comes first: the controller then gives it address 0x81,
// and the OUT endpoint 0x02 (their files are ep1 and ep2).
struct Descriptors {
    usb_functionfs_descs_head_v2 header;
    __le32 fsCount;
    usb_interface_descriptor interface;
    usb_endpoint_descriptor_no_audio in;
    usb_endpoint_descriptor_no_audio out;
} __attribute__((packed));

struct Strings {
    usb_functionfs_strings_head header;
    __le16 language;
    char name[sizeof "Ekrano test"];
} __attribute__((packed));

// The function's ep0, IN and OUT files once its descriptors are written.
struct Function {
    int ep0 = -1;
    int in = -1;
    int out = -1;
};

Function openFunction(const std::string &ffs, uint8_t subclass, uint16_t packetSize)
{
    Descriptors d{};
    d.header.magic = htole32(FUNCTIONFS_DESCRIPTORS_MAGIC_V2);
    d.header.length = htole32(sizeof d);
    d.header.flags = htole32(FUNCTIONFS_HAS_FS_DESC);
    d.fsCount = htole32(3);
    d.interface = {sizeof d.interface, USB_DT_INTERFACE, 0, 0, 2, USB_CLASS_VENDOR_SPEC, subclass, 0, 1};
    d.in = {sizeof d.in, USB_DT_ENDPOINT, USB_DIR_IN | 1, USB_ENDPOINT_XFER_BULK, htole16(packetSize), 0};
    d.out = {sizeof d.out, USB_DT_ENDPOINT, USB_DIR_OUT | 2, USB_ENDPOINT_XFER_BULK, htole16(packetSize), 0};
    Strings s{{htole32(FUNCTIONFS_STRINGS_MAGIC), htole32(sizeof s), htole32(1), htole32(1)}, htole16(0x0409),
              "Ekrano test"};

    Function f;
    if ((f.ep0 = ::open((ffs + "/ep0").c_str(), O_RDWR)) < 0)
        die(ffs + "/ep0");
    if (!writeAll(f.ep0, &d, sizeof d))
        die("the descriptors");
    if (!writeAll(f.ep0, &s, sizeof s))
        die("the strings");
    if ((f.in = ::open((ffs + "/ep1").c_str(), O_RDWR)) < 0)
        die(ffs + "/ep1");
    if ((f.out = ::open((ffs + "/ep2").c_str(), O_RDWR)) < 0)
        die(ffs + "/ep2");
    return f;
}

// Writing the controller's name binds the gadget, as plugging it in; a
// newline unbinds it, as pulling it out (an empty write changes nothing).
bool setUdc(const std::string &udcFile, const std::string &udc)
{
    const int fd = ::open(udcFile.c_str(), O_WRONLY);
    const std::string text = udc + "\n";
    const bool written = fd >= 0 && writeAll(fd, text.data(), text.size());
    if (fd >= 0)
        ::close(fd);
    return written;
}

int stopPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 0;
    [[maybe_unused]] const ssize_t n = ::write(stopPipe[1], &byte, 1);
}

// Answers ep0 until a signal: the controller and the kernel's gadget layer
// handle every standard request; anything else is refused with a stall.
// ep0 is polled before each read: a read waiting on it would hold the lock
// that unbinding the gadget needs.
void serveEp0(const Function &f)
{
    pollfd fds[2] = {{f.ep0, POLLIN, 0}, {stopPipe[0], POLLIN, 0}};
    for (;;) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            die("poll");
        }
        if (fds[1].revents)
            return;
        usb_functionfs_event event;
        if (!(fds[0].revents & POLLIN) || ::read(f.ep0, &event, sizeof event) != sizeof event)
            continue;
        if (event.type == FUNCTIONFS_SETUP) {
            if (event.u.setup.bRequestType & USB_DIR_IN)
                [[maybe_unused]] const ssize_t n = ::write(f.ep0, nullptr, 0);
            else
                [[maybe_unused]] const ssize_t n = ::read(f.ep0, nullptr, 0);
        }
    }
}

// What goes to the host through the IN endpoint, each write one bulk
// transfer. After `unplugAfter` bytes (0: never) the gadget is unbound, in
// the middle of whatever was being sent, and nothing more goes.
class ToHost {
public:
    ToHost(const Function &f, size_t unplugAfter, std::string udcFile)
        : in_(f.in), unplugAfter_(unplugAfter), udcFile_(std::move(udcFile)) {}

    // False once unplugged.
    bool send(const uint8_t *data, size_t size)
    {
        const bool unplug = unplugAfter_ > 0 && sent_ + size >= unplugAfter_;
        if (unplug)
            size = unplugAfter_ - sent_;
        if (size > 0)
            writeAll(in_, data, size);
        sent_ += size;
        if (unplug)
            setUdc(udcFile_, "");
        return !unplug;
    }

private:
    int in_;
    size_t unplugAfter_;
    std::string udcFile_;
    size_t sent_ = 0;
};

// Reads what the host sent to the OUT endpoint, waiting while the gadget is
// unbound or not yet configured.
size_t fromHost(const Function &f, std::vector<uint8_t> &buffer)
{
    for (;;) {
        const ssize_t n = ::read(f.out, buffer.data(), buffer.size());
        if (n > 0)
            return size_t(n);
        if (n < 0 && errno != EINTR)
            ::usleep(10000);
    }
}

// The link cable: the packets go unchanged between its endpoints and the
// simulated calculator's terminal.
void bridge(const Function &f, const std::string &terminal, ToHost toHost)
{
    const int tty = ::open(terminal.c_str(), O_RDWR | O_NOCTTY);
    if (tty < 0)
        die(terminal);
    termios raw;
    ::tcgetattr(tty, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(tty, TCSANOW, &raw);

    std::thread([&f, tty] {
        std::vector<uint8_t> buffer(4096);
        for (;;) {
            const size_t count = fromHost(f, buffer);
            writeAll(tty, buffer.data(), count);
        }
    }).detach();
    std::thread([tty, toHost]() mutable {
        std::vector<uint8_t> buffer(4096);
        for (;;) {
            const ssize_t n = ::read(tty, buffer.data(), buffer.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0 || !toHost.send(buffer.data(), size_t(n)))
                return;
        }
    }).detach();
}

// The direct calculator: every raw packet it sends is one bulk transfer,
// cut into 64-byte USB packets by the controller, with no zero-length
// packet after one that ends on a whole USB packet.
void serveDirect(const Function &f, DirectCalculator::Behaviour behaviour, bool stale, ToHost toHost)
{
    std::thread([&f, behaviour, stale, toHost]() mutable {
        DirectCalculator calculator(behaviour);
        // Waits, as the calculator's does, until a host reads it.
        if (stale) {
            const std::vector<uint8_t> part = DirectCalculator::abandonedScreenPart(behaviour);
            if (!toHost.send(part.data(), part.size()))
                return;
        }
        std::vector<uint8_t> buffer(4096);
        for (;;) {
            const size_t count = fromHost(f, buffer);
            for (const DirectCalculator::Send &send : calculator.feed(buffer.data(), count)) {
                std::this_thread::sleep_for(send.pause);
                if (!toHost.send(send.bytes.data(), send.bytes.size()))
                    return;
            }
        }
    }).detach();
}

long number(const char *text)
{
    char *end = nullptr;
    const long value = std::strtol(text, &end, 0);
    if (*text == '\0' || *end != '\0' || value < 0) {
        std::fprintf(stderr, "ekrano-gadget: not a number: %s\n%s", text, kUsage);
        std::exit(2);
    }
    return value;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "card" && argc == 3)
        return writeCard(argv[2]);
    if (command == "same" && argc == 3)
        return compareWithCard(argv[2]);
    const bool direct = command == "direct";
    if ((command != "link" && !direct) || argc < 5) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string ffs = argv[2], udcFile = argv[3], udc = argv[4];
    Fault fault = Fault::None;
    DirectCalculator::Behaviour behaviour;
    behaviour.screen = testCard();
    size_t unplugAfter = 0;
    bool stale = false;
    for (int i = 5; i < argc; ++i) {
        const std::string option = argv[i];
        const bool valued = i + 1 < argc;
        if (option == "--silent") {
            fault = Fault::Silent;
            behaviour.silent = true;
        } else if (option == "--late" && valued) {
            fault = Fault::Late;
            behaviour.late = std::chrono::milliseconds(number(argv[++i]));
        } else if (option == "--unplug-after" && valued) {
            unplugAfter = size_t(number(argv[++i]));
        } else if (option == "--delay-acks" && valued && direct) {
            behaviour.delayAcks = int(number(argv[++i]));
        } else if (option == "--allocation" && valued && direct) {
            behaviour.allocation = uint32_t(number(argv[++i]));
        } else if (option == "--error" && valued && direct) {
            behaviour.errorCode = uint16_t(number(argv[++i]));
        } else if (option == "--stale" && direct) {
            stale = true;
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }

    if (::pipe(stopPipe) != 0)
        die("pipe");
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);

    std::optional<CalcSimulator> calculator; // the link cable's, for as long as the gadget runs
    Function function;
    if (direct) {
        function = openFunction(ffs, 1, 64);
        serveDirect(function, behaviour, stale, ToHost(function, unplugAfter, udcFile));
    } else {
        calculator.emplace(testCard());
        calculator->setFault(fault, behaviour.late);
        calculator->start();
        function = openFunction(ffs, 0, 32);
        bridge(function, calculator->path(), ToHost(function, unplugAfter, udcFile));
    }
    if (!setUdc(udcFile, udc))
        die(udcFile);
    std::printf("ekrano-gadget: bound to %s\n", udc.c_str());
    std::fflush(stdout);
    serveEp0(function);
    setUdc(udcFile, "");
    std::_Exit(0); // the bridging threads wait in reads that only ending the process stops
}
