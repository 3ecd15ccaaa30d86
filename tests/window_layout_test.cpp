// The window as it opens: its controls, menus and the Load handler's sizes.

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include "windowtest.h"

using LayoutTest = WindowTest;

TEST_F(LayoutTest, LoadSizesTheSurfacesAt15TwipsPerPixel)
{
    Form1 &form = window(15);
    EXPECT_EQ(form.Picture2->Width(), 1440);
    EXPECT_EQ(form.Picture2->Height(), 960);
    EXPECT_EQ(form.Picture2->ScaleWidth(), 96);
    EXPECT_EQ(form.Picture2->ScaleHeight(), 64);
    EXPECT_EQ(form.Picture1->Width(), 4410);
    EXPECT_EQ(form.Picture1->Height(), 2970);
    EXPECT_EQ(form.Picture1->Left(), 75);
    EXPECT_EQ(form.Picture1->Top(), 765);
    EXPECT_EQ(form.Picture1->Image().size(), QSize(290, 194));
    EXPECT_EQ(form.zoomFactor, 3);
    EXPECT_EQ(form.linkDevice, "COM1");
    EXPECT_EQ(form.Label1->text(), "3");
}

TEST_F(LayoutTest, LoadSizesTheSurfacesAt12TwipsPerPixel)
{
    Form1 &form = window(12);
    EXPECT_EQ(form.Picture2->Width(), 1152);
    EXPECT_EQ(form.Picture2->Height(), 768);
    EXPECT_EQ(form.Picture2->Image().size(), QSize(96, 64));
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
    EXPECT_EQ(form.Command1->geometry(), QRect(194, 1, 146, 25));
    EXPECT_EQ(form.Check1->text(), "Border");
    EXPECT_EQ(checkBoxValue(form.Check1), 0);
    EXPECT_EQ(form.HScroll1->minimum(), 0);
    EXPECT_EQ(form.HScroll1->maximum(), 50);
    EXPECT_EQ(form.HScroll1->value(), 30);
    EXPECT_EQ(form.HScroll1->geometry(), QRect(6, 31, 500, 16));
    EXPECT_TRUE(form.Label2->text().startsWith("Ekrano version 2"));
    EXPECT_TRUE(form.Picture1->isVisible());
    EXPECT_FALSE(form.Picture2->isVisible());

    // The keyboard starts on the button and moves through the scroll bar, the display and the check box.
    EXPECT_EQ(form.focusWidget(), form.Command1);
    EXPECT_EQ(form.Command1->nextInFocusChain(), form.HScroll1);
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
    EXPECT_EQ(form.mnuport.Count(), 4);
    EXPECT_EQ(form.mnuCableType.Count(), 3);
    EXPECT_EQ(form.mnuport[1]->text(), "COM1");
    EXPECT_EQ(form.mnuCableType[0]->text(), "Black");
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(form.mnuport[i]->isChecked(), i == 1);
    for (int i = 0; i <= 2; ++i)
        EXPECT_EQ(form.mnuCableType[i]->isChecked(), i == 0);

    EXPECT_EQ(form.mnuNew->text(), "&New");
    EXPECT_EQ(form.mnuExit->text(), "E&xit");
    EXPECT_EQ(form.mnuForeground->text(), "&Foreground");
    EXPECT_EQ(form.mnuBackground->title(), "&Background");
    for (QAction *item : {form.mnuSolid, form.mnuGradient, form.mnuHorizontal})
        EXPECT_FALSE(item->isChecked()) << item->text().toStdString();
    for (QAction *item : form.findChildren<QAction *>())
        EXPECT_TRUE(item->shortcut().isEmpty()) << item->text().toStdString();
}

TEST_F(LayoutTest, ClickingAMenuItemChangesTicksOnlyThroughItsHandler)
{
    Form1 &form = window(15);
    form.mnuCableType[1]->trigger(); // as a user's click does
    EXPECT_TRUE(form.mnuCableType[1]->isChecked());
    EXPECT_FALSE(form.mnuCableType[0]->isChecked());
    form.mnuCableType[1]->trigger(); // the ticked one again stays ticked
    EXPECT_TRUE(form.mnuCableType[1]->isChecked());
    form.mnuport[3]->trigger();
    EXPECT_TRUE(form.mnuport[3]->isChecked());
    EXPECT_FALSE(form.mnuport[1]->isChecked());
    EXPECT_EQ(form.linkDevice, "COM3");
}
