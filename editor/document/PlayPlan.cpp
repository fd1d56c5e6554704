#include "editor/document/PlayPlan.h"

#include "forms/BankFile.h"

#include <QFileInfo>
#include <QStandardPaths>

PlayPlan PlanPlay(const QString &bankPath, const QString &editorFolder, const QStringList &searchFolders)
{
    const QString name = QString::fromLatin1(GameExecutableName);
    PlayPlan plan;
    plan.game = QStandardPaths::findExecutable(name, {editorFolder});
    if (plan.game.isEmpty())
        plan.game = QStandardPaths::findExecutable(name, searchFolders);

    // The game reads quarl3.tqz itself when there is one, and another case of
    // the name only when there is not: only that exact name is sure to be
    // the bank it plays.
    const QFileInfo bank(bankPath);
    plan.copyBank = bank.fileName() != QLatin1String(BankFileName);
    if (!plan.copyBank)
        plan.folder = bank.absolutePath();
    return plan;
}
