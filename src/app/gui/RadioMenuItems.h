#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QAction;
class QActionGroup;
class QMenu;

namespace Lecterna {

// A list of radio items shown in several menus at once: the encoding items (the tool bar's
// "Кодировка" drop-down and the two "&Кодировка" submenus) and the segment items (the status
// bar's segment menu and its copy in the context menu). Every menu holds the same actions, so an
// item has the same index everywhere and its check mark is shown in all menus.
class RadioMenuItems : public QObject {
    Q_OBJECT
public:
    // A caption that stands for a separator; it still takes an index.
    static QString separator() { return QStringLiteral("-"); }

    explicit RadioMenuItems(QObject* parent = nullptr);

    // Shows the items in `menu` too, now and after every setItems().
    void attach(QMenu* menu);
    // Replaces the items of every attached menu; no item is checked afterwards.
    void setItems(const QStringList& captions);

    int count() const { return int(m_items.size()); }
    QAction* item(int index) const;
    // True when `index` names an item that can be chosen (in range and not a separator).
    bool isChoice(int index) const;

    // Checks item `index` in every menu; an index that is not a choice clears the check.
    void setCurrent(int index);
    int current() const;

    void setEnabled(bool enabled);

signals:
    // The reader picked an item in one of the menus.
    void chosen(int index);

private:
    QActionGroup* m_group;
    QList<QAction*> m_items;
    QList<QPointer<QMenu>> m_menus;
    bool m_enabled = true;
};

} // namespace Lecterna
