#include "EditorIcon.h"

QIcon EditorIcon()
{
    // One drawing per size, so each is sharp rather than scaled.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/korvedit/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}
