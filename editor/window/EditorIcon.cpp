#include "editor/window/EditorIcon.h"

#include "app/Controls.h"

QIcon EditorIcon()
{
    // The same drawings the desktop entry installs, up to twice the largest
    // size a title bar or task bar shows, so the icon stays sharp on dense
    // screens. X11 is sent every size at start-up, and the two largest would
    // cost more to decode than the rest of the window's pictures together;
    // task switchers take those from the desktop entry.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(ReadPng(QStringLiteral(":/korvedit/editor-icon-%1.png").arg(size))));
    return icon;
}
