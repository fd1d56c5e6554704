#include "editor/document/SystemReason.h"

#include <windows.h>

QString SystemReason(int error)
{
    wchar_t *text = nullptr;
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                              | FORMAT_MESSAGE_IGNORE_INSERTS,
                                          nullptr, DWORD(error), 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    // Messages end in a line break, which would split the editor's sentence.
    QString reason = length > 0 ? QString::fromWCharArray(text, int(length)).trimmed() : QString();
    ::LocalFree(text);
    // A code the system has no words for still says which it is.
    return reason.isEmpty() ? QStringLiteral("system error %1").arg(error) : reason;
}
