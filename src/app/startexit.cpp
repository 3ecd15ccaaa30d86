// Start and exit: the six choices the program remembers from one run to the
// next, read and applied when the window first becomes active, and written
// once when the program ends, by File, Exit, by closing the window or with
// the desktop session.

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QScrollBar>

#include <cstdio>

#include "controls.h"
#include "form1.h"
#include "linkchoice.h"
#include "settingsfile.h"
#include "surface.h"

void Form1::Form_Activate()
{
    const settingsfile::Choices stored = settingsfile::read(&settingsRefused_);
    Picture1->setForeColor(stored.forecolor);
    Picture1->setBackColor(stored.backcolor);

    // Ticking an item of a group unticks the others.
    groupItem(mnuport, stored.link.port)->setChecked(true);
    groupItem(mnuCableType, stored.link.cable)->setChecked(true);
    if (stored.link.cable == calclink::LinkChoice::Usb)
        mnuport->setEnabled(false);

    QCoreApplication::processEvents();

    setCheckBoxValue(Check1, stored.border); // a change raises Check1's Click
    HScroll1->setValue(stored.scrollbar);    // a change raises HScroll1's Change

    Redraw();
    enter(Ready{}); // or Ending, when a close came meanwhile
}

void Form1::mnuExit_Click() { enter(Ending{}); }

void Form1::endSession()
{
    endAsked_ = EndAsked::BySession;
    close();
}

// Entering Ending: the settings written, or the user told why they could
// not be. Whatever comes after (the close that follows quitting, a second
// close request) finds the program ending, and writes nothing again.
bool Form1::saveSettings()
{
    // The ticked items, read as the capture reads them.
    settingsfile::Choices choices;
    choices.link = calclink::LinkChoice::ofMenus(tickedItem(mnuCableType), tickedItem(mnuport));
    choices.border = checkBoxValue(Check1);
    choices.forecolor = Picture1->ForeColor();
    choices.backcolor = Picture1->BackColor();
    choices.scrollbar = HScroll1->value();

    const QString failure = settingsfile::write(choices, settingsRefused_);
    if (failure.isEmpty())
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(failure));
    // A person who chose to leave is told before the window goes; a
    // session that is ending has nobody to press OK.
    if (endAsked_ != EndAsked::BySession) {
        QMessageBox box(QMessageBox::NoIcon, "Ekrano", failure, QMessageBox::Ok, this);
        std::get<Ending>(state_).box = &box;
        box.exec();
    }
    return false;
}
