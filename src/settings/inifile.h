#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <QString>

#include <utility>
#include <vector>

// The INI text of a settings file, read and written in memory the way
// QSettings (IniFormat) reads and writes it, so that a file written by
// either reads the same in both. QSettings itself only works on files by
// their names: it would need a copy of the text in the folder for temporary
// files for every read and every save.
namespace inifile {

// The section and the keys named here are plain words.

// A text read once, for the values of the keys `names` of [section] and,
// `withOtherKeys`, for every other key line. The text must outlive it.
class Reading {
public:
    Reading(QByteArrayView text, QLatin1StringView section, const QList<QLatin1StringView> &names,
            bool withOtherKeys = false);

    // The value of each name: the last one written, as in QSettings, or empty
    // where it is not there; read as QSettings reads it, as text (a list of
    // values, "a, b", joined by commas; a value of one of QSettings' types,
    // "@Rect(...)", empty). Sections and keys are unescaped as QSettings
    // names them, [General] and the lines before any header counting as the
    // section "". Lines QSettings cannot read (no '=', an unclosed quote or
    // header) are passed over as it passes them over.
    const QStringList &values() const { return values_; }

    // Whether every other key line reads the same in both (read with
    // `withOtherKeys`), in the same order.
    bool sameOtherKeys(const Reading &other) const;

private:
    struct Written { // a key line as it stands in the text
        QString section;
        QByteArrayView key, value;
    };
    QStringList values_;
    std::vector<Written> others_;
};

// `text` with the keys of [section] set to `values`: a key already there
// gets its new value where it stands (written twice, its earlier lines go),
// a new one goes under the section's last header, or under a new header at
// the end. Every other byte of the text is kept, comments and the form of
// other values among them. The values are escaped as QSettings escapes them.
QByteArray write(QByteArrayView text, QLatin1StringView section,
                 const std::vector<std::pair<QLatin1StringView, QString>> &values);

} // namespace inifile
