#include "app/DesignFonts.h"

void InstallFontSubstitutes()
{
    // Liberation Serif shares Times New Roman's metrics; Liberation Sans is
    // the closest free face to the two Windows sans faces.
    QFont::insertSubstitution(TimesFace, QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(SansSerifFace, QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(SystemFace, QStringLiteral("Liberation Sans"));
}

QFont DesignFont(const QString &face, int pixelHeight, bool bold, bool italic)
{
    QFont font(face);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
