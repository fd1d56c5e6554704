#include "app/SystemFaces.h"

QString SystemFaceFor(const QString &designFace)
{
    return designFace;
}
