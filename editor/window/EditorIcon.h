#pragma once

#include <QIcon>

// The editor's window icon, one drawing for each size the desktop asks for.
QIcon EditorIcon();
