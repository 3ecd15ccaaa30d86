// The Link Settings menu: exactly one port and one cable are ticked, and the
// ports can be chosen only while a serial cable is.

#include "form1.h"

void Form1::mnuport_Click(int index)
{
    linkDevice = "COM" + QString::number(index).right(1);
    for (int i = 1; i <= 4; ++i)
        mnuport[i]->setChecked(false);
    mnuport[index]->setChecked(true);
}

void Form1::mnuCableType_Click(int index)
{
    for (int i = 0; i <= 2; ++i)
        mnuCableType[i]->setChecked(false);
    mnuCableType[index]->setChecked(true);
    // A disabled port item keeps its tick, for when a serial cable comes back.
    for (int i = 1; i <= 4; ++i)
        mnuport[i]->setEnabled(index != 2);
}
