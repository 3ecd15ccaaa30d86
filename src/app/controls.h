#pragma once

#include <QAction>
#include <QCheckBox>

#include <functional>
#include <vector>

// Small adapters that give Qt's widgets the behaviour the window's handlers
// are written against.

// A check box's Value: 0 clear, 1 ticked, 2 greyed. (Qt numbers its states
// 0, 1 = partially, 2 = checked, so the two must not be mixed.)
int checkBoxValue(const QCheckBox *box);
void setCheckBoxValue(QCheckBox *box, int value);

// Binds a menu item's Click to a handler. A checkable QAction flips its own
// check mark before it reports the trigger; menu items here change their
// check marks only where a handler says so, so the flip is undone first.
void onClick(QAction *item, std::function<void()> handler);

// Menu items that share one name and are told apart by an index from
// `lowerBound` on, with one Click handler for the group that receives the index.
class ItemGroup {
public:
    explicit ItemGroup(int lowerBound) : lowerBound_(lowerBound) {}

    void add(QAction *item) { items_.push_back(item); }
    QAction *operator[](int index) const { return items_.at(size_t(index - lowerBound_)); }
    int Count() const { return int(items_.size()); }
    void onClick(std::function<void(int index)> handler);

private:
    int lowerBound_;
    std::vector<QAction *> items_;
};
