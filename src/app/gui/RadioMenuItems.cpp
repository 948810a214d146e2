#include "app/gui/RadioMenuItems.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace Lecterna {

RadioMenuItems::RadioMenuItems(QObject* parent) : QObject(parent), m_group(new QActionGroup(this)) {
    connect(m_group, &QActionGroup::triggered, this, [this](QAction* action) { emit chosen(action->data().toInt()); });
}

void RadioMenuItems::attach(QMenu* menu) {
    m_menus.append(menu);
    menu->addActions(m_items);
}

void RadioMenuItems::setItems(const QStringList& captions) {
    qDeleteAll(m_items);
    m_items.clear();
    for (int i = 0; i < captions.size(); ++i) {
        auto* action = new QAction(this);
        action->setData(i);
        if (captions[i] == separator()) {
            action->setSeparator(true);
        } else {
            action->setText(captions[i]);
            action->setCheckable(true);
            action->setActionGroup(m_group);
            action->setEnabled(m_enabled);
        }
        m_items.append(action);
    }
    for (const QPointer<QMenu>& menu : std::as_const(m_menus))
        if (menu)
            menu->addActions(m_items);
}

QAction* RadioMenuItems::item(int index) const {
    return index >= 0 && index < count() ? m_items[index] : nullptr;
}

bool RadioMenuItems::isChoice(int index) const {
    const QAction* action = item(index);
    return action && !action->isSeparator();
}

void RadioMenuItems::setCurrent(int index) {
    if (isChoice(index)) {
        m_items[index]->setChecked(true);
        return;
    }
    // An exclusive group keeps one item checked; lift that rule for the moment of clearing. The
    // group's own idea of its checked item goes stale then, so current() looks at the items.
    m_group->setExclusive(false);
    for (QAction* action : std::as_const(m_items))
        action->setChecked(false);
    m_group->setExclusive(true);
}

int RadioMenuItems::current() const {
    for (const QAction* action : m_items)
        if (action->isChecked())
            return action->data().toInt();
    return -1;
}

void RadioMenuItems::setEnabled(bool enabled) {
    m_enabled = enabled;
    for (QAction* action : std::as_const(m_items))
        if (!action->isSeparator())
            action->setEnabled(enabled);
}

} // namespace Lecterna
