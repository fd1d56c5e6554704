#include "editor/document/StarterBanks.h"

#include "app/ShippedBankFolder.h"
#include "generated/ShippedBanks.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString BankFolder()
{
    const QString chosen = qEnvironmentVariable("KORVEDIT_BANK_DIR");
    if (!chosen.isEmpty())
        return chosen;
    // The folder holding the bank the game reads by default holds them all.
    const QString first = QString::fromLatin1(ShippedBanks[0].file);
    for (const QString &folder : {ShippedBankFolder(), QStringLiteral(KORVANE_SOURCE_BANK_FOLDER)})
        if (QFileInfo(QDir(folder).filePath(first)).isFile())
            return folder;
    return {};
}

} // namespace

QList<StarterBank> StarterBanks()
{
    QList<StarterBank> banks;
    const QString folder = BankFolder();
    if (folder.isEmpty())
        return banks;
    for (const ShippedBankName &bank : ShippedBanks) {
        const QString path = QDir(folder).absoluteFilePath(QString::fromLatin1(bank.file));
        if (QFileInfo(path).isFile())
            banks.append({QString::fromUtf8(bank.title), path});
    }
    return banks;
}

QString StarterBankTitle(const QString &path)
{
    const QString file = QFileInfo(path).canonicalFilePath();
    for (const StarterBank &bank : StarterBanks())
        if (!file.isEmpty() && QFileInfo(bank.path).canonicalFilePath() == file)
            return bank.title;
    return {};
}
