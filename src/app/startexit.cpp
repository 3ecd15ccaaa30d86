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

#include "capture.h"
#include "controls.h"
#include "form1.h"
#include "settingsfile.h"
#include "surface.h"

void Form1::Form_Activate()
{
    const settingsfile::Choices stored = settingsfile::choices(settingsfile::read(&settingsRefused_));
    Picture1->setForeColor(stored.forecolor);
    Picture1->setBackColor(stored.backcolor);

    // Ticking an item of a group unticks the others.
    groupItem(mnuport, stored.port)->setChecked(true);
    groupItem(mnuCableType, stored.cable)->setChecked(true);
    if (stored.cable == calclink::kMenuUsb)
        mnuport->setEnabled(false);

    QCoreApplication::processEvents();

    setCheckBoxValue(Check1, stored.border); // a change raises Check1's Click
    HScroll1->setValue(stored.scrollbar);    // a change raises HScroll1's Change

    Redraw();
    enter(State::Ready);
}

void Form1::mnuExit_Click()
{
    // Whatever comes after (the close that follows quitting, a second close
    // request) finds the settings written and the program ending.
    if (state_ == State::Ending || state_ == State::Ended)
        return;
    enter(State::Ending);

    // The ticked items; none ticked is saved as the empty text.
    settingsfile::Texts texts;
    if (const std::optional<int> port = tickedItem(mnuport))
        texts.port = QString::number(*port);
    if (const std::optional<int> cable = tickedItem(mnuCableType))
        texts.cable = QString::number(*cable);
    texts.border = QString::number(checkBoxValue(Check1));
    texts.forecolor = QString::number(Picture1->ForeColor());
    texts.backcolor = QString::number(Picture1->BackColor());
    texts.scrollbar = QString::number(HScroll1->value());

    const QString failure = settingsfile::write(texts, settingsRefused_);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        // A person who chose to leave is told before the window goes; a
        // session that is ending has nobody to press OK.
        if (!unattended_) {
            QMessageBox box(QMessageBox::NoIcon, "Ekrano", failure, QMessageBox::Ok, this);
            box_ = &box;
            box.exec();
            box_ = nullptr;
        }
    }
    enter(State::Ended);
    QCoreApplication::exit(failure.isEmpty() ? 0 : 1);
}

void Form1::endSession()
{
    unattended_ = true;
    if (state_ == State::Ending && box_)
        box_->reject();
    else
        close();
}
