#pragma once

#include <QFont>

// A font by its design face, character height in pixels and style. The
// windows are designed with three Windows faces; where the system lacks one,
// a free face of close metrics stands in.
QFont DesignFont(const QString &face, int pixelHeight, bool bold = false, bool italic = false);

// The faces the designs name.
inline const QString SystemFace = QStringLiteral("System");
inline const QString SansSerifFace = QStringLiteral("MS Sans Serif");
inline const QString TimesFace = QStringLiteral("Times New Roman");
