#include "app/SystemFaces.h"

#include "app/DesignFonts.h"

QString SystemFaceFor(const QString &designFace)
{
    if (designFace == SansSerifFace || designFace == SystemFace)
        return QStringLiteral("Microsoft Sans Serif");
    return designFace;
}
