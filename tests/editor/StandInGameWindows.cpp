#include "tests/editor/StandInGame.h"

#include "tests/editor/TestFiles.h"

#include <QDir>

QString MakeStandInGame(const QString &folder, const QString &log)
{
    QDir().mkpath(folder);
    const QString game = folder + QStringLiteral("/korvwin.cmd");
    const QByteArray quoted = '"' + QDir::toNativeSeparators(log).toLocal8Bit() + '"';
    WriteFile(game, "@cd > " + quoted + "\r\n@copy /b /y quarl3.tqz " + quoted.chopped(1) + ".tqz\" > NUL\r\n");
    return game;
}

void PutFirstOnPath(const QString &folder)
{
    static const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QDir::toNativeSeparators(folder).toLocal8Bit() + ';' + path);
}

QString PlayedFolder(const QString &log)
{
    return QDir::fromNativeSeparators(QString::fromLocal8Bit(ReadFile(log).trimmed()));
}
