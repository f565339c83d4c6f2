// Building menus from their stored layout: each item carries its control name as its object
// name, and items hidden in the layout exist but are not shown.
#pragma once

#include <QAction>
#include <QMenu>
#include <QSet>
#include <functional>
#include <vector>

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

// The letter an item's caption marks with "&" ("&&" is a plain ampersand), or a null QChar.
inline QChar Mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

// Gives each item of the menu and of its submenus that has no mnemonic one that no other item
// of its menu has: the first letter of one of its words if one is free, else any free letter of
// it. A Java class name counts from its second letter ("JLabel": L).
inline void AssignMnemonics(QMenu* menu) {
    QSet<QChar> used;
    for (QAction* a : menu->actions())
        if (const QChar m = Mnemonic(a->text()); !m.isNull()) used.insert(m);
    for (QAction* a : menu->actions()) {
        QString text = a->text();
        if (a->isSeparator() || !Mnemonic(text).isNull()) continue;
        const qsizetype end = text.contains('\t') ? text.indexOf('\t') : text.size();
        const auto letter = [&](qsizetype i) { return i < end && text[i].isLetterOrNumber(); };
        std::vector<qsizetype> candidates;
        for (qsizetype i = 0; i < end; ++i) {
            if (!letter(i) || (i > 0 && letter(i - 1))) continue;
            const bool javaClass = text[i] == 'J' && i + 1 < end && text[i + 1].isUpper();
            candidates.push_back(javaClass ? i + 1 : i);
        }
        for (qsizetype i = 0; i < end; ++i)
            if (letter(i)) candidates.push_back(i);
        for (qsizetype i : candidates) {
            if (used.contains(text[i].toLower())) continue;
            used.insert(text[i].toLower());
            text.insert(i, '&');
            a->setText(text);
            break;
        }
    }
    for (QAction* a : menu->actions())
        if (a->menu()) AssignMnemonics(a->menu());
}

}  // namespace korvane
