#include "choiceoptions.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "raster.h"

namespace choiceoptions {

namespace {

// The options' texts, in the user's language.
struct Options {
    Q_DECLARE_TR_FUNCTIONS(choiceoptions)
};

// The zoom 0.1 to 5 in steps of 0.1, as its scroll value, or nothing.
std::optional<int> zoomOf(const QString &text)
{
    static const QRegularExpression form(QRegularExpression::anchoredPattern("[0-9](\\.[0-9])?|\\.[0-9]"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    const int value = settingsfile::scrollValueOf(text.toDouble());
    return value >= settingsfile::kSmallestScrollValue && value <= settingsfile::kLargestScrollValue
               ? std::optional(value)
               : std::nullopt;
}

// A colour "#rrggbb" as the colour value, or nothing.
std::optional<raster::Colour> colourOf(const QString &text)
{
    static const QRegularExpression form(QRegularExpression::anchoredPattern("#[0-9A-Fa-f]{6}"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    const int hex = text.sliced(1).toInt(nullptr, 16);
    return raster::rgb(hex >> 16, (hex >> 8) & 0xFF, hex & 0xFF);
}

} // namespace

void add(QCommandLineParser &parser, int groups)
{
    if (groups & Link)
        parser.addOptions({
            {"port",
             Options::tr("The serial port: COM1 to COM4; or, with the USB cable, the USB device: USB0 (the first), "
                         "USB1 ..., link cables and calculators on their own USB port counted together, or where it "
                         "is plugged in, as --list shows it: USB-1-1.3."),
             Options::tr("port")},
            {"cable", Options::tr("The cable: black, gray or usb."), Options::tr("cable")},
        });
    if (groups & Picture)
        parser.addOptions({
            {"zoom", Options::tr("The side of a calculator pixel in screen pixels: 0.1 to 5, in steps of 0.1."),
             Options::tr("factor")},
            {"border", Options::tr("Draw the frame.")},
            {"no-border", Options::tr("Draw no frame.")},
        });
    if (groups & Colours)
        parser.addOptions({
            {"foreground", Options::tr("The colour of the dark pixels and the frame."), "#rrggbb"},
            {"background", Options::tr("The colour behind them."), "#rrggbb"},
        });
}

std::optional<QString> apply(const QCommandLineParser &parser, int groups, settingsfile::Choices &choices)
{
    if (groups & Link) {
        const auto given = [&](const char *name) {
            return parser.isSet(name) ? std::optional(parser.value(name).toStdString()) : std::nullopt;
        };
        using Fault = calclink::LinkChoice::OptionFault;
        switch (choices.link.takeOptions(given("port"), given("cable"))) {
        case Fault::UsbNumber:
            return Options::tr("--port takes USB0 to USB99 for a USB device, not '%1'").arg(parser.value("port"));
        case Fault::Port:
            return Options::tr("--port takes COM1, COM2, COM3 or COM4, or with the USB cable USB0, USB1 ... or where "
                               "the device is plugged in, as USB-1-1.3, not '%1'")
                .arg(parser.value("port"));
        case Fault::Cable:
            return Options::tr("--cable takes black, gray or usb, not '%1'").arg(parser.value("cable"));
        case Fault::UsbPortWithSerialCable:
            return Options::tr("--port %1 is a USB device, for the USB cable (--cable usb)").arg(parser.value("port"));
        case Fault::None:
            break;
        }
    }
    if (groups & Picture) {
        if (parser.isSet("zoom")) {
            const std::optional<int> value = zoomOf(parser.value("zoom"));
            if (!value)
                return Options::tr("--zoom takes 0.1 to 5 in steps of 0.1, not '%1'").arg(parser.value("zoom"));
            choices.scrollbar = *value;
        }
        if (parser.isSet("border") && parser.isSet("no-border"))
            return Options::tr("--border and --no-border exclude each other");
        if (parser.isSet("border") || parser.isSet("no-border"))
            choices.border = parser.isSet("border");
    }
    if (groups & Colours) {
        for (const auto &[name, colour] : {std::pair{"foreground", &choices.forecolor}, {"background", &choices.backcolor}}) {
            if (!parser.isSet(name))
                continue;
            const std::optional<raster::Colour> value = colourOf(parser.value(name));
            if (!value)
                return Options::tr("--%1 takes a colour as #rrggbb, not '%2'").arg(name, parser.value(name));
            *colour = *value;
        }
    }
    return std::nullopt;
}

} // namespace choiceoptions
