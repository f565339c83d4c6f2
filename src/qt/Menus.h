// Building menus from their stored layout: each item carries its control name as its object
// name, and items hidden in the layout exist but are not shown.
#pragma once

#include <QAction>
#include <QMenu>
#include <functional>

namespace korvane {

inline QAction* AddMenuItem(QMenu* menu, const QString& caption, const QString& name,
                            std::function<void()> onClick, bool visible = true) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setVisible(visible);
    if (onClick) QObject::connect(action, &QAction::triggered, menu, std::move(onClick));
    return action;
}

inline QAction* AddSeparator(QMenu* menu, const QString& name = {}, bool visible = true) {
    QAction* action = menu->addSeparator();
    action->setObjectName(name);
    action->setVisible(visible);
    return action;
}

inline QMenu* AddSubmenu(QMenu* menu, const QString& caption, const QString& name,
                         bool visible = true) {
    QMenu* sub = menu->addMenu(caption);
    sub->setObjectName(name);
    sub->menuAction()->setObjectName(name);
    sub->menuAction()->setVisible(visible);
    return sub;
}

}  // namespace korvane
