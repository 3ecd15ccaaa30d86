// The Link Settings menu: one port and one cable are ticked, and the ports
// can be chosen only while a serial cable is.

#include <QAction>
#include <QActionGroup>

#include "controls.h"
#include "form1.h"
#include "linkchoice.h"

void Form1::mnuport_Click(int index)
{
    linkDevice = QString::fromStdString(calclink::LinkChoice::portName(index));
    // The group unticks the others.
    groupItem(mnuport, index)->setChecked(true);
}

void Form1::mnuCableType_Click(int index)
{
    groupItem(mnuCableType, index)->setChecked(true);
    // A disabled port item keeps its tick, for when a serial cable comes back.
    mnuport->setEnabled(index != calclink::LinkChoice::Usb);
}
