#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "configfolder.h"
#include "inifile.h"
#include "storedvalue.h"
#include "wholefile.h"

namespace settingsfile {

namespace {

constexpr QLatin1StringView kSection("settings");

// The six keys, in the order the window has always written them.
struct Key {
    const char *name;
    QString Texts::*text;
};
constexpr Key kKeys[] = {
    {"port", &Texts::port},           {"cable", &Texts::cable},         {"border", &Texts::border},
    {"forecolor", &Texts::forecolor}, {"backcolor", &Texts::backcolor}, {"scrollbar", &Texts::scrollbar},
};

const QList<QLatin1StringView> &names()
{
    static const QList<QLatin1StringView> names = [] {
        QList<QLatin1StringView> names;
        for (const Key &key : kKeys)
            names << QLatin1StringView(key.name);
        return names;
    }();
    return names;
}

QString systemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "of a kind Ekrano does not know";
}

QString resolved(const QByteArray &name)
{
    char *full = ::realpath(name.constData(), nullptr);
    if (!full)
        return QFile::decodeName(name);
    const QString result = QFile::decodeName(full);
    std::free(full);
    return result;
}

// Why `name`, whose stat() gave `mode`, is not read or written.
QString notAFile(const QByteArray &name, mode_t mode)
{
    struct stat link;
    if (::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode))
        return "it is a link to " + resolved(name) + ", which is " + kindOf(mode) + ", not a file";
    return "it is " + kindOf(mode) + ", not a file";
}

QString tooLarge(qint64 size)
{
    return "it is " + QString::number(size) + " bytes, far more than settings take, so it is taken to be damaged";
}

struct Loaded {
    QByteArray bytes;
    QString problem; // empty: read, or there is no file
};

// The bytes of the regular file `name`. stat() first, so that a named pipe
// or a device is never opened (opening a pipe waits for a writer, opening a
// port may raise its lines); then O_NONBLOCK and fstat() on what was opened,
// so that one swapped in after the check is refused too and cannot block.
Loaded load(const QString &file)
{
    const QByteArray name = QFile::encodeName(file);
    Loaded loaded;
    struct stat info;
    if (::stat(name.constData(), &info) != 0) {
        if (errno != ENOENT)
            loaded.problem = systemReason(errno);
        return loaded;
    }
    if (!S_ISREG(info.st_mode)) {
        loaded.problem = notAFile(name, info.st_mode);
        return loaded;
    }

    int fd;
    do
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (errno != ENOENT)
            loaded.problem = systemReason(errno);
        return loaded;
    }
    if (::fstat(fd, &info) != 0) {
        loaded.problem = systemReason(errno);
    } else if (!S_ISREG(info.st_mode)) {
        loaded.problem = notAFile(name, info.st_mode);
    } else if (info.st_size > kLargest) {
        loaded.problem = tooLarge(info.st_size);
    } else {
        // One byte more than allowed shows a file that grew after fstat().
        QByteArray bytes(kLargest + 1, Qt::Uninitialized);
        qint64 got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                loaded.problem = systemReason(errno);
                break;
            }
            if (n == 0)
                break;
            got += n;
        }
        if (loaded.problem.isEmpty() && got > kLargest)
            loaded.problem = tooLarge(got);
        else if (loaded.problem.isEmpty())
            loaded.bytes = bytes.left(got);
    }
    ::close(fd);
    return loaded;
}

struct Target {
    QString file;    // the regular file to replace or create
    QString problem; // why nothing may be written
};

// The end of the chain of links at `name`, whose last target does not exist.
QString danglingEnd(QByteArray name)
{
    for (int hops = 0; hops < 40; ++hops) {
        char target[PATH_MAX];
        const ssize_t n = ::readlink(name.constData(), target, sizeof target);
        if (n <= 0 || n >= ssize_t(sizeof target))
            break;
        QByteArray next(target, n);
        if (!next.startsWith('/')) {
            const qsizetype slash = name.lastIndexOf('/');
            next = (slash < 0 ? QByteArray() : name.left(slash + 1)) + next;
        }
        name = next;
        struct stat info;
        if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            break;
    }
    return QFile::decodeName(name);
}

// What writing `file` replaces. QSaveFile follows links by itself and would
// rename its new file over whatever the last one names, a device as well as
// a file, so the links are resolved here and only a regular file, or none,
// is handed on.
Target targetOf(const QString &file)
{
    const QByteArray name = QFile::encodeName(file);
    struct stat info;
    if (::lstat(name.constData(), &info) != 0) {
        if (errno == ENOENT)
            return {file, {}};
        return {{}, systemReason(errno)};
    }
    if (S_ISREG(info.st_mode))
        return {file, {}};
    if (!S_ISLNK(info.st_mode))
        return {{}, notAFile(name, info.st_mode)};
    if (::stat(name.constData(), &info) == 0)
        return S_ISREG(info.st_mode) ? Target{resolved(name), {}} : Target{{}, notAFile(name, info.st_mode)};
    // A link whose file is not there yet: the way a dotfile manager sets
    // a link up before the program first runs, so the file is made there.
    if (errno == ENOENT)
        return {danglingEnd(name), {}};
    return {{}, systemReason(errno)};
}

} // namespace

Choices choices(const Texts &texts)
{
    const auto number = [](const QString &text) { return storedvalue::textToNumber(text.toStdString()); };
    const auto within = [](auto value, int32_t lowest, int32_t highest) -> std::optional<int32_t> {
        if (!value || *value < lowest || *value > highest)
            return std::nullopt;
        return *value;
    };
    // The menus, the check box and the scroll bar take 16-bit numbers, the colours 32-bit ones.
    const auto small = [&](const QString &text, int lowest, int highest) {
        return within(storedvalue::toInt16(number(text)), lowest, highest);
    };
    const auto colour = [&](const QString &text) { return within(storedvalue::toInt32(number(text)), 0, 0xFFFFFF); };

    Choices applied;
    applied.port = small(texts.port, 1, 4).value_or(applied.port);
    applied.cable = small(texts.cable, 0, 2).value_or(applied.cable);
    applied.border = small(texts.border, 0, 1).value_or(applied.border);
    applied.scrollbar = small(texts.scrollbar, 1, 50).value_or(applied.scrollbar);
    applied.forecolor = colour(texts.forecolor).value_or(0);
    applied.backcolor = colour(texts.backcolor).value_or(0);
    if (applied.backcolor == applied.forecolor)
        applied.backcolor = applied.forecolor == 0xFFFFFF ? 0 : 0xFFFFFF;
    return applied;
}

QString path() { return QFile::decodeName(QByteArray::fromStdString(configFolder())) + "/Ekrano/Ekrano.conf"; }

Texts parse(const QByteArray &text)
{
    const QStringList values = inifile::Reading(text, kSection, names()).values();
    Texts texts;
    for (size_t k = 0; k < std::size(kKeys); ++k)
        texts.*kKeys[k].text = values[qsizetype(k)];
    return texts;
}

std::optional<QByteArray> merged(const QByteArray &text, const Texts &texts)
{
    std::vector<std::pair<QLatin1StringView, QString>> values;
    for (const Key &key : kKeys)
        values.emplace_back(QLatin1StringView(key.name), texts.*key.text);
    QByteArray result = inifile::write(text, kSection, values);

    // Only a text that reads back as the new settings, with every other
    // key line as it was, in the same order, may replace the file.
    const inifile::Reading before(text, kSection, names(), true), after(result, kSection, names(), true);
    for (size_t k = 0; k < std::size(kKeys); ++k)
        if (after.values()[qsizetype(k)] != texts.*kKeys[k].text)
            return std::nullopt;
    if (!before.sameOtherKeys(after))
        return std::nullopt;
    return result;
}

Texts read(QString *refused)
{
    const QString file = path();
    const auto refuse = [&](const QString &reason) {
        std::fprintf(stderr, "Ekrano did not read its settings from %s: %s; the defaults are used.\n",
                     qPrintable(file), qPrintable(reason));
        if (refused)
            *refused = reason;
        return Texts{};
    };
    const Loaded loaded = load(file);
    if (!loaded.problem.isEmpty())
        return refuse(loaded.problem);
    return parse(loaded.bytes);
}

QString write(const Texts &texts, const QString &refusedAtStart)
{
    const QString file = path();
    const auto failure = [&](const QString &reason) {
        return "Ekrano could not save its settings to " + file + ": " + reason + ".";
    };
    const Target target = targetOf(file);
    if (!target.problem.isEmpty())
        return failure(target.problem);
    // What cannot be read cannot be kept, so it is not replaced either.
    const Loaded old = load(target.file);
    if (!old.problem.isEmpty())
        return failure(old.problem);
    // The defaults in place of what could not be read would lose it all.
    if (!refusedAtStart.isEmpty())
        return failure("they could not be read when it started (" + refusedAtStart +
                       "), so the file is kept as it is");
    const std::optional<QByteArray> text = merged(old.bytes, texts);
    if (!text)
        return failure("the new settings did not read back as they were meant to, so the file is kept as it is");
    // What would not be read back is not written.
    if (text->size() > kLargest)
        return failure("the new file would be " + QString::number(text->size()) +
                       " bytes, more than Ekrano reads back");
    if (target.file == file)
        QDir().mkpath(QFileInfo(file).absolutePath()); // a failure shows as the reason below
    if (const QString reason = wholefile::replace(target.file, *text); !reason.isEmpty())
        return failure(reason);
    return {};
}

} // namespace settingsfile
