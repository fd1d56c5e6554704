#pragma once

#include <QByteArray>
#include <QString>

// A stand-in for the game, in `folder` under the name the editor looks for
// (korvwin, or korvwin.cmd on Windows, whose PATHEXT finds it): it notes the
// folder it runs in in `log`, and copies the bank it finds there
// (quarl3.tqz) to PlayedBankFile(log). Returns its path. StandInGamePosix.cpp
// writes a shell script, StandInGameWindows.cpp a cmd script.
QString MakeStandInGame(const QString &folder, const QString &log);

// Puts the folder before the PATH the test started with, in place of any
// folder put there before.
void PutFirstOnPath(const QString &folder);

// What the stand-in noted: the folder it ran in, in Qt's form, and the
// file it copied the bank to.
QString PlayedFolder(const QString &log);
inline QString PlayedBankFile(const QString &log)
{
    return log + QStringLiteral(".tqz");
}
