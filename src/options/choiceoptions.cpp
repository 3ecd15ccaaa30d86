#include "choiceoptions.h"

#include <QRegularExpression>

#include "raster.h"

namespace choiceoptions {

namespace {

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
            {"port", "The serial port: COM1 to COM4; or, with the USB cable, the USB device: USB0 (the first), "
                     "USB1 ..., link cables and calculators on their own USB port counted together.", "port"},
            {"cable", "The cable: black, gray or usb.", "cable"},
        });
    if (groups & Picture)
        parser.addOptions({
            {"zoom", "The side of a calculator pixel in screen pixels: 0.1 to 5, in steps of 0.1.", "factor"},
            {"border", "Draw the frame."},
            {"no-border", "Draw no frame."},
        });
    if (groups & Colours)
        parser.addOptions({
            {"foreground", "The colour of the dark pixels and the frame.", "#rrggbb"},
            {"background", "The colour behind them.", "#rrggbb"},
        });
}

std::optional<QString> apply(const QCommandLineParser &parser, int groups, settingsfile::Choices &choices)
{
    if (groups & Link) {
        const auto given = [&](const char *name) {
            return parser.isSet(name) ? std::optional(parser.value(name).toStdString()) : std::nullopt;
        };
        if (const std::string wrong = choices.link.takeOptions(given("port"), given("cable")); !wrong.empty())
            return QString::fromStdString(wrong);
    }
    if (groups & Picture) {
        if (parser.isSet("zoom")) {
            const std::optional<int> value = zoomOf(parser.value("zoom"));
            if (!value)
                return QString("--zoom takes 0.1 to 5 in steps of 0.1, not '%1'").arg(parser.value("zoom"));
            choices.scrollbar = *value;
        }
        if (parser.isSet("border") && parser.isSet("no-border"))
            return QString("--border and --no-border exclude each other");
        if (parser.isSet("border") || parser.isSet("no-border"))
            choices.border = parser.isSet("border");
    }
    if (groups & Colours) {
        for (const auto &[name, colour] : {std::pair{"foreground", &choices.forecolor}, {"background", &choices.backcolor}}) {
            if (!parser.isSet(name))
                continue;
            const std::optional<raster::Colour> value = colourOf(parser.value(name));
            if (!value)
                return QString("--%1 takes a colour as #rrggbb, not '%2'").arg(name, parser.value(name));
            *colour = *value;
        }
    }
    return std::nullopt;
}

} // namespace choiceoptions
