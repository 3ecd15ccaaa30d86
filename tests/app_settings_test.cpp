// The six remembered choices: read and applied at start, written once at exit.

#include <QActionGroup>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QScrollBar>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "comports.h"
#include "fiforescue.h"
#include "settingsfile.h"
#include "smalldisk.h"
#include "windowtest.h"

class SettingsTest : public WindowTest {
protected:
    // Ends the program through File, Exit and returns the texts it stored.
    QStringList exitAndReadBack(Form1 &form)
    {
        EXPECT_TRUE(runUntilProgramEnds([&] { form.mnuExit->trigger(); })) << "the program did not end";
        QStringList texts;
        for (const char *key : {"port", "cable", "border", "forecolor", "backcolor", "scrollbar"})
            texts << stored(key);
        return texts;
    }
    // Ends the program through File, Exit when the save fails: the box that
    // tells it (answered with OK), the exit status and what went to stderr.
    struct FailedExit {
        ModalHand::Box box;
        std::optional<int> status;
        std::string said;
    };
    static FailedExit exitThroughTheBox(Form1 &form)
    {
        FailedExit ended;
        ModalHand hand;
        hand.pressOk(&ended.box);
        testing::internal::CaptureStderr();
        ended.status = exitStatusOf([&] { form.mnuExit->trigger(); });
        ended.said = testing::internal::GetCapturedStderr();
        return ended;
    }
    static int tickedPort(Form1 &form) { return tickedItem(form.mnuport).value_or(0); }
    static int tickedCable(Form1 &form) { return tickedItem(form.mnuCableType).value_or(-1); }
    static QByteArray contentsOf(const QString &file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
};

TEST_F(SettingsTest, AFirstRunStartsWithTheDefaultsAndStoresThem)
{
    Form1 &form = startedWindow();
    EXPECT_EQ(tickedPort(form), 1);
    EXPECT_EQ(tickedCable(form), 0);
    for (QAction *port : form.mnuport->actions())
        EXPECT_TRUE(port->isEnabled());
    EXPECT_EQ(checkBoxValue(form.Check1), 0);
    EXPECT_EQ(form.HScroll1->value(), 30);
    EXPECT_EQ(form.zoomFactor, 3);
    EXPECT_EQ(form.Label1->text(), "3");
    EXPECT_EQ(form.Picture1->Left(), 75) << "no Change ran: the display keeps its place";
    EXPECT_EQ(form.Picture1->ForeColor(), 0);
    EXPECT_EQ(form.Picture1->BackColor(), 16777215);
    EXPECT_EQ(exitAndReadBack(form), QStringList({"1", "0", "0", "0", "16777215", "30"}));
}

TEST_F(SettingsTest, EveryChoiceComesBackAsItWasLeft)
{
    {
        Form1 &form = startedWindow();
        groupItem(form.mnuport, 3)->trigger();
        groupItem(form.mnuCableType, 1)->trigger();
        setCheckBoxValue(form.Check1, 1);
        form.HScroll1->setValue(45);
        form.Picture1->setForeColor(raster::rgb(10, 20, 30));
        form.Picture1->setBackColor(raster::rgb(200, 210, 220));
        EXPECT_EQ(exitAndReadBack(form), QStringList({"3", "1", "1", "1971210", "14471880", "45"}));
    }
    Form1 &again = startedWindow();
    EXPECT_EQ(tickedPort(again), 3);
    EXPECT_EQ(tickedCable(again), 1);
    EXPECT_EQ(checkBoxValue(again.Check1), 1);
    EXPECT_EQ(again.HScroll1->value(), 45);
    EXPECT_EQ(again.zoomFactor, 4.5);
    EXPECT_EQ(again.Picture1->Width(), 6615);
    EXPECT_NE(again.Picture1->Left(), 75) << "the stored zoom's Change centred the display";
    EXPECT_EQ(again.Picture1->ForeColor(), raster::rgb(10, 20, 30));
    EXPECT_EQ(again.Picture1->BackColor(), raster::rgb(200, 210, 220));
    EXPECT_EQ(again.linkDevice, "COM1") << "the capture forms the device from the ticks, not start-up";
}

TEST_F(SettingsTest, ABackgroundEqualToTheForegroundBecomesWhiteOrBlackBehindWhite)
{
    // White on white would be a picture of nothing: the background becomes black then.
    for (const auto &[colour, background] : {std::pair{"255", 16777215}, {"16777215", 0}}) {
        SCOPED_TRACE(colour);
        store({{"forecolor", colour}, {"backcolor", colour}});
        Form1 &form = startedWindow();
        EXPECT_EQ(form.Picture1->ForeColor(), QString(colour).toInt());
        EXPECT_EQ(form.Picture1->BackColor(), background);
        EXPECT_EQ(exitAndReadBack(form)[4], QString::number(background));
    }
}

TEST_F(SettingsTest, AWhiteForegroundWithNoBackgroundDrawsOnBlack)
{
    store({{"forecolor", "16777215"}});
    Form1 &form = startedWindow();
    EXPECT_EQ(form.Picture1->ForeColor(), 16777215);
    EXPECT_EQ(form.Picture1->BackColor(), 0);
    EXPECT_EQ(form.Picture1->Image().pixel(100, 100), qRgb(0, 0, 0));
}

TEST_F(SettingsTest, AStoredUsbCableGreysThePortsAndKeepsThePortsTick)
{
    store({{"port", "2"}, {"cable", "2"}});
    Form1 &form = startedWindow();
    EXPECT_EQ(tickedCable(form), 2);
    EXPECT_EQ(tickedPort(form), 2);
    for (QAction *port : form.mnuport->actions())
        EXPECT_FALSE(port->isEnabled());
    EXPECT_EQ(exitAndReadBack(form).mid(0, 2), QStringList({"2", "2"}));
}

TEST_F(SettingsTest, AStoredZoomOfZeroKeepsTheStartingZoom)
{
    store({{"scrollbar", "0"}});
    Form1 &form = startedWindow();
    EXPECT_EQ(form.HScroll1->value(), 30);
    EXPECT_EQ(form.zoomFactor, 3);
    EXPECT_EQ(form.Picture1->Left(), 75);
}

TEST_F(SettingsTest, AStoredBorderRedrawsThroughItsClickAndOnceMore)
{
    store({{"border", "1"}});
    Form1 &form = window();
    form.show();
    int clipboardChanges = 0;
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &form, [&] { ++clipboardChanges; });
    form.Form_Activate();
    EXPECT_EQ(checkBoxValue(form.Check1), 1);
    EXPECT_EQ(clipboardChanges, 4) << "two redraws, each clearing and refilling the clipboard";
    EXPECT_EQ(form.Picture1->Image().pixel(0, 0), qRgb(0, 0, 0)) << "the frame";
}

TEST_F(SettingsTest, StoredTextsAreReadAsTheNumberAtTheirStart)
{
    store({{"port", "2abc"}, {"cable", "abc"}, {"scrollbar", " 4 5 "}, {"forecolor", "1e2"}});
    Form1 &form = startedWindow();
    EXPECT_EQ(tickedPort(form), 2);
    EXPECT_EQ(tickedCable(form), 0);
    EXPECT_EQ(form.HScroll1->value(), 45);
    EXPECT_EQ(form.Picture1->ForeColor(), 100);
}

TEST_F(SettingsTest, ValuesTheProgramNeverWritesFallBackToTheirDefaults)
{
    store({{"port", "7"},
           {"cable", "-1"},
           {"border", "2"},
           {"scrollbar", "51"},
           {"forecolor", "16777216"},
           {"backcolor", "1e999"}});
    Form1 &form = startedWindow();
    EXPECT_EQ(tickedPort(form), 1);
    EXPECT_EQ(tickedCable(form), 0);
    EXPECT_EQ(checkBoxValue(form.Check1), 0);
    EXPECT_EQ(form.HScroll1->value(), 30);
    EXPECT_EQ(form.Picture1->ForeColor(), 0);
    EXPECT_EQ(form.Picture1->BackColor(), 16777215);

    store({{"port", "99999999999"}, {"forecolor", "-5"}, {"scrollbar", "2.5"}, {"border", "0.5"}});
    Form1 &second = startedWindow();
    EXPECT_EQ(tickedPort(second), 1);
    EXPECT_EQ(second.Picture1->ForeColor(), 0);
    EXPECT_EQ(second.HScroll1->value(), 2) << "2.5 rounds to the even 2";
    EXPECT_EQ(checkBoxValue(second.Check1), 0) << "0.5 rounds to 0";
}

TEST_F(SettingsTest, ADamagedSettingsFileNeverStopsTheStart)
{
    QDir().mkpath(configPath() + "/Ekrano");
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    static const char damaged[] = "[settings\nport=\x01\xff\xfe\n\0\0garbage=[[[\n"
                                  "scrollbar=@Variant(\\0\\0\\0\\x7f)\n"
                                  "[settings]\nport=3,4\nbackcolor=\"12\"\n";
    file.write(damaged, sizeof damaged - 1);
    file.close();
    Form1 &form = startedWindow();
    EXPECT_EQ(tickedPort(form), 3) << "a list reads from its first number";
    EXPECT_EQ(form.Picture1->BackColor(), 12);
    testing::internal::CaptureStderr();
    EXPECT_EQ(exitAndReadBack(form)[0], "3");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.find("could not save"), std::string::npos) << "they were saved: " << said;
}

TEST_F(SettingsTest, AFailedSaveIsToldInABoxAndEndsWithStatus1)
{
    // A file where the settings folder belongs: neither start nor exit can use it, not even as root.
    QFile blocker(configPath() + "/Ekrano");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Form1 &form = startedWindow();
    EXPECT_EQ(form.HScroll1->value(), 30);
    const QString sentence = "Ekrano could not save its settings to " + settingsFile() + ": Not a directory.";
    const FailedExit ended = exitThroughTheBox(form);
    EXPECT_EQ(ended.status, 1);
    EXPECT_EQ(ended.said.substr(0, ended.said.find('\n') + 1), sentence.toStdString() + "\n");
    const ModalHand::Box &box = ended.box;
    EXPECT_EQ(box.title, "Ekrano");
    EXPECT_EQ(box.text, sentence);
    EXPECT_FALSE(box.hasIcon);
    EXPECT_EQ(box.buttons, 1);
}

TEST_F(SettingsTest, AnEndingSessionTellsAFailedSaveOnStderrOnly)
{
    QFile blocker(configPath() + "/Ekrano");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    {
        ModalHand hand;
        Form1 &form = startedWindow();
        testing::internal::CaptureStderr();
        EXPECT_EQ(exitStatusOf([&] { form.endSession(); }), 1);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("could not save its settings"), std::string::npos);
        EXPECT_EQ(hand.unexpected(), 0) << "a box nobody could answer";
    }
    // The session ending while File, Exit shows the failure closes the box
    // (the timer can only fire once the box waits).
    Form1 &form = startedWindow();
    testing::internal::CaptureStderr();
    QTimer::singleShot(200, &form, [&] { form.endSession(); });
    EXPECT_EQ(exitStatusOf([&] { form.mnuExit->trigger(); }), 1);
    testing::internal::GetCapturedStderr();
}

TEST_F(SettingsTest, ANearlyFullDiskNeverEmptiesTheSettingsFile)
{
    QDir().mkpath(configPath() + "/Ekrano");
    SmallDisk disk((configPath() + "/Ekrano").toStdString());
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system is not allowed here";
    store({{"port", "2"}});
    const QByteArray kept = contentsOf(settingsFile());

    // The last block is enough for the new file beside the old one.
    ASSERT_TRUE(disk.fillLeaving(1));
    Form1 &form = startedWindow();
    groupItem(form.mnuport, 3)->trigger();
    EXPECT_EQ(exitStatusOf([&] { form.mnuExit->trigger(); }), 0);
    EXPECT_EQ(stored("port"), "3");

    // No block left: the old file stays as it was, and the user is told why.
    ASSERT_TRUE(disk.fillLeaving(0));
    const QByteArray saved = contentsOf(settingsFile());
    Form1 &full = startedWindow();
    groupItem(full.mnuport, 4)->trigger();
    const FailedExit ended = exitThroughTheBox(full);
    EXPECT_EQ(ended.status, 1);
    EXPECT_EQ(ended.box.text, "Ekrano could not save its settings to " + settingsFile() + ": No space left on device.");
    EXPECT_EQ(contentsOf(settingsFile()), saved);
    EXPECT_NE(saved, kept);
    EXPECT_EQ(QDir(configPath() + "/Ekrano").entryList(QDir::Files | QDir::Hidden),
              QStringList({"Ekrano.conf", "filler"}));
}

TEST_F(SettingsTest, OnlyARegularSettingsFileIsReadOrReplaced)
{
    enum Kind { Pipe, Folder, Device };
    const struct {
        Kind kind;
        bool linked;
        QString told;
    } cases[] = {{Pipe, false, "named pipe"},
                 {Pipe, true, "link to " + configPath() + "/elsewhere, which is a named pipe"},
                 {Folder, false, "folder"},
                 {Device, true, "character device"}};
    QDir().mkpath(configPath() + "/Ekrano");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.told.toStdString());
        const QString made = c.linked ? configPath() + "/elsewhere" : settingsFile();
        if (c.kind == Pipe) {
            ASSERT_EQ(::mkfifo(qPrintable(made), 0644), 0);
        } else if (c.kind == Folder) {
            ASSERT_TRUE(QDir().mkdir(made));
        }
        // A device of the test's own, so that nothing else is at stake; only root may make one.
        if (c.kind == Device && ::mknod(qPrintable(made), S_IFCHR | 0666, makedev(1, 3)) != 0)
            continue;
        if (c.linked) {
            ASSERT_TRUE(QFile::link(made, settingsFile()));
        }
        struct stat before;
        ASSERT_EQ(::stat(qPrintable(settingsFile()), &before), 0);

        std::optional<FifoRescue> rescue;
        if (c.kind == Pipe)
            rescue.emplace(made.toStdString());
        testing::internal::CaptureStderr();
        Form1 &form = startedWindow();
        EXPECT_NE(testing::internal::GetCapturedStderr().find(settingsFile().toStdString()), std::string::npos);
        EXPECT_EQ(form.HScroll1->value(), 30);
        const FailedExit ended = exitThroughTheBox(form);
        EXPECT_EQ(ended.status, 1);
        EXPECT_FALSE(rescue && rescue->stop()) << "the window waited on the pipe";
        EXPECT_TRUE(ended.box.text.contains(c.told)) << ended.box.text.toStdString();

        struct stat after;
        ASSERT_EQ(::stat(qPrintable(settingsFile()), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode) << "replaced";
        EXPECT_EQ(after.st_ino, before.st_ino) << "replaced";
        EXPECT_EQ(QFileInfo(settingsFile()).isSymLink(), c.linked);
        QFile::remove(settingsFile());
        QDir().rmdir(made);
        QFile::remove(made);
    }
}

TEST_F(SettingsTest, ARelativeConfigFolderIsIgnoredAsForThePortLinks)
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", configPath().toUtf8());
    qputenv("XDG_CONFIG_HOME", "relative");
    const QString portLink = QString::fromStdString(calclink::portLinkPath(1));
    Form1 &form = startedWindow();
    EXPECT_TRUE(runUntilProgramEnds([&] { form.mnuExit->trigger(); }));
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", configPath().toUtf8());
    EXPECT_EQ(portLink, configPath() + "/.config/Ekrano/ports/COM1");
    EXPECT_TRUE(QFile::exists(configPath() + "/.config/Ekrano/Ekrano.conf")) << "beside the port links";
}

TEST_F(SettingsTest, ClosingTheWindowSavesOnceAndEndsTheProgram)
{
    Form1 &form = startedWindow();
    groupItem(form.mnuport, 4)->trigger();
    EXPECT_TRUE(runUntilProgramEnds([&] { form.close(); }));
    EXPECT_EQ(stored("port"), "4");
    // Nothing writes again: a second close or Exit after the end finds the store as it was.
    QFile::remove(settingsFile());
    form.close();
    form.mnuExit->trigger();
    EXPECT_FALSE(QFile::exists(settingsFile()));
}

TEST_F(SettingsTest, AnEarlyCloseOrAnUnreadFileNeverStoresTheDefaults)
{
    // A close (the session ending, SIGTERM) before start-up has applied the
    // stored settings, or while it does: they are applied, then saved. A
    // press of the button meanwhile captures nothing, and so cannot end the
    // wait for them early.
    store({{"port", "3"}, {"border", "1"}, {"scrollbar", "45"}});
    const struct {
        const char *when;
        bool duringStartUp, press;
    } cases[] = {{"before start-up", false, false},
                 {"during start-up", true, false},
                 {"during start-up, then a press", true, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.when);
        Form1 &form = window();
        EXPECT_TRUE(runUntilProgramEnds([&] {
            form.start();
            const auto close = [&] {
                form.endSession();
                if (c.press)
                    form.Command1->click();
            };
            if (c.duringStartUp)
                QTimer::singleShot(0, &form, close); // runs in its processEvents
            else
                close();
        }));
        EXPECT_EQ(stored("port"), "3");
        EXPECT_EQ(stored("border"), "1");
        EXPECT_EQ(stored("scrollbar"), "45");
    }

    // Not read at start (too large to be settings), readable at the end:
    // what the file holds was never shown, and it is kept.
    ASSERT_EQ(::truncate(qPrintable(settingsFile()), 2 * settingsfile::kLargest), 0);
    testing::internal::CaptureStderr();
    Form1 &form = startedWindow();
    const std::string said = testing::internal::GetCapturedStderr();
    const QByteArray kept = "[settings]\nport=3\n";
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(kept) == kept.size());
    file.close();
    EXPECT_NE(said.find("did not read its settings"), std::string::npos) << said;
    const FailedExit ended = exitThroughTheBox(form);
    EXPECT_EQ(ended.status, 1);
    EXPECT_TRUE(ended.box.text.contains("could not be read when it started")) << ended.box.text.toStdString();
    EXPECT_EQ(contentsOf(settingsFile()), kept);
}
