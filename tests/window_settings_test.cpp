// The six remembered choices: read and applied at start, written once at exit.

#include <QActionGroup>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QScrollBar>

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
    static int tickedPort(Form1 &form) { return tickedItem(form.mnuport).value_or(0); }
    static int tickedCable(Form1 &form) { return tickedItem(form.mnuCableType).value_or(-1); }
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

TEST_F(SettingsTest, ABackgroundEqualToTheForegroundBecomesWhite)
{
    store({{"forecolor", "255"}, {"backcolor", "255"}});
    Form1 &form = startedWindow();
    EXPECT_EQ(form.Picture1->ForeColor(), 255);
    EXPECT_EQ(form.Picture1->BackColor(), 16777215);
    EXPECT_EQ(exitAndReadBack(form)[4], "16777215");
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
    EXPECT_EQ(said.find("could not save the settings"), std::string::npos) << "they were saved: " << said;
}

TEST_F(SettingsTest, ASettingsFolderThatCannotBeWrittenIsReportedAndTheProgramStillEnds)
{
    // A file where the settings folder belongs: neither start nor exit can use it, not even as root.
    QFile blocker(configPath() + "/Ekrano");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Form1 &form = startedWindow();
    EXPECT_EQ(form.HScroll1->value(), 30);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(runUntilProgramEnds([&] { form.mnuExit->trigger(); }));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("could not save the settings"), std::string::npos) << said;
    EXPECT_NE(said.find("Ekrano.conf"), std::string::npos) << said;
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
