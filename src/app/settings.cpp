// The six choices the program remembers from one run to the next, read when
// the window first becomes active and written once when the program ends.

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QScrollBar>

#include <cstdio>

#include "controls.h"
#include "form1.h"
#include "settingsfile.h"
#include "surface.h"

void Form1::Form_Activate()
{
    const settingsfile::Choices stored = settingsfile::choices(settingsfile::read(&settingsRefused_));
    int port = stored.port;
    const int cable = stored.cable;
    const int border = stored.border;
    const int scroll = stored.scrollbar;
    const raster::Colour fore = stored.forecolor;
    raster::Colour back = stored.backcolor;

    if (fore == back)
        back = raster::kWhite;
    Picture1->setForeColor(fore);
    Picture1->setBackColor(back);

    // Ticking an item of a group unticks the others.
    if (port == 0)
        port = 1;
    groupItem(mnuport, port)->setChecked(true);
    groupItem(mnuCableType, cable)->setChecked(true);

    if (cable == 2)
        mnuport->setEnabled(false);

    QCoreApplication::processEvents();

    setCheckBoxValue(Check1, border); // a change raises Check1's Click
    if (scroll > 0)
        HScroll1->setValue(scroll); // a change raises HScroll1's Change

    Redraw();
    activated_ = true;
    if (closeRequested_)
        close();
}

void Form1::mnuExit_Click()
{
    // Whatever comes after (the close that follows quitting, a second close
    // request) finds the settings written and the program ending.
    if (ended_)
        return;
    ended_ = true;

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
