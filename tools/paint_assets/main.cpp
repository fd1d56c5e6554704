#include "tools/paint_assets/Art.h"

#include <QGuiApplication>
#include <cstdio>

// Usage: paint_assets OUTPUT_DIR [board|icons]
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: paint_assets OUTPUT_DIR [board|icons]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QByteArray only = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    if (only.isEmpty() || only == "board")
        paintBoardArt(out);
    if (only.isEmpty() || only == "icons")
        paintIconArt(out);
    return 0;
}
