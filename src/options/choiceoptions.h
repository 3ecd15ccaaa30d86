#pragma once

#include <QCommandLineParser>
#include <QString>

#include <optional>

#include "settingsfile.h"

// The command-line options that change the stored choices for one run:
// ekrano-capture takes them all, ekrano-live the link's and the colours.
namespace choiceoptions {

enum Group {
    Link = 1,    // --port COMn|USBn|USB-1-1.3, --cable black|gray|usb
    Picture = 2, // --zoom F, --border, --no-border
    Colours = 4, // --foreground #rrggbb, --background #rrggbb
};

// Adds the options of `groups` (Group values or'ed together) to `parser`.
void add(QCommandLineParser &parser, int groups);

// `choices` with the options of `groups` that were given over them; a
// sentence that says which option is wrong and why, or nothing.
std::optional<QString> apply(const QCommandLineParser &parser, int groups, settingsfile::Choices &choices);

} // namespace choiceoptions
