#pragma once

#include <QIcon>

// The editor's window icon, drawn at every size the desktop asks for.
QIcon EditorIcon();
