#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "devicenames.h"
#include "storedvalue.h"
#include "wholefile.h"

namespace settingsfile {

namespace {

// The six keys, in the order the window has always written them.
struct Key {
    const char *name;
    QString Texts::*text;
};
constexpr Key kKeys[] = {
    {"port", &Texts::port},           {"cable", &Texts::cable},         {"border", &Texts::border},
    {"forecolor", &Texts::forecolor}, {"backcolor", &Texts::backcolor}, {"scrollbar", &Texts::scrollbar},
};

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

// The folder for temporary files. Qt gives none when TMPDIR names a folder
// that is not there, and the copies would then go to the root folder.
QString temporaryFolder()
{
    const QString folder = QDir::tempPath();
    return folder.isEmpty() ? QString("/tmp") : folder;
}

// QSettings reads and writes only files, opens them without care for what
// they are, and keeps what it read of a file by its name, size and time. So
// it only ever sees a private copy, in a folder of its own, under a name
// this process never used before.
class Scratch {
public:
    explicit Scratch(const QByteArray &bytes) : folder_(temporaryFolder() + "/ekrano-settings-XXXXXX")
    {
        if (!folder_.isValid()) {
            problem_ = folder_.errorString() + " (making a folder in " + temporaryFolder() + ")";
            return;
        }
        static std::atomic<unsigned long> count{0};
        file_ = folder_.filePath(QString::number(count++) + ".conf");
        QFile copy(file_);
        const QString reason = copy.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ? wholefile::writeAll(copy, bytes)
                                                                                        : copy.errorString();
        if (!reason.isEmpty())
            problem_ = reason + " (writing " + file_ + ")";
    }

    const QString &file() const { return file_; }
    const QString &problem() const { return problem_; }

private:
    QTemporaryDir folder_;
    QString file_;
    QString problem_;
};

// The text of a value as the window stored it. A hand-edited value with a
// comma in it comes back from QSettings as a list.
QString textOf(const QVariant &value)
{
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(',') : value.toString();
}

Texts parse(const QString &file)
{
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup("settings");
    Texts texts;
    for (const Key &key : kKeys)
        texts.*key.text = textOf(settings.value(key.name));
    return texts;
}

// `old` with the six keys of [settings] set to `texts`, in QSettings' own
// form, everything else the file held kept.
QString merge(const QByteArray &old, const Texts &texts, QByteArray &merged)
{
    const Scratch scratch(old);
    if (!scratch.problem().isEmpty())
        return scratch.problem();
    {
        QSettings settings(scratch.file(), QSettings::IniFormat);
        settings.beginGroup("settings");
        for (const Key &key : kKeys)
            settings.setValue(key.name, texts.*key.text);
        settings.endGroup();
        settings.sync();
        // A damaged file leaves the status at FormatError, and its
        // readable part is still merged, as the window has always done.
        if (settings.status() == QSettings::AccessError)
            return "the new settings could not be prepared in " + scratch.file();
    }
    QFile result(scratch.file());
    if (!result.open(QIODevice::ReadOnly))
        return result.errorString() + " (reading " + scratch.file() + ")";
    merged = result.readAll();
    // On a nearly full disk QSettings can leave the copy empty, or as it
    // was, and still report success: only a text that reads back as the
    // new settings may replace the file.
    const Scratch check(merged);
    if (!check.problem().isEmpty())
        return check.problem();
    if (merged.isEmpty() || parse(check.file()) != texts)
        return "the new settings could not be prepared in " + temporaryFolder() + ", which may be full";
    return {};
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
    const auto within = [](std::optional<int32_t> value, int32_t lowest, int32_t highest) {
        return value && *value >= lowest && *value <= highest ? *value : 0;
    };
    const auto small = [&](const QString &text, int highest) {
        const std::optional<int16_t> value = storedvalue::toInt16(number(text));
        return within(value ? std::optional<int32_t>(*value) : std::nullopt, 0, highest);
    };
    Choices choices;
    choices.port = small(texts.port, 4);
    choices.cable = small(texts.cable, 2);
    choices.border = small(texts.border, 1);
    choices.scrollbar = small(texts.scrollbar, 50);
    choices.forecolor = within(storedvalue::toInt32(number(texts.forecolor)), 0, 0xFFFFFF);
    choices.backcolor = within(storedvalue::toInt32(number(texts.backcolor)), 0, 0xFFFFFF);
    return choices;
}

QString path() { return QFile::decodeName(QByteArray::fromStdString(calclink::configFolder())) + "/Ekrano/Ekrano.conf"; }

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
    if (loaded.bytes.isEmpty())
        return {};
    const Scratch scratch(loaded.bytes);
    if (!scratch.problem().isEmpty())
        return refuse(scratch.problem());
    return parse(scratch.file());
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
    QByteArray merged;
    if (const QString problem = merge(old.bytes, texts, merged); !problem.isEmpty())
        return failure(problem);
    // What would not be read back is not written.
    if (merged.size() > kLargest)
        return failure("the new file would be " + QString::number(merged.size()) +
                       " bytes, more than Ekrano reads back");
    if (target.file == file)
        QDir().mkpath(QFileInfo(file).absolutePath()); // a failure shows as the reason below
    if (const QString reason = replace(target.file, merged); !reason.isEmpty())
        return failure(reason);
    return {};
}

QString replace(const QString &file, const QByteArray &bytes)
{
    // QSaveFile's own refusal of a read-only file gives no system reason.
    if (QFileInfo::exists(file) && ::access(QFile::encodeName(file).constData(), W_OK) != 0)
        return systemReason(errno);

    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return out.errorString();
    if (const QString reason = wholefile::writeAll(out, bytes); !reason.isEmpty()) {
        out.cancelWriting(); // the destructor removes the temporary file
        return reason;
    }
    return wholefile::commit(out);
}

} // namespace settingsfile
