#pragma once

#include <QDir>

// Each painter writes its PNG files into the given folder.
void paintBoardArt(const QDir &out);
void paintIconArt(const QDir &out);
