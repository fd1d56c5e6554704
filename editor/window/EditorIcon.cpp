#include "editor/window/EditorIcon.h"

QIcon EditorIcon()
{
    // The same drawings the desktop entry installs, one for each size asked
    // for, so the icon stays sharp on dense screens.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/korvedit/editor-icon-%1.png").arg(size), QSize(size, size));
    return icon;
}
