#pragma once

#include <QCoreApplication>
#include <QString>

#include <map>

// The names given to the calculators of Ekrano Live's grid ("Table 3",
// "Ana"), one a place where a calculator is plugged in ("COM1",
// "USB-1-1.3"), kept across runs in names.conf in the user's configuration
// folder: UTF-8 text, one "place=name" line a place, '#' lines comments.
// Written whole through the safe file writer; a file that cannot be read or
// is damaged is never written over, so that no name is lost.
class TileNames {
    Q_DECLARE_TR_FUNCTIONS(TileNames)

public:
    // A names file larger than this is damaged: a class's names take a few kilobytes.
    static constexpr qint64 kLargest = 64 * 1024;
    // The longest name kept, in characters.
    static constexpr int kLongest = 60;

    // Reads `file` (path() when not given); see problem().
    explicit TileNames(QString file = path());

    // files::ekranoFolder()/names.conf.
    static QString path();
    // A name as it is kept: no control characters, blanks run together and
    // trimmed, at most kLongest characters.
    static QString cleaned(const QString &name);

    // The name of `place`; empty when it has none.
    QString of(const QString &place) const;
    // Names `place` (an empty name takes its name away) and writes the file
    // anew, with what another program wrote there meanwhile. The name holds
    // for this run either way. Returns the empty text, or one sentence that
    // names the file and says why it was not written.
    QString name(const QString &place, const QString &name);
    // Why the file could not be read when it was, naming it; empty when it was read whole or was not there.
    QString problem() const { return problem_; }

private:
    // The names in `file` into `names`: the empty text, or why it could not be read whole.
    static QString read(const QString &file, std::map<QString, QString> &names);

    QString file_;
    std::map<QString, QString> names_;
    QString problem_;
};
