// The six choices the program remembers from one run to the next, read when
// the window first becomes active and written once when the program ends.

#include <QCoreApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QScrollBar>

#include <cstdio>

#include "form1.h"
#include "settingsfile.h"
#include "storedvalue.h"
#include "surface.h"

namespace {

double number(const QString &text) { return storedvalue::textToNumber(text.toStdString()); }

// Values the program never writes name no menu item, are refused by the
// control or grey the check box, so they count as absent: the key's default.
int menuIndex(double number, int highest)
{
    const auto value = storedvalue::toInt16(number);
    return value && *value >= 0 && *value <= highest ? *value : 0;
}

int scrollValue(double number, int maximum)
{
    const auto value = storedvalue::toInt16(number);
    return value && *value <= maximum ? *value : 0;
}

raster::Colour colour(double number)
{
    const auto value = storedvalue::toInt32(number);
    return value && *value >= 0 && *value <= raster::kWhite ? *value : raster::kBlack;
}

} // namespace

void Form1::Form_Activate()
{
    const settingsfile::Texts stored = settingsfile::read();
    int port = menuIndex(number(stored.port), 4);
    const int cable = menuIndex(number(stored.cable), 2);
    const int border = menuIndex(number(stored.border), 1);
    const int scroll = scrollValue(number(stored.scrollbar), HScroll1->maximum());
    const raster::Colour fore = colour(number(stored.forecolor));
    raster::Colour back = colour(number(stored.backcolor));

    if (fore == back)
        back = raster::kWhite;
    Picture1->setForeColor(fore);
    Picture1->setBackColor(back);

    for (int i = 1; i <= 4; ++i)
        mnuport[i]->setChecked(false);
    if (port == 0)
        port = 1;
    mnuport[port]->setChecked(true);

    for (int i = 0; i <= 2; ++i)
        mnuCableType[i]->setChecked(false);
    mnuCableType[cable]->setChecked(true);

    if (cable == 2)
        for (int i = 1; i <= 4; ++i)
            mnuport[i]->setEnabled(false);

    QCoreApplication::processEvents();

    setCheckBoxValue(Check1, border); // a change raises Check1's Click
    if (scroll > 0)
        HScroll1->setValue(scroll); // a change raises HScroll1's Change

    Redraw();
}

void Form1::mnuExit_Click()
{
    // Whatever comes after (the close that follows quitting, a second close
    // request) finds the settings written and the program ending.
    if (ended_)
        return;
    ended_ = true;

    settingsfile::Texts texts;
    for (int i = 1; i <= 4; ++i)
        if (mnuport[i]->isChecked())
            texts.port = QString::number(i);
    for (int i = 0; i <= 2; ++i)
        if (mnuCableType[i]->isChecked())
            texts.cable = QString::number(i);
    texts.border = QString::number(checkBoxValue(Check1));
    texts.forecolor = QString::number(Picture1->ForeColor());
    texts.backcolor = QString::number(Picture1->BackColor());
    texts.scrollbar = QString::number(HScroll1->value());

    const QString failure = settingsfile::write(texts);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        // A person who chose to leave is told before the window goes; a
        // session that is ending has nobody to press OK.
        if (!endingSession_) {
            QMessageBox box(QMessageBox::NoIcon, "Ekrano", failure, QMessageBox::Ok, this);
            failureBox_ = &box;
            box.exec();
            failureBox_ = nullptr;
        }
    }
    QCoreApplication::exit(failure.isEmpty() ? 0 : 1);
}

void Form1::endSession()
{
    endingSession_ = true;
    if (failureBox_)
        failureBox_->reject();
    else
        close();
}
