#include "app/DesignFonts.h"

#include "app/SystemFaces.h"

void InstallFontSubstitutes()
{
    // Liberation Serif shares Times New Roman's metrics; Liberation Sans is
    // the closest free face to the two Windows sans faces. They stand in
    // wherever the system lacks the face it is asked for.
    QFont::insertSubstitution(SystemFaceFor(TimesFace), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(SystemFaceFor(SansSerifFace), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(SystemFaceFor(SystemFace), QStringLiteral("Liberation Sans"));
}

QFont DesignFont(const QString &face, int pixelHeight, bool bold, bool italic)
{
    QFont font(SystemFaceFor(face));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
