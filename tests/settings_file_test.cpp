// Ekrano.conf without a window: it reads as QSettings reads it, what is
// written is what QSettings reads, nothing else in the file is lost, links
// are kept, a damaged file is left alone, and a failed write leaves the old
// file. (What the window makes of
// pipes, devices, a full disk and the folder is in app_settings_test.)
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "settingsfile.h"
#include "wholefile.h"

namespace {

const settingsfile::Choices kChoices{{calclink::LinkChoice::Usb, 2, {}}, 1, 45, 1971210, 16777215};

// The six keys' texts, in the order of `keys`, as Ekrano reads them.
const char *const keys[] = {"port", "cable", "border", "scrollbar", "forecolor", "backcolor"};
QStringList ekranoTexts(const QByteArray &bytes)
{
    QStringList texts;
    for (const char *key : keys)
        texts << settingsfile::storedText(bytes, key);
    return texts;
}
const QStringList kTexts{"2", "2", "1", "45", "1971210", "16777215"};

class SettingsFile : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(config_.isValid());
        ::setenv("XDG_CONFIG_HOME", qPrintable(config_.path()), 1);
    }
    void TearDown() override { ::unsetenv("XDG_CONFIG_HOME"); }

    QString folder() const { return config_.path() + "/Ekrano"; }
    void put(const QString &file, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    }
    static QByteArray bytesOf(const QString &file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QTemporaryDir config_;
};

} // namespace

TEST_F(SettingsFile, WhatIsSavedIsWhatQSettingsReadsAndEverythingElseIsKept)
{
    put(settingsfile::path(), "[General]\nlanguage=eo\n[settings]\nport=3\nfuture=\"a, b\"\n"
                              "[window]\ngeometry=@ByteArray(\\x1\\0\\xff)\n");
    ASSERT_EQ(settingsfile::write(kChoices), "");

    QSettings read(settingsfile::path(), QSettings::IniFormat);
    EXPECT_EQ(read.status(), QSettings::NoError);
    EXPECT_EQ(read.value("settings/port"), "2");
    EXPECT_EQ(read.value("settings/cable"), "2");
    EXPECT_EQ(read.value("settings/forecolor"), "1971210");
    EXPECT_EQ(read.value("settings/backcolor"), "16777215");
    EXPECT_EQ(read.value("language"), "eo");
    EXPECT_EQ(read.value("settings/future"), "a, b");
    EXPECT_EQ(read.value("window/geometry"), QByteArray("\x01\x00\xff", 3));
    EXPECT_EQ(settingsfile::read(), kChoices);
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList("Ekrano.conf"))
        << "no lock or temporary file left behind";
}

TEST_F(SettingsFile, ALinkToAFileStaysALinkAndItsFileIsReplaced)
{
    QDir().mkpath(folder());
    put(config_.path() + "/dotfiles/ekrano.conf", "[settings]\nport=3\n");
    ASSERT_TRUE(QFile::link("../dotfiles/ekrano.conf", settingsfile::path()));
    EXPECT_EQ(settingsfile::read().link.port, 3);
    ASSERT_EQ(settingsfile::write(kChoices), "");
    EXPECT_EQ(QFileInfo(settingsfile::path()).symLinkTarget(), config_.path() + "/dotfiles/ekrano.conf");
    EXPECT_EQ(settingsfile::read(), kChoices);
    EXPECT_EQ(QDir(config_.path() + "/dotfiles").entryList(QDir::Files | QDir::Hidden), QStringList("ekrano.conf"));

    // A link set up before the first run: its file is made where it points.
    QFile::remove(config_.path() + "/dotfiles/ekrano.conf");
    ASSERT_EQ(settingsfile::write(kChoices), "");
    EXPECT_TRUE(QFileInfo(settingsfile::path()).isSymLink());
    EXPECT_EQ(settingsfile::read(), kChoices);
}

TEST_F(SettingsFile, AFileTooLargeForSettingsIsNeitherReadNorReplaced)
{
    // Settings at the start of a file of 3 GiB: a damaged file.
    const QString file = settingsfile::path();
    put(file, "[settings]\nport=3\n");
    ASSERT_EQ(::truncate(qPrintable(file), 3LL << 30), 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(settingsfile::read(), settingsfile::Choices{});
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Ekrano did not read its settings from " + file.toStdString() +
                  ": it is 3221225472 bytes, far more than settings take, so it is taken to be damaged; "
                  "the defaults are used.\n");
    EXPECT_NE(settingsfile::write(kChoices), "");
    EXPECT_EQ(QFileInfo(file).size(), 3LL << 30);
}

TEST_F(SettingsFile, AFailingWriteLeavesTheFileAsItWas)
{
    const QString file = settingsfile::path();
    put(file, "[settings]\nport=3\n");
    // Every write past 4 KiB fails with EFBIG, however privileged the test.
    rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString reason = wholefile::replace(file, QByteArray(10000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedSignal);

    EXPECT_EQ(reason, "File too large");
    EXPECT_EQ(bytesOf(file), "[settings]\nport=3\n");
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList("Ekrano.conf"));
}

TEST_F(SettingsFile, HandEditedFilesReadAsQSettingsReadsThemAndSaveAsItWouldRead)
{
    // Files as an editor may leave them, each read as QSettings reads it,
    // then saved and read back by QSettings with every other key kept. Some
    // forms Ekrano never wrote and reads otherwise on purpose: its row says
    // why and what Ekrano reads, and only Ekrano reads the save back.
    const struct {
        QByteArray file;
        const char *otherwise = nullptr;
        QStringList ekrano = {"", "", "", "", "", ""};
    } rows[] = {
        {"[settings]\nport = 3 \ncable=\"1\"\nscrollbar=45 ; comment\nforecolor=\" \\\"a;\\\\\\tb\" ; c\n"},
        {"[settings]\nborder=1, 2\nforecolor=@String(255)\nbackcolor=\\x32\\x35\\x35\nscrollbar=\\0612\n",
         "a list, QSettings' own forms and the hex and octal escapes are not read",
         {"", "", "1, 2", "0612", "@String(255)", "x32x35x35"}},
        {"\xEF\xBB\xBF; a comment\r\n[settings]\r\nport=4\r\n"},
        {"[settings]\r\n%70ort=4\r\ncable=\\\r\n2\r\nbackcolor=@ByteArray(7)\r\n",
         "a key's %-escapes are not read, nor a backslash before a line break, nor @ByteArray",
         {"", "\\", "", "", "", "@ByteArray(7)"}},
        {"[settings]\nport=1\n[other]\nport=2\n[settings]\nport=3\nport=4\n[General]\nscrollbar=9\n"},
        {"[settings]\nforecolor=\"12, 3\"\n"},
        {"[settings]\nborder=\"\nscrollbar=7\"", "a quote does not go on past the line's end",
         {"", "", "", "7", "", ""}},
        {"no section=1\n[settings] ; with a comment\nwrong line\n"},
        // Ends that QSettings reads on from into the lines saved after them.
        {"[other]\nkey=x\\", "a backslash before a line break does not join the lines"},
        {"[other]\r\nkey=2\\\r", "a backslash before a line break does not join the lines"},
        {"[other]\nkey=\"open", "a quote does not go on past the line's end"},
        {"[settings] \"open", "a quote does not go on past the line's end"},
        {""},
    };
    int copies = 0;
    QTemporaryDir scratch;
    const auto readByQSettings = [&](const QByteArray &bytes) {
        // A new name each time: QSettings keeps what it read of a file by its name, size and time.
        const QString copy = scratch.filePath(QString::number(copies++) + ".conf");
        put(copy, bytes);
        QSettings settings(copy, QSettings::IniFormat);
        settings.beginGroup("settings");
        QStringList texts;
        for (const char *key : keys) {
            const QVariant value = settings.value(key);
            texts << (value.typeId() == QMetaType::QStringList ? value.toStringList().join(',') : value.toString());
        }
        return texts;
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.file.toStdString());
        put(settingsfile::path(), row.file);
        EXPECT_EQ(ekranoTexts(row.file), row.otherwise ? row.ekrano : readByQSettings(row.file));
        ASSERT_EQ(settingsfile::write(kChoices), "");
        if (!row.otherwise) {
            EXPECT_EQ(readByQSettings(bytesOf(settingsfile::path())), kTexts);
        }
        EXPECT_EQ(settingsfile::read(), kChoices);
    }
}

TEST_F(SettingsFile, ASaveChangesOnlyTheLinesOfTheSixKeys)
{
    // Every line of a key gets the new value, and a comment after it stays.
    put(settingsfile::path(), "; mine\r\n[other]\r\nport=9\r\n\r\n[settings]\r\nport=1\r\nfuture=\"a ; b\"\r\n"
                              "  port = 2 ; second\r\n  odd line\r\n[settings]\r\nscrollbar=30");
    ASSERT_EQ(settingsfile::write(kChoices), "");
    EXPECT_EQ(bytesOf(settingsfile::path()),
              "; mine\r\n[other]\r\nport=9\r\n\r\n[settings]\r\nport=2\r\nfuture=\"a ; b\"\r\n  port=2 ; second\r\n"
              "  odd line\r\n[settings]\r\ncable=2\r\nborder=1\r\nforecolor=1971210\r\nbackcolor=16777215\r\n"
              "scrollbar=45");
}

TEST_F(SettingsFile, NeitherReadingNorSavingNeedsTheFolderForTemporaryFiles)
{
    // A TMPDIR that cannot take a file: full, or not a folder at all.
    put(settingsfile::path(), "[settings]\ncable=1\n");
    const QString notAFolder = config_.path() + "/tmp";
    put(notAFolder, "");
    const bool hadTmp = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", notAFolder.toLocal8Bit());
    const settingsfile::Choices read = settingsfile::read();
    const QString failure = settingsfile::write(kChoices);
    hadTmp ? qputenv("TMPDIR", savedTmp) : qunsetenv("TMPDIR");
    EXPECT_EQ(read.link.cable, calclink::LinkChoice::Gray);
    EXPECT_EQ(failure, "");
    EXPECT_EQ(settingsfile::read(), kChoices);
}

TEST_F(SettingsFile, WhatCouldNotBeReadOrReadBackIsNotReplaced)
{
    // Refused when the program started, for a reason that has gone since:
    // the file holds settings the program never saw, and keeps them.
    const QString file = settingsfile::path();
    put(file, "[settings]\nport=3\n");
    const QString failure = settingsfile::write(kChoices, "No space left on device");
    EXPECT_EQ(failure, "Ekrano could not save its settings to " + file +
                           ": they could not be read when it started (No space left on device), so the file is "
                           "kept as it is.");
    EXPECT_EQ(bytesOf(file), "[settings]\nport=3\n");

    // Just under the limit, in a form QSettings writes longer: saved, it
    // would be taken to be damaged at the next start.
    QByteArray sections;
    for (int i = 0; sections.size() < settingsfile::kLargest - 32; ++i)
        sections += "[s" + QByteArray::number(i) + "]\nk=1\n";
    put(file, sections);
    EXPECT_TRUE(settingsfile::write(kChoices).contains("more than Ekrano reads back"));
    EXPECT_EQ(bytesOf(file), sections);
}
