#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QWidget>

// What the editor window's commands share, wherever they are set up. Their
// texts belong to the window, whichever object makes them.

// A function, so that the text is translated once a translator is installed.
inline QString BankFilter()
{
    return QCoreApplication::translate("BankEditorWindow", "Question banks (*.tqz);;All files (*)");
}

// Why a save failed, as every command that saves tells it.
inline QString SaveFailedText(const QString &path, const QString &error)
{
    return QCoreApplication::translate("BankEditorWindow", "“%1” could not be saved: %2. The file on disk is unchanged.")
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
