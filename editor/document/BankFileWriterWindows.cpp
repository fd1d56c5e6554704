#include "editor/document/BankFileWriter.h"

#include "editor/document/SystemReason.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>

#include <windows.h>

#include <algorithm>
#include <string>

namespace {

// The texts the editor's windows show, for tr().
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BankFileWriter)
};

std::wstring Native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

QString LastReason()
{
    return SystemReason(int(::GetLastError()));
}

// Writes the bytes to a new file beside `target`, of a name no file has
// (given in `name`), all of them on disk before it is closed; why not, or an
// empty text. A file that fails goes.
QString WriteBeside(const std::wstring &target, const QByteArray &bytes, std::wstring *name)
{
    HANDLE file = INVALID_HANDLE_VALUE;
    do {
        *name = target + L'.' + QString::number(QRandomGenerator::global()->bounded(1 << 30), 36).toStdWString();
        file = ::CreateFileW(name->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    } while (file == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS);
    if (file == INVALID_HANDLE_VALUE)
        return LastReason();
    QString error;
    for (qsizetype done = 0; error.isEmpty() && done < bytes.size();) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<qsizetype>(bytes.size() - done, 1 << 30));
        if (!::WriteFile(file, bytes.constData() + done, chunk, &written, nullptr))
            error = LastReason();
        else if (written == 0)
            error = SystemReason(ERROR_WRITE_FAULT);
        done += written;
    }
    if (error.isEmpty() && !::FlushFileBuffers(file))
        error = LastReason();
    ::CloseHandle(file);
    if (!error.isEmpty())
        ::DeleteFileW(name->c_str());
    return error;
}

} // namespace

QString WriteBankFile(const QString &path, const QByteArray &bytes)
{
    const std::wstring target = Native(path);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    // A replace would take the read-only mark away with the old file.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return Text::tr("the file is read-only");
    // Nor can a file another program holds without sharing be replaced:
    // said before anything is written.
    if (exists) {
        const HANDLE held = ::CreateFileW(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (held == INVALID_HANDLE_VALUE)
            return LastReason();
        ::CloseHandle(held);
    }
    // Beside the bank, on the same disk, for the replace to be a rename.
    std::wstring replacement;
    if (const QString error = WriteBeside(target, bytes, &replacement); !error.isEmpty())
        return error;
    // A rename over the old file would give the bank the new file's security
    // descriptor, inherited from the folder; ReplaceFileW keeps the old
    // one's, with its attributes and its streams (a download's zone among
    // them), as the POSIX half keeps the ACL and attributes.
    if (exists ? ::ReplaceFileW(target.c_str(), replacement.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                nullptr, nullptr)
               : ::MoveFileExW(replacement.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
        return {};
    const DWORD failed = ::GetLastError();
    if (failed != ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
        ::DeleteFileW(replacement.c_str()); // the old file stands
        return SystemReason(int(failed));
    }
    // With no backup name, this one means the old file is gone already and
    // the new one still has its temporary name: it takes the bank's name
    // now, or stays where it is, never deleted.
    if (::MoveFileExW(replacement.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
        return {};
    return Text::tr("%1; the bank is kept as %2")
        .arg(LastReason(), QDir::toNativeSeparators(QString::fromStdWString(replacement)));
}
