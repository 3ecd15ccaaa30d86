#pragma once

#include <QByteArray>
#include <QString>

#include <cmath>
#include <cstdint>
#include <optional>

#include "linkchoice.h"

// The file that holds the six remembered choices, Ekrano.conf: an INI text
// whose [settings] section holds them as key=value lines, as QSettings
// writes plain texts. Qt Core only, so that every program that reads the
// choices reads them the same way.
namespace settingsfile {

// The zoom as HScroll1 and the stored "scrollbar" hold it, the scroll value:
// ten times the zoom factor, which is the side of one calculator pixel in
// screen pixels. The window starts at kStartingScrollValue; its bar goes
// from 0 to kLargestScrollValue, and a zoom that is stored or given on the
// command line from kSmallestScrollValue to kLargestScrollValue.
inline constexpr int kStartingScrollValue = 30;
inline constexpr int kSmallestScrollValue = 1, kLargestScrollValue = 50;
inline double zoomFactorOf(int scrollValue) { return scrollValue / 10.0; }
// The nearest scroll value of a zoom factor.
inline int scrollValueOf(double zoomFactor) { return int(std::lround(zoomFactor * 10)); }

// The six choices, as the window saves them under the keys "port" and
// "cable" (the link), "border", "forecolor", "backcolor" and "scrollbar",
// and as every program applies them at start: each stored text read as the
// number at its start and rounded (storedvalue.h); a value the program never
// writes (a port other than 1 to 4, a cable other than 0 to 2, a border
// other than 0 or 1, a scroll value other than 1 to 50, a colour outside 0
// to 16777215, or no number at all) taken as absent. Absent, the port is
// COM1, the cable Black, no border, the starting zoom, a black foreground
// and a black background; and a background equal to the foreground becomes
// white, or black when both are white, so that the picture never vanishes.
struct Choices {
    calclink::LinkChoice link; // its USB device is only ever chosen on the command line
    int border = 0, scrollbar = kStartingScrollValue;
    int32_t forecolor = 0, backcolor = 0xFFFFFF;
    bool operator==(const Choices &) const = default;
};

// A settings file larger than this is damaged: the program's own is a
// hundred bytes or so.
inline constexpr qint64 kLargest = 1 << 20;

// files::ekranoFolder()/Ekrano.conf, beside the port links.
QString path();

// The text of `key` in the [settings] section of an INI text, from the key's
// last line; empty when it has none. A value loses its blanks at either end,
// not those in double quotes; a backslash escapes the character after it
// (C's letters give their control characters); a ';' outside quotes starts a
// comment. QSettings' other forms are not read: "1, 2" is no list,
// "@String(1)", "\x31", "\061" are not 1.
QString storedText(const QByteArray &text, QByteArrayView key);

// The choices that the [settings] section of an INI text holds, applied.
Choices parse(const QByteArray &text);

// `text` with its [settings] section holding `choices`, each as a decimal
// number: every line of a key gets the new value (a comment after it
// stays); a missing key goes under the last [settings] header, or under a
// new one at the end. Every other line stays as it was. Nothing if the new
// text would not read back so, with every other key line as it was, in the
// same order.
std::optional<QByteArray> merged(const QByteArray &text, const Choices &choices);

// The choices of path()'s [settings] section, applied. No file means nothing
// stored. A file that cannot be read, is not a regular file (or a link to
// one) or is larger than kLargest gives the defaults too, and one line on
// stderr that names it and says why; `refused`, where given, is set to the
// reason. Never blocks on a named pipe or a device: only a regular file is
// opened for reading. Needs no other file or folder than this one.
Choices read(QString *refused = nullptr);

// Stores `choices` in path() as merged() does. The file is replaced whole,
// through a temporary file beside it, once every byte of the new one is
// written; a link to a regular file stays a link and its target is
// replaced. Returns the empty text, or one sentence that names the file and
// the reason, the file being as it was: one that cannot be read, is not a
// regular file or a link to one, or would grow past kLargest, is never
// written; nor one read() refused at the start (`refusedAtStart`, its
// reason), whose settings the program never saw.
QString write(const Choices &choices, const QString &refusedAtStart = {});

} // namespace settingsfile
