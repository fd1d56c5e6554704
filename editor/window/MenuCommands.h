#pragma once

#include "editor/window/BankEditorWindow.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QList>
#include <QString>

// What the editor window's commands share, wherever they are set up.

// A function, so that the text is translated once a translator is installed.
inline QString BankFilter()
{
    return BankEditorWindow::tr("Question banks (*.tqz);;All files (*)");
}

// Why a save failed, as every command that saves tells it.
inline QString SaveFailedText(const QString &path, const QString &error)
{
    return BankEditorWindow::tr("“%1” could not be saved: %2. The file on disk is unchanged.")
        .arg(QDir::toNativeSeparators(path), error);
}

// An action of the window, named so that tests and tools can find it.
inline QAction *MakeAction(QWidget *owner, const char *name, const QString &text, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    owner->addAction(action);
    return action;
}
