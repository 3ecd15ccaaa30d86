#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fstream>
#include <vector>

#include <libusb.h>

#include "usbcable.h"
#include "usbkind.h"

namespace calclink {

namespace {

constexpr int kConfiguration = 1;
constexpr int kInterface = 0;

int errnoOf(int usbError)
{
    switch (usbError) {
    case LIBUSB_ERROR_IO: return EIO;
    case LIBUSB_ERROR_INVALID_PARAM: return EINVAL;
    case LIBUSB_ERROR_ACCESS: return EACCES;
    case LIBUSB_ERROR_NO_DEVICE: return ENODEV;
    case LIBUSB_ERROR_NOT_FOUND: return ENOENT;
    case LIBUSB_ERROR_BUSY: return EBUSY;
    case LIBUSB_ERROR_TIMEOUT: return ETIMEDOUT;
    case LIBUSB_ERROR_OVERFLOW: return EOVERFLOW;
    case LIBUSB_ERROR_PIPE: return EPIPE;
    case LIBUSB_ERROR_INTERRUPTED: return EINTR;
    case LIBUSB_ERROR_NO_MEM: return ENOMEM;
    case LIBUSB_ERROR_NOT_SUPPORTED: return EOPNOTSUPP;
    default: return EIO;
    }
}

struct ContextDeleter {
    void operator()(libusb_context *context) const { libusb_exit(context); }
};
struct HandleDeleter {
    void operator()(libusb_device_handle *handle) const { libusb_close(handle); }
};
using ContextPtr = std::unique_ptr<libusb_context, ContextDeleter>;
using HandlePtr = std::unique_ptr<libusb_device_handle, HandleDeleter>;

class LibusbCable : public UsbCable {
public:
    LibusbCable(ContextPtr context, HandlePtr handle, std::string path, size_t packetSize, UsbKind kind,
                std::string product)
        : context_(std::move(context)), handle_(std::move(handle)), path_(std::move(path)), packetSize_(packetSize),
          kind_(kind), product_(std::move(product))
    {
    }

    // The handle closes before the context ends (member order). Releasing
    // fails harmlessly when the cable is gone; the kernel driver, if one was
    // detached, is attached again by the release.
    ~LibusbCable() override { libusb_release_interface(handle_.get(), kInterface); }

    std::string path() const override { return path_; }
    size_t packetSize() const override { return packetSize_; }
    UsbKind kind() const override { return kind_; }
    std::string product() const override { return product_; }

    UsbTransfer bulkWrite(const uint8_t *data, size_t size, Millis timeout) override
    {
        return transfer(kUsbEndpointOut, const_cast<uint8_t *>(data), size, timeout);
    }
    UsbTransfer bulkRead(uint8_t *buffer, size_t size, Millis timeout) override
    {
        return transfer(kUsbEndpointIn, buffer, size, timeout);
    }

private:
    UsbTransfer transfer(unsigned char endpoint, uint8_t *data, size_t size, Millis timeout)
    {
        const auto ms = static_cast<unsigned>(std::clamp<Millis::rep>(timeout.count(), 1, INT_MAX));
        int done = 0;
        const int rc = libusb_bulk_transfer(handle_.get(), endpoint, data, int(std::min<size_t>(size, INT_MAX)),
                                            &done, ms);
        UsbTransfer result;
        result.count = size_t(std::max(done, 0));
        result.libusbStatus = libusb_error_name(rc);
        if (rc == LIBUSB_ERROR_TIMEOUT)
            result.status = UsbTransfer::TimedOut;
        else if (rc == LIBUSB_ERROR_NO_DEVICE)
            result.status = UsbTransfer::NoDevice;
        else if (rc < 0) {
            result.status = UsbTransfer::Failed;
            result.error = errnoOf(rc);
        }
        return result;
    }

    ContextPtr context_;
    HandlePtr handle_;
    std::string path_;
    size_t packetSize_;
    UsbKind kind_;
    std::string product_;
};

struct Found {
    libusb_device *device;
    std::vector<uint8_t> place; // bus, then the port numbers down to the device
    UsbKind kind;
};

// Where the device is plugged in, as sysfs names it (bus 1, ports 2 and 3: 1-2.3).
std::string portPathOf(const Found &found)
{
    return usbPortPathOf(found.place[0], std::vector<uint8_t>(found.place.begin() + 1, found.place.end()));
}

// The product string the kernel read from the device when it was plugged
// in, from its folder in sysfs, named after its port path: no transfer to
// the device, and no permission on it needed.
std::string sysfsProduct(const Found &found)
{
    const std::string name = portPathOf(found);
    if (name.empty())
        return {};
    std::string product;
    std::getline(std::ifstream("/sys/bus/usb/devices/" + name + "/product"), product);
    return product;
}

// The product string of an opened device: the kernel's copy, or where
// there is none (no sysfs), the device's own string descriptor.
std::string productOf(const Found &found, libusb_device_handle *handle)
{
    if (std::string product = sysfsProduct(found); !product.empty())
        return product;
    libusb_device_descriptor descriptor{};
    unsigned char text[256];
    if (libusb_get_device_descriptor(found.device, &descriptor) < 0 || descriptor.iProduct == 0)
        return {};
    const int length = libusb_get_string_descriptor_ascii(handle, descriptor.iProduct, text, sizeof text - 1);
    return length > 0 ? std::string(reinterpret_cast<const char *>(text), size_t(length)) : std::string();
}

using DeviceList = std::unique_ptr<libusb_device *, void (*)(libusb_device **)>;

// The cables present, and the USB library's context and list that hold them
// (the list goes first, while the context lives).
struct Cables {
    ContextPtr context;
    DeviceList list{nullptr, [](libusb_device **l) { libusb_free_device_list(l, 1); }};
    std::vector<Found> found; // every device of the family, the unreadable among them
    std::string failure; // the USB library's words, when USB cannot be used

    // The devices \\.\UsbN counts, in order.
    std::vector<const Found *> readable() const
    {
        std::vector<const Found *> devices;
        for (const Found &device : found)
            if (device.kind != UsbKind::Unreadable)
                devices.push_back(&device);
        return devices;
    }
};

// Looks for the cables and the calculators on their own port without opening
// any, both kinds in one stable order: the bus's own order can change from
// one plug-in to the next, the place of the device on the bus does not, so
// \\.\Usb1 stays the same device.
Cables findCables()
{
    Cables cables;
    libusb_context *rawContext = nullptr;
    if (const int rc = libusb_init(&rawContext); rc < 0) {
        cables.failure = libusb_strerror(rc);
        return cables;
    }
    cables.context.reset(rawContext);
    libusb_device **list = nullptr;
    const ssize_t count = libusb_get_device_list(rawContext, &list);
    if (count < 0) {
        cables.failure = libusb_strerror(int(count));
        return cables;
    }
    cables.list.reset(list);
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device_descriptor descriptor{};
        if (libusb_get_device_descriptor(list[i], &descriptor) < 0)
            continue;
        const std::optional<UsbKind> kind = usbKindOf(descriptor.idVendor, descriptor.idProduct);
        if (!kind)
            continue;
        Found found{list[i], {libusb_get_bus_number(list[i])}, *kind};
        uint8_t ports[8];
        const int depth = libusb_get_port_numbers(list[i], ports, sizeof ports);
        found.place.insert(found.place.end(), ports, ports + std::max(depth, 0));
        cables.found.push_back(std::move(found));
    }
    std::sort(cables.found.begin(), cables.found.end(),
              [](const Found &a, const Found &b) { return a.place < b.place; });
    return cables;
}

std::string nodeOf(libusb_device *device)
{
    char path[40];
    std::snprintf(path, sizeof path, "/dev/bus/usb/%03u/%03u", libusb_get_bus_number(device),
                  libusb_get_device_address(device));
    return path;
}

UsbOpening failure(int usbError, std::string path = {})
{
    UsbOpening opening;
    opening.status = UsbOpening::Failed;
    opening.error = errnoOf(usbError);
    opening.path = std::move(path);
    return opening;
}

} // namespace

std::optional<std::vector<UsbCablePlace>> listLibusbCables(std::string &reason)
{
    const Cables cables = findCables();
    if (!cables.failure.empty()) {
        reason = cables.failure;
        return std::nullopt;
    }
    std::vector<UsbCablePlace> places;
    for (const Found &found : cables.found)
        places.push_back({libusb_get_bus_number(found.device), libusb_get_device_address(found.device),
                          nodeOf(found.device), found.kind, sysfsProduct(found), portPathOf(found)});
    return places;
}

UsbOpening openLibusbCable(const UsbDevice &wanted)
{
    Cables cables = findCables();
    if (!cables.failure.empty()) {
        UsbOpening opening;
        opening.status = UsbOpening::NoUsb;
        opening.reason = cables.failure;
        return opening;
    }
    const std::vector<const Found *> readable = cables.readable();
    const Found *wantedOne = nullptr;
    if (!wanted.portPath.empty()) {
        for (const Found &found : cables.found)
            if (portPathOf(found) == wanted.portPath)
                wantedOne = &found;
    } else if (wanted.number >= 0 && size_t(wanted.number) < readable.size()) {
        wantedOne = readable[size_t(wanted.number)];
    }
    if (!wantedOne || wantedOne->kind == UsbKind::Unreadable) {
        UsbOpening opening;
        opening.status = UsbOpening::NotFound;
        // A colour model at the place asked for is that place's answer; asked
        // by number, the colour models plugged in anywhere say why none counts.
        opening.found = wantedOne ? 0 : int(readable.size());
        for (const Found &found : cables.found)
            if (found.kind == UsbKind::Unreadable && (wantedOne ? &found == wantedOne : wanted.portPath.empty()))
                opening.unreadable.push_back(sysfsProduct(found));
        return opening;
    }

    const Found &chosen = *wantedOne;
    libusb_device *device = chosen.device;
    const UsbKind kind = chosen.kind;
    const std::string path = nodeOf(device);

    const int packet = libusb_get_max_packet_size(device, kUsbEndpointIn);

    libusb_device_handle *rawHandle = nullptr;
    if (const int rc = libusb_open(device, &rawHandle); rc < 0)
        return failure(rc, path);
    HandlePtr handle(rawHandle);
    const std::string product = productOf(chosen, rawHandle);
    // The handle holds the device; the list has to go while the context lives.
    cables.list.reset();

    // Not supported on every system; where it is not, there is no driver to detach.
    libusb_set_auto_detach_kernel_driver(handle.get(), 1);
    int configuration = 0;
    if (const int rc = libusb_get_configuration(handle.get(), &configuration); rc < 0)
        return failure(rc, path);
    // Setting the configuration already in use would reset the cable, so only when it differs.
    if (configuration != kConfiguration) {
        if (const int rc = libusb_set_configuration(handle.get(), kConfiguration); rc < 0)
            return failure(rc, path);
    }
    if (const int rc = libusb_claim_interface(handle.get(), kInterface); rc < 0)
        return failure(rc, path);

    auto cable = std::make_unique<LibusbCable>(std::move(cables.context), std::move(handle), path,
                                               packet > 0 ? size_t(packet) : kind == UsbKind::Calculator ? 64 : 32,
                                               kind, product);
    // From here on the cable object releases the interface on every return.
    for (const unsigned char endpoint : {kUsbEndpointOut, kUsbEndpointIn}) {
        if (const int rc = libusb_clear_halt(rawHandle, endpoint); rc < 0)
            return failure(rc, path);
    }
    UsbOpening opening;
    opening.status = UsbOpening::Opened;
    opening.cable = std::move(cable);
    return opening;
}

} // namespace calclink
