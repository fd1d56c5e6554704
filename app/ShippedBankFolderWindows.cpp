#include "app/ShippedBankFolder.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

// Asked of the system, not of QCoreApplication: the game's --help answers
// before Qt starts.
QString ShippedBankFolder()
{
    wchar_t path[MAX_PATH * 4];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    if (length == 0 || length >= std::size(path))
        return {};
    return QFileInfo(QDir::fromNativeSeparators(QString::fromWCharArray(path, int(length)))).absolutePath();
}
