// The desktop program on the offscreen platform with scripted message boxes and file dialogs,
// and a scratch folder for the files it writes.
#pragma once

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "qt/DocumentWindow.h"
#include "qt/MainWindow.h"
#include "support/ScriptedServices.h"

namespace korvane::testing {

struct Desktop {
    Desktop() : window(std::make_unique<MainWindow>(messages, dialogs)) {
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowExposed(window.get());
        QApplication::processEvents();
    }

    // A menu item or sub-menu of the program by its control name.
    QAction* Item(const char* name) const {
        QAction* action = window->findChild<QAction*>(name);
        if (!action) qFatal("no menu item %s", name);
        return action;
    }
    void Click(const char* name) const { Item(name)->trigger(); }

    std::string Path(const QString& name) const {
        return QDir(folder.path()).filePath(name).toStdString();
    }
    QByteArray Read(const QString& name) const {
        QFile f(QString::fromStdString(Path(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    DocumentController& form() { return window->Document(); }
    DesignDocument& doc() { return window->Document().doc; }
    MainController& main() { return window->Main(); }

    ScriptedMessageBox messages;
    ScriptedFileDialog dialogs;
    QTemporaryDir folder;
    std::unique_ptr<MainWindow> window;
};

// An item's caption without its mnemonic marks ("&&" is a plain ampersand) and without the
// key shown after it.
inline QString Caption(const QAction* a) {
    QString text = a->text().section('\t', 0, 0);
    text.replace("&&", QChar(1)).remove('&').replace(QChar(1), "&");
    return text;
}

// The texts of the visible entries of a menu bar or menu.
inline QStringList VisibleTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* a : actions)
        if (a->isVisible()) texts << (a->isSeparator() ? QString("-") : Caption(a));
    return texts;
}

// The items of a menu, and of the menus under it, whose mnemonic an earlier visible item of the
// same menu already has: Alt and that letter would not choose them.
inline QStringList SharedMnemonics(const QList<QAction*>& actions) {
    QStringList shared;
    QHash<QChar, QString> taken;
    for (QAction* a : actions) {
        if (!a->isVisible() || a->isSeparator()) continue;
        const QString text = a->text();
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != '&') continue;
            if (text[i + 1] == '&') {
                ++i;
                continue;
            }
            const QChar key = text[i + 1].toLower();
            if (taken.contains(key)) {
                shared << taken[key] + " / " + text;
            } else {
                taken.insert(key, text);
            }
            break;
        }
        if (a->menu()) shared << SharedMnemonics(a->menu()->actions());
    }
    return shared;
}

}  // namespace korvane::testing
