#pragma once

#include <optional>

class QAction;
class QActionGroup;
class QCheckBox;
class QPushButton;
class QScrollBar;

// Small adapters that give Qt's widgets the behaviour the window's handlers
// are written against.

// A check box's Value: 0 clear, 1 ticked, 2 greyed. (Qt numbers its states
// 0, 1 = partially, 2 = checked, so the two must not be mixed.)
int checkBoxValue(const QCheckBox *box);
void setCheckBoxValue(QCheckBox *box, int value);

// Menu items that share one name are told apart by a number, kept in each
// item's data: the item of a group with that number (nullptr if none has
// it), and the number of the ticked item (none when no item is ticked).
QAction *groupItem(const QActionGroup *group, int index);
std::optional<int> tickedItem(const QActionGroup *group);

// Return and Enter press `button` while it has the focus, as they press a
// dialog's buttons; Qt leaves them to dialogs only.
void pressOnEnter(QPushButton *button);

// Left and Right move a horizontal scroll bar's thumb, and its value, the
// way the arrow points. Qt inverts a scroll bar's controls so that the wheel
// turned down moves it on, and with them these two keys alone.
void arrowsAlongTheBar(QScrollBar *bar);
