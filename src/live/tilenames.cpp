#include "tilenames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include "configfolder.h"
#include "wholefile.h"

namespace {

// A place as the link names it: letters, digits, '-' and '.'.
bool isPlace(const QString &text)
{
    static const QRegularExpression place("^[A-Za-z0-9.-]+$");
    return place.match(text).hasMatch();
}

// `place` named `name` in `names`; an empty name takes its name away.
void give(std::map<QString, QString> &names, const QString &place, const QString &name)
{
    if (name.isEmpty())
        names.erase(place);
    else
        names[place] = name;
}

bool hasControl(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

TileNames::TileNames(QString file) : file_(std::move(file))
{
    if (const QString why = read(file_, names_); !why.isEmpty())
        problem_ = tr("The names of the calculators could not be read from %1: %2. The names given now hold for this "
                      "run only; the file is left as it is until it is corrected or removed.")
                       .arg(file_, why);
}

QString TileNames::path() { return QString::fromStdString(files::ekranoFolder()) + "/names.conf"; }

QString TileNames::cleaned(const QString &name)
{
    QString kept;
    for (const QChar c : name)
        kept += c.category() == QChar::Other_Control ? QChar(' ') : c;
    return kept.simplified().left(kLongest).trimmed();
}

QString TileNames::of(const QString &place) const
{
    const auto found = names_.find(place);
    return found == names_.end() ? QString() : found->second;
}

QString TileNames::read(const QString &file, std::map<QString, QString> &names)
{
    const QFileInfo info(file);
    if (!info.exists())
        return {};
    if (!info.isFile())
        return tr("it is not a regular file");
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    const QByteArray bytes = in.read(kLargest + 1);
    if (in.error() != QFileDevice::NoError)
        return in.errorString();
    if (bytes.size() > kLargest)
        return tr("it is larger than %1 KB").arg(kLargest / 1024);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return tr("it is not UTF-8 text");

    // Every good line is kept; the first bad one is told.
    QString why;
    const QStringList lines = text.split('\n');
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QString line = lines[number].trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype equals = line.indexOf('=');
        const QString place = line.left(equals).trimmed(), name = line.mid(equals + 1).trimmed();
        if (equals < 0 || !isPlace(place) || hasControl(name)) {
            if (why.isEmpty())
                why = tr("line %1 is not a place, \"=\" and a name").arg(number + 1);
            continue;
        }
        give(names, place, name);
    }
    return why;
}

QString TileNames::name(const QString &place, const QString &name)
{
    give(names_, place, name);

    // Read again, so that names another window gave meanwhile stay.
    std::map<QString, QString> stored;
    QString why = read(file_, stored);
    if (why.isEmpty()) {
        give(stored, place, name);
        QByteArray text = "# Ekrano Live's names of the calculators: where each is plugged in, '=', and its name.\n";
        for (const auto &[where, called] : stored)
            text += (where + "=" + called + "\n").toUtf8();
        why = QDir().mkpath(QFileInfo(file_).path()) ? wholefile::replace(file_, text) : tr("its folder cannot be made");
    }
    if (why.isEmpty())
        return {};
    return tr("The names of the calculators could not be saved to %1: %2. The file is left as it was, and the new "
              "name holds for this run only.")
        .arg(file_, why);
}
