// Menus from tables: each row names an item (objectName), its caption, shortcut, hint and handler.
#pragma once

#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QString>
#include <span>

namespace MenuFlag
{
constexpr unsigned Checkable = 1;
constexpr unsigned Checked = 2 | Checkable;
constexpr unsigned Disabled = 4;
constexpr unsigned Hidden = 8;
// The shortcut is only shown in the caption: its twin in the menu bar owns the key.
constexpr unsigned ShowShortcutOnly = 16;
// Enabled only while a document window is open (the frame's menu-state update sees to it).
constexpr unsigned NeedsDocument = 32;
} // namespace MenuFlag

template <class Target> struct MenuRow {
    enum Kind { Item, Separator, Submenu, End };
    Kind kind = Item;
    const char* name = "";
    const char* caption = "";
    const char* shortcut = "";
    const char* hint = "";
    void (Target::*handler)() = nullptr;
    unsigned flags = 0;
    // Handler name of a command the target looks up by name (stored as the action's "command"
    // property); rows with a handler leave it empty.
    const char* command = "";
};

// Hints are "short|long": the short part is the tooltip, the long part the status-bar text;
// "@" breaks a line.
inline void applyHint(QAction* action, const QString& hint)
{
    QString text = hint;
    text.replace(QLatin1Char('@'), QLatin1Char('\n'));
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    action->setToolTip(bar < 0 ? text : text.left(bar));
    action->setStatusTip(bar < 0 ? text : text.mid(bar + 1));
}

// Appends the rows to menu; submenus nest between Submenu and End rows. Every item and submenu
// is registered under its name. Items run their handler on target.
template <class Target>
void buildMenu(QMenu* menu, std::span<const MenuRow<Target>> rows, Target* target,
               QHash<QString, QAction*>& registry)
{
    QList<QMenu*> stack{menu};
    for (const MenuRow<Target>& row : rows) {
        QMenu* current = stack.last();
        switch (row.kind) {
        case MenuRow<Target>::Separator: {
            QAction* separator = current->addSeparator();
            if (*row.name) {
                separator->setObjectName(QString::fromLatin1(row.name));
                registry.insert(separator->objectName(), separator);
            }
            break;
        }
        case MenuRow<Target>::Submenu: {
            QMenu* sub = current->addMenu(QString::fromUtf8(row.caption));
            sub->setObjectName(QString::fromLatin1(row.name));
            sub->menuAction()->setObjectName(QString::fromLatin1(row.name));
            applyHint(sub->menuAction(), QString::fromUtf8(row.hint));
            registry.insert(QString::fromLatin1(row.name), sub->menuAction());
            stack.append(sub);
            break;
        }
        case MenuRow<Target>::End:
            if (stack.size() > 1)
                stack.removeLast();
            break;
        case MenuRow<Target>::Item: {
            const QString shortcut = QString::fromLatin1(row.shortcut);
            QString caption = QString::fromUtf8(row.caption);
            auto* action = new QAction(current);
            action->setObjectName(QString::fromLatin1(row.name));
            if (row.flags & MenuFlag::ShowShortcutOnly) {
                if (!shortcut.isEmpty())
                    caption += QLatin1Char('\t') +
                               QKeySequence(shortcut).toString(QKeySequence::NativeText);
            } else if (!shortcut.isEmpty()) {
                action->setShortcut(QKeySequence(shortcut));
            }
            action->setText(caption);
            applyHint(action, QString::fromUtf8(row.hint));
            action->setCheckable(row.flags & MenuFlag::Checkable);
            action->setChecked((row.flags & MenuFlag::Checked) == MenuFlag::Checked);
            action->setEnabled(!(row.flags & MenuFlag::Disabled));
            action->setVisible(!(row.flags & MenuFlag::Hidden));
            if (row.flags & MenuFlag::NeedsDocument)
                action->setProperty("needsDocument", true);
            if (row.command && *row.command)
                action->setProperty("command", QString::fromLatin1(row.command));
            if (row.handler && target) {
                auto handler = row.handler;
                QObject::connect(action, &QAction::triggered, target,
                                 [target, handler] { (target->*handler)(); });
            }
            current->addAction(action);
            registry.insert(action->objectName(), action);
            break;
        }
        }
    }
}
