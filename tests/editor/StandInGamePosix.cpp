#include "tests/editor/StandInGame.h"

#include "tests/editor/TestFiles.h"

#include <QDir>
#include <QFile>

QString MakeStandInGame(const QString &folder, const QString &log)
{
    QDir().mkpath(folder);
    const QString game = folder + QStringLiteral("/korvwin");
    const QByteArray quoted = "'" + QFile::encodeName(log) + "'";
    WriteFile(game, "#!/bin/sh\npwd > " + quoted + "\ncp quarl3.tqz " + quoted.chopped(1) + ".tqz'\n");
    QFile::setPermissions(game, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return game;
}

void PutFirstOnPath(const QString &folder)
{
    static const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(folder) + ':' + path);
}

QString PlayedFolder(const QString &log)
{
    return QString::fromLocal8Bit(ReadFile(log).trimmed());
}
