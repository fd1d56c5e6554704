#include "BankFileReader.h"

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

} // namespace

BankFileRead ReadBankBytes(const QString &path)
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
        return {{}, Refusal(path, Text::tr("it is %1, not a question bank file").arg(KindOf(file.failure())))};
    }
    if (file.size() > LargestBankFile)
        return {{}, Refusal(path, Text::tr("it holds %1, far more than a question bank of %2 lines")
                                       .arg(QLocale().formattedDataSize(file.size()))
                                       .arg(BankSlots))};
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
        if (bytes.size() > LargestBankFile)
            return {{}, Refusal(path, Text::tr("it grew past %1 while it was being read")
                                           .arg(QLocale().formattedDataSize(LargestBankFile)))};
    }
    return {bytes, {}};
}
