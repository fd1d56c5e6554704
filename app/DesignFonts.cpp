#include "app/DesignFonts.h"

#include "app/SystemFaces.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// Liberation Serif shares Times New Roman's metrics; Liberation Sans is the
// closest free face to the two Windows sans faces.
QString StandInFor(const QString &designFace)
{
    return designFace == TimesFace ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans");
}

// The face a design face is drawn with here.
QString FaceFor(const QString &designFace)
{
    // Asked for by a name the system has. A missing name (QFont's substitution
    // table included) sends fontconfig looking for its fallbacks first, about
    // 2 ms of start-up for each design face.
    static const QStringList installed = QFontDatabase::families();
    const QString face = SystemFaceFor(designFace);
    return installed.contains(face, Qt::CaseInsensitive) ? face : StandInFor(designFace);
}

} // namespace

QFont DesignFont(const QString &face, int pixelHeight, bool bold, bool italic)
{
    QFont font(FaceFor(face));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
