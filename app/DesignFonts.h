#pragma once

#include <QFont>

// The windows are designed with three Windows faces. The desktop rarely has
// them, so each is mapped to a free face of close metrics.
void InstallFontSubstitutes();

// A font by its design face, character height in pixels and style.
QFont DesignFont(const QString &face, int pixelHeight, bool bold = false, bool italic = false);

// The faces the designs name.
inline const QString SystemFace = QStringLiteral("System");
inline const QString SansSerifFace = QStringLiteral("MS Sans Serif");
inline const QString TimesFace = QStringLiteral("Times New Roman");
