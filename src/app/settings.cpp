// The six choices the program remembers from one run to the next, read when
// the window first becomes active and written once when the program ends.

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QCheckBox>
#include <QScrollBar>
#include <QSettings>

#include <cstdio>

#include "controls.h"
#include "form1.h"
#include "storedvalue.h"
#include "surface.h"

namespace {

// The per-user store: organisation and application "Ekrano", section "settings".
struct SettingsStore {
    QSettings settings{"Ekrano", "Ekrano"};
    SettingsStore() { settings.beginGroup("settings"); }

    double number(const char *key)
    {
        const QVariant value = settings.value(key);
        // A hand-edited value with a comma in it comes back as a list.
        const QString text = value.typeId() == QMetaType::QStringList ? value.toStringList().join(',')
                                                                       : value.toString();
        return storedvalue::textToNumber(text.toStdString());
    }
};

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
    SettingsStore store;
    int port = menuIndex(store.number("port"), 4);
    const int cable = menuIndex(store.number("cable"), 2);
    const int border = menuIndex(store.number("border"), 1);
    const int scroll = scrollValue(store.number("scrollbar"), HScroll1->maximum());
    const raster::Colour fore = colour(store.number("forecolor"));
    raster::Colour back = colour(store.number("backcolor"));

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
}

void Form1::mnuExit_Click()
{
    // Whatever comes after (the close that follows quitting, a second close
    // request) finds the settings written and the program ending.
    if (ended_)
        return;
    ended_ = true;

    // The ticked items; none ticked is saved as the empty text.
    const std::optional<int> portItem = tickedItem(mnuport), cableItem = tickedItem(mnuCableType);
    const QString port = portItem ? QString::number(*portItem) : QString();
    const QString cable = cableItem ? QString::number(*cableItem) : QString();

    SettingsStore store;
    // A damaged file that was read leaves QSettings' status at FormatError
    // even when the new settings replace it, so only a store that cannot be
    // written, or an access error while writing, means they were not saved.
    const bool writable = store.settings.isWritable();
    store.settings.setValue("port", port);
    store.settings.setValue("cable", cable);
    store.settings.setValue("border", QString::number(checkBoxValue(Check1)));
    store.settings.setValue("forecolor", QString::number(Picture1->ForeColor()));
    store.settings.setValue("backcolor", QString::number(Picture1->BackColor()));
    store.settings.setValue("scrollbar", QString::number(HScroll1->value()));
    // QSettings replaces the file atomically: a crash leaves the old one or the new one.
    store.settings.sync();
    if (!writable || store.settings.status() == QSettings::AccessError)
        std::fprintf(stderr, "Ekrano: could not save the settings: %s cannot be written\n",
                     qPrintable(store.settings.fileName()));

    QCoreApplication::exit(0);
}
