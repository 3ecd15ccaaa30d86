#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <utility>
#include <vector>

// The INI text of a settings file, read and written in memory the way
// QSettings (IniFormat) reads and writes it, so that a file written by
// either reads the same in both. QSettings itself only works on files by
// their names: it would need a copy of the text in the folder for temporary
// files for every read and every save.
namespace inifile {

// A key of a section, both unescaped as QSettings names them: the section as
// its header names it ("" before any header and in [General]), the key as it
// stands before the '='.
using Key = std::pair<QString, QString>;

// Every key of `text` with its value as text: a list of values ("a, b")
// joined by commas, a value of one of QSettings' types ("@Rect(...)") empty.
// A key written twice counts once, with its last value, as in QSettings.
// Lines QSettings cannot read (no '=', an unclosed quote or header) are
// passed over as it passes them over.
QHash<Key, QString> read(QByteArrayView text);

// The keys of [section] alone, by name, read the same way.
QHash<QString, QString> read(QByteArrayView text, const QString &section);

// `text` with the keys of [section] set to `values`: a key already there
// gets its new value where it stands (written twice, its earlier lines go),
// a new one goes under the section's last header, or under a new header at
// the end. Every other byte of the text is kept, comments and the form of
// other values among them. `section` and the keys are plain words, so they
// need no escaping; the values are escaped as QSettings escapes them.
QByteArray write(QByteArrayView text, const QString &section,
                 const std::vector<std::pair<QString, QString>> &values);

} // namespace inifile
