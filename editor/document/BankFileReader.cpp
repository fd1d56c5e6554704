#include "editor/document/BankFileReader.h"

#include "editor/document/RecoveryFile.h"
#include "forms/BankFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <cstring>

namespace {

// The texts the editor's windows show, for tr().
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BankFileReader)
};

QString KindOf(BankOpenFailure failure)
{
    switch (failure) {
    case BankOpenFailure::Folder:
        return Text::tr("a folder");
    case BankOpenFailure::Pipe:
        return Text::tr("a pipe");
    case BankOpenFailure::Device:
        return Text::tr("a device");
    case BankOpenFailure::Socket:
        return Text::tr("a socket");
    default:
        return Text::tr("not an ordinary file");
    }
}

QString Refusal(const QString &path, const QString &why)
{
    return Text::tr("“%1” cannot be opened: %2.").arg(path, why);
}

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error)).toLower();
}

// What a file read for editing may be: the largest it may be, what it is
// when it is none of the wrong kinds, and how its size is refused.
struct Expected {
    qint64 largest;
    QString kind;
    QString tooLarge; // %1 the file's size, %2 the most it may hold (lines, bytes)
    qint64 most;
};

BankFileRead ReadBytes(const QString &path, const Expected &expected)
{
    const BankFileOpen file(QFile::encodeName(path).constData());
    switch (file.failure()) {
    case BankOpenFailure::None:
    case BankOpenFailure::System:
    case BankOpenFailure::Changed:
        break;
    case BankOpenFailure::DanglingLink:
        return {{}, Refusal(path, Text::tr("it is a link to a file that no longer exists"))};
    default:
        return {{}, Refusal(path, Text::tr("it is %1, not %2").arg(KindOf(file.failure()), expected.kind))};
    }
    if (file.size() > expected.largest)
        return {{}, Refusal(path, expected.tooLarge.arg(QLocale().formattedDataSize(file.size()),
                                                                 QLocale().toString(expected.most))), true};
    if (file.failure() == BankOpenFailure::Changed)
        return {{}, Refusal(path, Text::tr("it changed while it was being opened"))};
    if (!file.isOpen())
        return {{}, Refusal(path, SystemReason(file.error()))};

    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const std::ptrdiff_t got = file.read(buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0)
            return {{}, Refusal(path, SystemReason(errno))};
        bytes.append(buffer, got);
        if (bytes.size() > expected.largest)
            return {{}, Refusal(path, Text::tr("it grew past %1 while it was being read")
                                           .arg(QLocale().formattedDataSize(expected.largest))), true};
    }
    return {bytes, {}};
}

} // namespace

BankFileRead ReadBankBytes(const QString &path)
{
    return ReadBytes(path, {LargestBankFile, Text::tr("a question bank file"),
                            Text::tr("it holds %1, far more than a question bank of %2 lines"), qint64(BankSlots)});
}

QString BankSizeRefusal(qint64 size)
{
    if (size <= LargestBankFile)
        return {};
    return Text::tr("the bank would hold %1, more than the %2 the editor can open again")
        .arg(QLocale().formattedDataSize(size), QLocale().formattedDataSize(LargestBankFile));
}

BankFileRead ReadCsvBytes(const QString &path)
{
    return ReadBytes(path, {LargestCsvFile, Text::tr("a CSV file"),
                            Text::tr("it holds %1, more than a CSV file of %2 rows"), LargestCsvRows});
}

BankFileRead ReadRecoveryBytes(const QString &path)
{
    return ReadBytes(path, {RecoveryFile::LargestText, Text::tr("a recovery file"),
                            Text::tr("it holds %1, more than the unsaved changes to the largest bank the editor "
                                     "opens (%2 bytes) can"),
                            LargestBankFile});
}
