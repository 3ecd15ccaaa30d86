#include "inifile.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace inifile {

namespace {

// What each byte is to the reader, looked up rather than compared, as
// every byte of the file passes through here.
enum Trait : uint8_t {
    Blank = 1,     // ' ', '\t' and the line breaks
    LineMark = 2,  // what ends or changes a line: line breaks, '"', ';', '=', '\'
    ValueMark = 4, // what changes a value: '"', ',', '\'
    Break = 8,     // the line breaks
};
constexpr std::array<uint8_t, 256> kTraits = [] {
    std::array<uint8_t, 256> traits{};
    for (const char c : {' ', '\t', '\r', '\n'})
        traits[uint8_t(c)] |= Blank;
    for (const char c : {'\r', '\n', '"', ';', '=', '\\'})
        traits[uint8_t(c)] |= LineMark;
    for (const char c : {'"', ',', '\\'})
        traits[uint8_t(c)] |= ValueMark;
    for (const char c : {'\r', '\n'})
        traits[uint8_t(c)] |= Break;
    return traits;
}();

bool is(char c, Trait trait) { return kTraits[uint8_t(c)] & trait; }

int hexValue(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int octalValue(char c) { return c >= '0' && c <= '7' ? c - '0' : -1; }

// How a line ends: what a line break put right after it would do.
enum class Ending {
    Plain,      // the break ends the line
    Backslash,  // a lone backslash, at the end of the text: it would escape the break
    EscapedCR,  // a backslash and a carriage return: a "\n" would join them as one escaped break
};

// One logical line, as QSettings splits the text: from its first character
// that is not blank to the line break that ends it outside quotes, or to a
// ';' (outside quotes) that starts a comment. A quoted part, and a line
// break after a backslash, go on over the break. A line that starts with
// ';' is a comment, and no line at all.
struct Line {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype equals = -1; // the first '=' outside quotes, or -1
    bool quoteOpen = false; // the text ends inside this line's quotes
    Ending ending = Ending::Plain;
};

class Lines {
public:
    Lines(QByteArrayView text, qsizetype from) : text_(text), next_(from) {}

    std::optional<Line> next()
    {
        const char *const p = text_.data(); // indexed directly: every byte of the file passes here
        const qsizetype n = text_.size();
        qsizetype i = next_;
        while (i < n && is(p[i], Blank))
            ++i;
        Line line;
        line.begin = i;
        bool quoted = false;
        qsizetype afterEscapedCR = -1;
        while (i < n) {
            if (!is(p[i], LineMark)) {
                ++i;
                continue;
            }
            const char c = p[i++];
            if (c == '=') {
                if (!quoted && line.equals < 0)
                    line.equals = i - 1;
            } else if (c == '\n' || c == '\r') {
                if (!quoted) {
                    --i;
                    break;
                }
            } else if (c == '\\') {
                if (i == n) {
                    line.ending = Ending::Backslash;
                    break;
                }
                const char escaped = p[i++];
                if (i < n && ((escaped == '\n' && p[i] == '\r') || (escaped == '\r' && p[i] == '\n')))
                    ++i;
                else if (escaped == '\r')
                    afterEscapedCR = i;
            } else if (c == '"') {
                quoted = !quoted;
            } else if (c == ';') {
                if (i == line.begin + 1) {
                    while (i < n && !is(p[i], Break))
                        ++i;
                    while (i < n && is(p[i], Blank))
                        ++i;
                    line.begin = i;
                } else if (!quoted) {
                    --i;
                    break;
                }
            }
        }
        next_ = i;
        line.end = i;
        line.quoteOpen = quoted && i == n;
        if (afterEscapedCR == i)
            line.ending = Ending::EscapedCR;
        if (line.end == line.begin)
            return std::nullopt;
        return line;
    }

private:
    QByteArrayView text_;
    qsizetype next_;
};

qsizetype startOf(QByteArrayView text) { return text.startsWith("\xEF\xBB\xBF") ? 3 : 0; }

// A key or a section name: '\' stands for '/', %XX and %UXXXX for the
// character of that code.
QString unescapedKey(QByteArrayView raw)
{
    if (!raw.contains('%') && !raw.contains('\\'))
        return QString::fromUtf8(raw);
    const QString text = QString::fromUtf8(raw);
    QString key;
    key.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == u'\\') {
            key += u'/';
            ++i;
            continue;
        }
        if (c == u'%' && i + 1 < text.size()) {
            const bool wide = text[i + 1] == u'U';
            const qsizetype first = wide ? i + 2 : i + 1;
            const qsizetype digits = wide ? 4 : 2;
            bool ok = false;
            const ushort code = first + digits <= text.size() ? text.sliced(first, digits).toUShort(&ok, 16) : 0;
            if (ok) {
                key += QChar(code);
                i = first + digits;
                continue;
            }
        }
        key += c;
        ++i;
    }
    return key;
}

// The section that a header line names.
QString sectionOf(QByteArrayView header)
{
    qsizetype close = header.indexOf(']');
    if (close < 0)
        close = header.size();
    const QByteArrayView name = header.sliced(1, close - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return "general";
    return unescapedKey(name);
}

char16_t simpleEscape(char c)
{
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"': case '?': case '\'': case '\\': return char16_t(c);
    default: return 0;
    }
}

// The strings of a value: one, or the items of a list written with commas.
// Blanks around an item are layout, unless quoted or escaped; a backslash
// escapes a character (C's escapes, \xHH..., \OOO...), a line break, or
// drops the character after it.
struct Strings {
    QStringList items;
    bool list = false;
};

Strings stringsOf(QByteArrayView raw)
{
    Strings result;
    QString current;
    bool quoted = false;         // inside quotes now
    bool currentQuoted = false;  // the current item had quotes: its blanks are its own
    qsizetype keepFrom = 0;      // blanks before this index in `current` are the text's own
    bool cut = false;            // the text ended in the middle of an escape: nothing is trimmed
    QStringDecoder utf8(QStringDecoder::Utf8);
    const qsizetype n = raw.size();
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < n && (raw[i] == ' ' || raw[i] == '\t'))
            ++i;
        keepFrom = current.size();
    };
    const auto trim = [&] {
        if (currentQuoted)
            return;
        qsizetype size = current.size();
        while (size > keepFrom && (current[size - 1] == u' ' || current[size - 1] == u'\t'))
            --size;
        current.truncate(size);
    };

    skipBlanks();
    while (i < n) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i == n) {
                cut = true;
                break;
            }
            const char e = raw[i++];
            if (const char16_t mapped = simpleEscape(e)) {
                current += QChar(mapped);
            } else if (e == 'x') {
                if (i == n) {
                    cut = true;
                    break;
                }
                if (hexValue(uchar(raw[i])) >= 0) {
                    char16_t code = 0;
                    while (i < n && hexValue(uchar(raw[i])) >= 0)
                        code = char16_t(code * 16 + hexValue(uchar(raw[i++])));
                    current += QChar(code);
                }
            } else if (octalValue(e) >= 0) {
                char16_t code = char16_t(octalValue(e));
                while (i < n && octalValue(raw[i]) >= 0)
                    code = char16_t(code * 8 + octalValue(raw[i++]));
                current += QChar(code);
            } else if ((e == '\n' || e == '\r') && i < n && (raw[i] == '\n' || raw[i] == '\r') && raw[i] != e) {
                ++i;
            }
            keepFrom = current.size();
        } else if (c == '"') {
            ++i;
            currentQuoted = true;
            quoted = !quoted;
            if (!quoted)
                skipBlanks();
        } else if (c == ',' && !quoted) {
            trim();
            result.list = true;
            result.items.append(current);
            current.clear();
            currentQuoted = false;
            ++i;
            skipBlanks();
        } else {
            qsizetype j = i + 1;
            while (j < n && !is(raw[j], ValueMark))
                ++j;
            current += utf8(raw.sliced(i, j - i));
            i = j;
        }
    }
    if (!cut)
        trim();
    result.items.append(current);
    return result;
}

// The text of a value: a list joined by commas; a value in one of
// QSettings' own forms ("@Rect(...)", "@Variant(...)") counts as empty, as
// none of them is text; "@@..." is text beginning with '@'.
QString valueText(QByteArrayView raw)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!raw.isEmpty() && blank(raw.front()))
        raw = raw.sliced(1);
    if (std::none_of(raw.begin(), raw.end(), [](char c) { return is(c, ValueMark); }) && !raw.startsWith('@')) {
        // Plain text, the common case: only its blanks at either end go.
        while (!raw.isEmpty() && blank(raw.back()))
            raw.chop(1);
        QStringDecoder utf8(QStringDecoder::Utf8); // as below, a cut-off character at the end is dropped
        return utf8(raw);
    }
    Strings strings = stringsOf(raw);
    if (strings.list) {
        for (QString &item : strings.items) {
            if (!item.startsWith(u'@'))
                continue;
            if (!item.startsWith(QStringLiteral("@@")))
                return {};
            item.remove(0, 1);
        }
        return strings.items.join(u',');
    }
    const QString &text = strings.items.first();
    if (!text.startsWith(u'@'))
        return text;
    if (text.endsWith(u')')) {
        if (text.startsWith(QStringLiteral("@ByteArray(")))
            return QString::fromUtf8(text.sliced(11).chopped(1).toLatin1());
        if (text.startsWith(QStringLiteral("@String(")))
            return text.sliced(8).chopped(1);
        for (const char *form : {"@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point(", "@Invalid("})
            if (text.startsWith(QLatin1StringView(form)))
                return {};
    }
    return text.startsWith(QStringLiteral("@@")) ? text.sliced(1) : text;
}

// `value` as QSettings writes a text, added to `out`: in quotes when it
// holds ';', ',' or '=' or has a blank at either end; C's escapes for control
// characters, '"' and '\'; a text beginning with '@' with a second '@'
// before it.
void appendValue(QByteArray &out, const QString &value)
{
    const bool plain = std::all_of(value.begin(), value.end(), [](QChar c) {
        return c.unicode() > ' ' && c.unicode() < 0x7F && c != u'"' && c != u'\\' && c != u';' && c != u',' &&
               c != u'=';
    });
    if (plain && !value.startsWith(u'@')) {
        for (const QChar c : value)
            out += char(c.unicode());
        return;
    }
    QString text = value.startsWith(u'@') ? QStringLiteral("@") : QString();
    bool quote = false;
    bool hexFollows = false; // after \0 or \xHH a hex digit would be read as part of the escape
    for (const QChar qc : value) {
        const char16_t c = qc.unicode();
        if (c == ';' || c == ',' || c == '=')
            quote = true;
        if (hexFollows && hexValue(c) >= 0) {
            text += QStringLiteral("\\x") + QString::number(c, 16);
            continue;
        }
        hexFollows = false;
        // C's escape letter of each control character up to '\r' that has one.
        static constexpr char kLetters[] = "0......abtnvfr";
        if (c == '\0' || (c >= '\a' && c <= '\r')) {
            text += u'\\';
            text += QLatin1Char(kLetters[c]);
            hexFollows = c == '\0';
        } else if (c == '"' || c == '\\') {
            text += u'\\';
            text += qc;
        } else if (c < 0x20) {
            text += QStringLiteral("\\x") + QString::number(c, 16);
            hexFollows = true;
        } else {
            text += qc;
        }
    }
    if (quote || text.startsWith(u' ') || text.endsWith(u' '))
        text = u'"' + text + u'"';
    out += text.toUtf8();
}

} // namespace

namespace {

// Calls `take(section, key, value)` for every key line of `text` in a
// section that `wanted(section)` accepts.
// Calls `take(section, key, value)` for every key line of `text` in a
// section that `wanted(section)` accepts, with the key and the value as they
// are written, to be unescaped where they are needed.
template <typename Wanted, typename Take> void forEachKey(QByteArrayView text, Wanted wanted, Take take)
{
    QString section;
    bool inWanted = wanted(section);
    Lines lines(text, startOf(text));
    while (const std::optional<Line> line = lines.next()) {
        const QByteArrayView words = text.sliced(line->begin, line->end - line->begin);
        if (words.startsWith('[')) {
            section = sectionOf(words);
            inWanted = wanted(section);
        } else if (inWanted && line->equals >= 0) {
            const qsizetype equals = line->equals - line->begin;
            take(section, words.first(equals).trimmed(), words.sliced(equals + 1));
        }
    }
}

// Whether the key written `raw` is `name`, a plain word.
template <typename Name> bool isKey(QByteArrayView raw, const Name &name)
{
    if (raw.contains('%') || raw.contains('\\'))
        return unescapedKey(raw) == name;
    return QLatin1StringView(raw) == name;
}

} // namespace

Reading::Reading(QByteArrayView text, QLatin1StringView section, const QList<QLatin1StringView> &names,
                 bool withOtherKeys)
{
    std::vector<std::optional<QByteArrayView>> found(size_t(names.size()));
    if (withOtherKeys)
        others_.reserve(size_t(text.count('='))); // no more key lines than that
    forEachKey(
        text, [&](const QString &in) { return withOtherKeys || in == section; },
        [&](const QString &in, QByteArrayView key, QByteArrayView value) {
            bool named = false;
            for (qsizetype i = 0; in == section && i < names.size(); ++i) {
                if (isKey(key, names[i])) {
                    found[size_t(i)] = value;
                    named = true;
                }
            }
            if (!named && withOtherKeys)
                others_.push_back({in, key, value});
        });
    values_.reserve(names.size());
    for (const std::optional<QByteArrayView> &value : found)
        values_ << (value ? valueText(*value) : QString());
}

bool Reading::sameOtherKeys(const Reading &other) const
{
    // Most lines are alike to the letter; only the others are read to compare what they mean.
    return std::equal(others_.begin(), others_.end(), other.others_.begin(), other.others_.end(),
                      [](const Written &x, const Written &y) {
                          return x.section == y.section &&
                                 (x.key == y.key || unescapedKey(x.key) == unescapedKey(y.key)) &&
                                 (x.value == y.value || valueText(x.value) == valueText(y.value));
                      });
}

QByteArray write(QByteArrayView text, QLatin1StringView section,
                 const std::vector<std::pair<QLatin1StringView, QString>> &values)
{
    const QByteArrayView eol = text.indexOf("\r\n") >= 0 ? "\r\n" : "\n";
    struct Edit {
        qsizetype begin, end;
        QByteArray with;
    };
    std::vector<Edit> edits;
    std::vector<std::vector<Line>> found(values.size()); // each value's key lines, in order
    std::optional<Line> header;                          // the section's last header
    std::optional<Line> last;                            // the text's last line

    QString current;
    Lines lines(text, startOf(text));
    while (const std::optional<Line> line = lines.next()) {
        last = line;
        const QByteArrayView words = text.sliced(line->begin, line->end - line->begin);
        if (words.startsWith('[')) {
            current = sectionOf(words);
            if (current == section)
                header = line;
            continue;
        }
        if (current != section || line->equals < 0)
            continue;
        const QByteArrayView key = text.sliced(line->begin, line->equals - line->begin).trimmed();
        for (size_t k = 0; k < values.size(); ++k)
            if (isKey(key, values[k].first))
                found[k].push_back(*line);
    }

    // A line break that really ends `line`, put right after it.
    const auto breakAfter = [&](const Line &line) {
        QByteArray end;
        if (line.ending == Ending::Backslash)
            end += '\n'; // now an escaped break, which the value skips
        if (line.quoteOpen)
            end += '"';
        end += eol;
        if (line.ending == Ending::EscapedCR && !line.quoteOpen)
            end += eol;
        return end;
    };
    const auto lineOf = [&](const std::pair<QLatin1StringView, QString> &value) {
        QByteArray line(value.first.data(), value.first.size());
        line += '=';
        appendValue(line, value.second);
        return line;
    };

    QByteArray added;
    for (size_t k = 0; k < values.size(); ++k) {
        if (found[k].empty()) {
            added += eol;
            added += lineOf(values[k]);
            continue;
        }
        for (size_t j = 0; j + 1 < found[k].size(); ++j) {
            // The earlier lines go with their line break.
            qsizetype end = found[k][j].end;
            if (text.sliced(end).startsWith(eol))
                end += eol.size();
            edits.push_back({found[k][j].begin, end, {}});
        }
        edits.push_back({found[k].back().begin, found[k].back().end, lineOf(values[k])});
    }
    if (!added.isEmpty()) {
        if (header) {
            edits.push_back({header->end, header->end, breakAfter(*header) + added.sliced(eol.size())});
        } else {
            // After the last line, or (what is left after it being blank or comments) after the whole text.
            QByteArray block = text.isEmpty() ? QByteArray() : last ? breakAfter(*last) : eol.toByteArray();
            block += '[';
            block += QByteArrayView(section.data(), section.size());
            block += ']';
            block += added;
            block += eol;
            edits.push_back({text.size(), text.size(), block});
        }
    }

    std::sort(edits.begin(), edits.end(), [](const Edit &a, const Edit &b) { return a.begin < b.begin; });
    QByteArray result;
    result.reserve(text.size() + added.size() + 64);
    qsizetype from = 0;
    for (const Edit &edit : edits) {
        result += text.sliced(from, edit.begin - from);
        result += edit.with;
        from = edit.end;
    }
    result += text.sliced(from);
    return result;
}

} // namespace inifile
