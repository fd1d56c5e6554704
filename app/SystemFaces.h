#pragma once

#include <QString>

// The face this system draws a design face with. Windows has Times New
// Roman, but MS Sans Serif and System are bitmap faces there, which cannot
// follow the display's scaling: their TrueType successor Microsoft Sans
// Serif, drawn to the same metrics, stands in. Elsewhere the design's names
// are asked for as they are, and DesignFont() finds stand-ins for the missing.
// SystemFacesPosix.cpp and SystemFacesWindows.cpp hold the two forms.
QString SystemFaceFor(const QString &designFace);
