// The window as it opens: its controls, menus and the Load handler's sizes.

#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include "language.h"
#include "windowtest.h"

using LayoutTest = WindowTest;

TEST_F(LayoutTest, LoadSizesTheSurfacesAt15TwipsPerPixel)
{
    Form1 &form = window(15);
    EXPECT_EQ(form.Picture2.size(), QSize(96, 64)) << "one pixel a calculator pixel";
    EXPECT_EQ(form.Picture1->Width(), 4410);
    EXPECT_EQ(form.Picture1->Height(), 2970);
    EXPECT_EQ(form.Picture1->Left(), 75);
    EXPECT_EQ(form.Picture1->Top(), 765);
    EXPECT_EQ(form.Picture1->innerSize(), QSize(290, 194));
    EXPECT_EQ(form.zoomFactor, 3);
    EXPECT_EQ(form.linkDevice, "COM1");
    EXPECT_EQ(form.Label1->text(), "3");
}

TEST_F(LayoutTest, LoadSizesTheSurfacesAt12TwipsPerPixel)
{
    Form1 &form = window(12);
    EXPECT_EQ(form.Picture1->Width(), 3528);
    EXPECT_EQ(form.Picture1->Height(), 2376);
    EXPECT_EQ(form.centralWidget()->size(), QSize(665, 485));
}

TEST_F(LayoutTest, WindowOpensWithItsCaptionClientAreaAndControls)
{
    Form1 &form = window(15);
    form.show();
    EXPECT_EQ(form.windowTitle(), "Ekrano ver 2.0");
    EXPECT_EQ(form.windowIcon().pixmap(32, 32).size(), QSize(32, 32)) << "the icon is built into the program";
    EXPECT_EQ(form.centralWidget()->size(), QSize(532, 388));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "a fixed border";
    EXPECT_EQ(form.Command1->text(), "&Screenshot to Clipboard");
    EXPECT_EQ(form.Check1->text(), "Border");
    EXPECT_EQ(checkBoxValue(form.Check1), 0);
    EXPECT_EQ(form.HScroll1->minimum(), 0);
    EXPECT_EQ(form.HScroll1->maximum(), 50);
    EXPECT_EQ(form.HScroll1->value(), 30);
    EXPECT_TRUE(form.Label2->text().startsWith("Ekrano version 2"));
    EXPECT_TRUE(form.Picture1->isVisible());

    // The keyboard starts on the button and moves through the scroll bar, the display and the check box.
    EXPECT_EQ(form.focusWidget(), form.Command1);
    EXPECT_EQ(form.Command1->nextInFocusChain(), form.HScroll1);
}

// In English and in every translation: seen whole at the smallest zooms, the
// credits fit their label with the font the desktop falls back to; the
// button's caption is no wider than the English one; and each menu, and the
// menu bar with the button, has an access key for each item, none twice.
TEST_F(LayoutTest, EachLanguageFitsTheWindowWithItsOwnAccessKeys)
{
    const int englishCaption = window(15).Command1->sizeHint().width();
    for (const char *language : {"en", "fr", "de", "es", "nl", "sv"}) {
        SCOPED_TRACE(language);
        const language::Translations translations({language});
        translations.install();
        ASSERT_EQ(translations.language().isEmpty(), QString(language) == "en");
        const Form1 &form = window(15);
        const QLabel &credits = *form.Label2;
        const QRect needed = credits.fontMetrics().boundingRect(
            QRect(0, 0, credits.width(), 10 * credits.height()), int(credits.alignment()) | Qt::TextWordWrap,
            credits.text());
        EXPECT_LE(needed.height(), credits.height()) << credits.font().family().toStdString();
        EXPECT_LE(needed.width(), credits.width());
        EXPECT_LE(form.Command1->sizeHint().width(), std::max(form.Command1->width(), englishCaption));

        const auto expectOneKeyEach = [](const QStringList &captions) {
            QStringList keys;
            for (const QString &caption : captions) {
                const QString key = QKeySequence::mnemonic(caption).toString();
                EXPECT_FALSE(key.isEmpty() || keys.contains(key)) << caption.toStdString();
                keys << key;
            }
        };
        QStringList bar{form.Command1->text()};
        for (QAction *menu : form.menuBar()->actions())
            bar << menu->text();
        expectOneKeyEach(bar);
        expectOneKeyEach({form.mnuNew->text(), form.mnuExit->text()});
        expectOneKeyEach({form.mnuForeground->text(), form.mnuBackground->title()});
    }
}

// Qt's own dialogs speak the language too, from Debian's Qt translations
// (make test installs them), with their Cancel button even where those lack it.
TEST_F(LayoutTest, QtsOwnDialogsAreInTheLanguage)
{
    const language::Translations translations({"sv"});
    translations.install();
    EXPECT_EQ(QCoreApplication::translate("QColorDialog", "&Red:"), "&Röd:");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Avbryt");
}

TEST_F(LayoutTest, MenusHoldTheirItemsAndStartingTicks)
{
    Form1 &form = window(15);
    QStringList bar;
    for (QAction *menu : form.menuBar()->actions())
        bar << menu->text();
    EXPECT_EQ(bar, QStringList({"&File", "&Link Settings", "&Colors"}));

    QStringList link;
    for (QAction *item : form.mnuComm->actions())
        link << (item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(link, QStringList({"COM1", "COM2", "COM3", "COM4", "-", "Black", "Gray", "USB"}));
    EXPECT_EQ(form.mnuport->actions().size(), 4);
    EXPECT_EQ(form.mnuCableType->actions().size(), 3);
    EXPECT_EQ(groupItem(form.mnuport, 4)->text(), "COM4");
    EXPECT_EQ(groupItem(form.mnuCableType, 0)->text(), "Black");
    EXPECT_EQ(tickedItem(form.mnuport), 1);
    EXPECT_EQ(tickedItem(form.mnuCableType), 0);

    EXPECT_EQ(form.mnuNew->text(), "&New");
    EXPECT_EQ(form.mnuExit->text(), "E&xit");
    EXPECT_EQ(form.mnuForeground->text(), "&Foreground");
    EXPECT_EQ(form.mnuBackground->title(), "&Background");
    for (QAction *item : {form.mnuSolid, form.mnuGradient, form.mnuHorizontal})
        EXPECT_FALSE(item->isChecked()) << item->text().toStdString();
}

TEST_F(LayoutTest, ClickingAMenuItemChangesTicksOnlyThroughItsHandler)
{
    Form1 &form = window(15);
    groupItem(form.mnuCableType, 1)->trigger(); // as a user's click does
    EXPECT_EQ(tickedItem(form.mnuCableType), 1);
    groupItem(form.mnuCableType, 1)->trigger(); // the ticked one again stays ticked
    EXPECT_EQ(tickedItem(form.mnuCableType), 1);
    groupItem(form.mnuport, 3)->trigger();
    EXPECT_EQ(tickedItem(form.mnuport), 3);
    EXPECT_EQ(form.linkDevice, "COM3");

    groupItem(form.mnuCableType, 2)->trigger();
    for (QAction *port : form.mnuport->actions())
        EXPECT_FALSE(port->isEnabled()) << "USB greys the ports";
    EXPECT_EQ(tickedItem(form.mnuport), 3) << "and the port keeps its tick";
    groupItem(form.mnuCableType, 0)->trigger();
    for (QAction *port : form.mnuport->actions())
        EXPECT_TRUE(port->isEnabled());

    form.mnuSolid->setChecked(true);
    form.mnuGradient->setChecked(true);
    EXPECT_FALSE(form.mnuSolid->isChecked()) << "Solid and Gradient exclude each other";
}

TEST_F(LayoutTest, TheDisplaySizesInWholePixelsAndShowsBackColorWhereItsPictureDoesNotReach)
{
    Form1 &form = window(15);
    form.show();
    Surface &display = *form.Picture1;
    display.setWidth(3676); // 245.07 pixels
    EXPECT_EQ(display.Width(), 3675) << "the width reads back as applied";
    EXPECT_EQ(display.innerSize().width(), 241) << "the frame takes two pixels on each side";
    display.setBackColor(raster::rgb(0, 200, 0));
    QImage small(10, 10, QImage::Format_RGB32);
    small.fill(qRgb(0, 0, 0));
    display.setImage(small);
    const QImage shown = display.grab().toImage();
    EXPECT_EQ(shown.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(12, 2), qRgb(0, 200, 0));
    EXPECT_EQ(shown.pixel(2, 12), qRgb(0, 200, 0));
    display.setWidth(30); // two pixels: smaller than the frame
    EXPECT_TRUE(display.innerSize().isEmpty());
}
