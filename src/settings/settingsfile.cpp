#include "settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "configfolder.h"
#include "storedvalue.h"
#include "wholefile.h"

namespace settingsfile {

namespace {

// The messages about the settings file, in the user's language.
struct Messages {
    Q_DECLARE_TR_FUNCTIONS(settingsfile)
};

constexpr QByteArrayView kSection("settings");

// The six keys, in the order the window has always written them.
struct Key {
    QByteArrayView name;
    QString Texts::*text;
};
constexpr Key kKeys[] = {
    {"port", &Texts::port},           {"cable", &Texts::cable},         {"border", &Texts::border},
    {"forecolor", &Texts::forecolor}, {"backcolor", &Texts::backcolor}, {"scrollbar", &Texts::scrollbar},
};

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// A header or a key line of the text. Lines end at "\n", "\r\n" or "\r".
struct Line {
    qsizetype end, next;    // its line break, the next line's first byte
    QByteArrayView words;   // the line without the blanks at either end
    QByteArrayView section; // the name its header, or the last one above it, gives
    qsizetype equals = -1;  // in `words`; none in a header
    int key = -1;           // the index in kKeys of the key it sets in [settings]
};

// The headers and key lines of a text, one by one. A header starts with '['
// and names the section up to its ']'; a key line holds a '=' and is not a
// comment (which starts with ';'). Every other line is passed over.
class Lines {
public:
    explicit Lines(QByteArrayView text) : text_(text), begin_(text.startsWith("\xEF\xBB\xBF") ? 3 : 0) {}

    std::optional<Line> next()
    {
        while (begin_ < text_.size()) {
            qsizetype end = begin_;
            while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r')
                ++end;
            const qsizetype next = text_.sliced(end).startsWith("\r\n") ? end + 2 : std::min(end + 1, text_.size());
            Line line{end, next, text_.sliced(begin_, end - begin_).trimmed(), {}};
            begin_ = next;
            if (line.words.startsWith('[')) {
                const qsizetype close = line.words.indexOf(']');
                section_ = line.words.first(close < 0 ? line.words.size() : close).sliced(1).trimmed();
            } else if (line.words.startsWith(';') || (line.equals = line.words.indexOf('=')) < 0) {
                continue;
            }
            line.section = section_;
            const QByteArrayView key = line.equals < 0 ? QByteArrayView() : line.words.first(line.equals).trimmed();
            for (int k = 0; section_ == kSection && k < int(std::size(kKeys)); ++k)
                if (key == kKeys[k].name)
                    line.key = k;
            return line;
        }
        return std::nullopt;
    }

private:
    QByteArrayView text_, section_;
    qsizetype begin_; // where the next line starts
};

// A backslash's character: C's letters stand for their control characters.
char unescaped(char c)
{
    constexpr std::string_view kLetters = "abfnrtv", kControls = "\a\b\f\n\r\t\v";
    const size_t at = kLetters.find(c);
    return at == std::string_view::npos ? c : kControls[at];
}

// The value after a key line's '=', `raw`, as parse() reads it; `comment`
// is set to where a comment (';') starts in `raw`, or to its end.
QString valueOf(QByteArrayView raw, qsizetype *comment = nullptr)
{
    QByteArray value;
    qsizetype own = 0; // what stays: blanks after it are layout, not quoted or escaped
    bool quoted = false;
    qsizetype i = raw.size() - raw.trimmed().size(); // the blanks at the start (`raw` ends in none)
    for (; i < raw.size() && (quoted || raw[i] != ';'); ++i) {
        if (raw[i] == '"') {
            quoted = !quoted;
        } else if (raw[i] == '\\' && i + 1 < raw.size()) {
            value += unescaped(raw[++i]);
        } else {
            value += raw[i];
            if (!quoted && isBlank(raw[i]))
                continue;
        }
        own = value.size();
    }
    value.truncate(own);
    if (comment)
        *comment = i;
    return QString::fromUtf8(value);
}

// `text` with [settings] holding `texts`, as merged() describes it, unchecked.
QByteArray withTexts(QByteArrayView text, const Texts &texts)
{
    const auto keyLine = [&](int k) { return kKeys[k].name.toByteArray() + '=' + (texts.*kKeys[k].text).toUtf8(); };
    const QByteArray eol = text.contains("\r\n") ? "\r\n" : "\n";
    std::array<bool, std::size(kKeys)> found{};
    qsizetype header = -1; // where the last [settings] header ends
    for (Lines lines(text); const std::optional<Line> line = lines.next();) {
        if (line->key >= 0)
            found[size_t(line->key)] = true;
        else if (line->equals < 0 && line->section == kSection)
            header = line->end;
    }
    QByteArray added;
    for (int k = 0; k < int(std::size(kKeys)); ++k)
        if (!found[size_t(k)])
            added += keyLine(k) + eol;

    QByteArray result;
    qsizetype from = 0; // the text before this is in `result`
    const auto keepUntil = [&](qsizetype to) {
        result += text.sliced(from, to - from);
        from = to;
    };
    for (Lines lines(text); const std::optional<Line> line = lines.next();) {
        if (line->key >= 0) {
            keepUntil(line->words.data() - text.data());
            const QByteArrayView raw = line->words.sliced(line->equals + 1);
            qsizetype comment;
            valueOf(raw, &comment);
            result += keyLine(line->key);
            if (comment < raw.size())
                result += ' ';
            from += line->equals + 1 + comment;
        } else if (line->end == header) {
            keepUntil(line->next);
            result += (line->next == line->end ? eol : QByteArray()) + added;
        }
    }
    keepUntil(text.size());
    if (header < 0 && !added.isEmpty()) {
        if (!text.isEmpty() && !text.endsWith('\n') && !text.endsWith('\r'))
            result += eol;
        result += '[' + kSection.toByteArray() + ']' + eol + added;
    }
    return result;
}

QString systemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

QString kindOf(mode_t mode)
{
    switch (mode & S_IFMT) {
    case S_IFDIR: return Messages::tr("a folder");
    case S_IFIFO: return Messages::tr("a named pipe");
    case S_IFCHR: return Messages::tr("a character device");
    case S_IFBLK: return Messages::tr("a block device");
    case S_IFSOCK: return Messages::tr("a socket");
    default: return Messages::tr("of a kind Ekrano does not know");
    }
}

// Why `file`, whose stat() gave `mode`, is not read or written.
QString notAFile(const QString &file, mode_t mode)
{
    const QFileInfo info(file);
    if (info.isSymbolicLink())
        return Messages::tr("it is a link to %1, which is %2, not a file").arg(info.canonicalFilePath(), kindOf(mode));
    return Messages::tr("it is %1, not a file").arg(kindOf(mode));
}

QString tooLarge(qint64 size)
{
    return Messages::tr("it is %1 bytes, far more than settings take, so it is taken to be damaged").arg(size);
}

struct Loaded {
    QByteArray bytes;
    QString problem; // empty: read, or there is no file
};

// The bytes of the regular file `file`, or a link to one. stat() first, so
// that a named pipe or a device is never opened (opening a pipe waits for a
// writer, opening a port may raise its lines); then O_NONBLOCK and fstat()
// on what was opened, so that one swapped in after the check is refused too
// and cannot block.
Loaded load(const QString &file)
{
    const QByteArray name = QFile::encodeName(file);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return {{}, errno == ENOENT ? QString() : systemReason(errno)};
    if (!S_ISREG(info.st_mode))
        return {{}, notAFile(file, info.st_mode)};
    int fd;
    do
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return {{}, errno == ENOENT ? QString() : systemReason(errno)};
    QFile in;
    if (!in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {{}, in.errorString()};
    }
    if (::fstat(fd, &info) != 0)
        return {{}, systemReason(errno)};
    if (!S_ISREG(info.st_mode))
        return {{}, notAFile(file, info.st_mode)};
    if (info.st_size > kLargest)
        return {{}, tooLarge(info.st_size)};
    // One byte more than allowed shows a file that grew after fstat().
    const QByteArray bytes = in.read(kLargest + 1);
    if (in.error() != QFileDevice::NoError)
        return {{}, in.errorString()};
    if (bytes.size() > kLargest)
        return {{}, tooLarge(bytes.size())};
    return {bytes, {}};
}

} // namespace

Choices choices(const Texts &texts)
{
    const auto number = [](const QString &text, int32_t lowest, int32_t highest) -> std::optional<int32_t> {
        const std::optional<int32_t> value = storedvalue::toInt32(storedvalue::textToNumber(text.toStdString()));
        return value && *value >= lowest && *value <= highest ? value : std::nullopt;
    };
    Choices applied;
    applied.port = number(texts.port, 1, 4).value_or(applied.port);
    applied.cable = number(texts.cable, 0, 2).value_or(applied.cable);
    applied.border = number(texts.border, 0, 1).value_or(applied.border);
    applied.scrollbar = number(texts.scrollbar, 1, 50).value_or(applied.scrollbar);
    applied.forecolor = number(texts.forecolor, 0, 0xFFFFFF).value_or(0);
    applied.backcolor = number(texts.backcolor, 0, 0xFFFFFF).value_or(0);
    if (applied.backcolor == applied.forecolor)
        applied.backcolor = applied.forecolor == 0xFFFFFF ? 0 : 0xFFFFFF;
    return applied;
}

QString path() { return QFile::decodeName(QByteArray::fromStdString(configFolder())) + "/Ekrano/Ekrano.conf"; }

Texts parse(const QByteArray &text)
{
    Texts texts;
    for (Lines lines(text); const std::optional<Line> line = lines.next();)
        if (line->key >= 0)
            texts.*kKeys[line->key].text = valueOf(line->words.sliced(line->equals + 1));
    return texts;
}

std::optional<QByteArray> merged(const QByteArray &text, const Texts &texts)
{
    // Only a text that reads back as the new settings, with every other
    // key line as it was, in the same order, may replace the file.
    const QByteArray result = withTexts(text, texts);
    if (parse(result) != texts)
        return std::nullopt;
    const auto nextOther = [](Lines &lines) {
        std::optional<Line> line = lines.next();
        while (line && (line->equals < 0 || line->key >= 0))
            line = lines.next();
        return line;
    };
    for (Lines before(text), after(result);;) {
        const std::optional<Line> was = nextOther(before), is = nextOther(after);
        if (!was || !is)
            return was || is ? std::nullopt : std::optional(result);
        if (was->section != is->section || was->words != is->words)
            return std::nullopt;
    }
}

Texts read(QString *refused)
{
    const QString file = path();
    const Loaded loaded = load(file);
    if (loaded.problem.isEmpty())
        return parse(loaded.bytes);
    std::fprintf(stderr, "%s\n",
                 qPrintable(Messages::tr("Ekrano did not read its settings from %1: %2; the defaults are used.")
                                .arg(file, loaded.problem)));
    if (refused)
        *refused = loaded.problem;
    return {};
}

QString write(const Texts &texts, const QString &refusedAtStart)
{
    const QString file = path();
    const auto failure = [&](const QString &reason) {
        return Messages::tr("Ekrano could not save its settings to %1: %2.").arg(file, reason);
    };
    // What cannot be read cannot be kept, so it is not replaced either.
    const Loaded old = load(file);
    if (!old.problem.isEmpty())
        return failure(old.problem);
    // The defaults in place of what could not be read would lose it all.
    if (!refusedAtStart.isEmpty())
        return failure(Messages::tr("they could not be read when it started (%1), so the file is kept as it is")
                           .arg(refusedAtStart));
    const std::optional<QByteArray> text = merged(old.bytes, texts);
    if (!text)
        return failure(
            Messages::tr("the new settings did not read back as they were meant to, so the file is kept as it is"));
    // What would not be read back is not written.
    if (text->size() > kLargest)
        return failure(Messages::tr("the new file would be %1 bytes, more than Ekrano reads back").arg(text->size()));
    QDir().mkpath(QFileInfo(file).absolutePath()); // a failure shows as the reason below
    // A link stays a link: QSaveFile replaces the file at its end, or makes it there.
    if (const QString reason = wholefile::replace(file, *text); !reason.isEmpty())
        return failure(reason);
    return {};
}

} // namespace settingsfile
