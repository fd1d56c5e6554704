// The pictures compiled into the game: sizes, and a board that fits its track.
#include "forms/BoardTrack.h"

#include <QImage>
#include <QSet>
#include <QTest>
#include <cmath>
#include <numbers>

namespace {

// Where a piece standing on a square lies on the board picture, which the
// board window draws at (-3, 15).
QRect PieceOnPicture(int square)
{
    return QRect(BoardTrack[std::size_t(square)].left + 3, BoardTrack[std::size_t(square)].top - 15, 32, 32);
}

bool IsCorner(int square)
{
    return std::find(CornerSquares.begin(), CornerSquares.end(), square) != CornerSquares.end();
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void piecesAndDieFacesAreTellApart();
    void everySquareHasAFlatTileUnderItsPiece();
    void cornerTilesShareAColourNoOtherTileHas();
    void trackRunsClockwiseFromTheTopLeftCorner();
};

void PicturesTest::sizes_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("clear"); // a point that must be transparent, if any
    for (int piece = 1; piece <= 8; ++piece)
        QTest::addRow("piece %d", piece) << QStringLiteral(":/piece%1.png").arg(piece) << QSize(32, 32) << QPoint(0, 0);
    for (int pips = 1; pips <= 6; ++pips)
        QTest::addRow("die %d", pips) << QStringLiteral(":/die%1.png").arg(pips) << QSize(32, 32) << QPoint(0, 0);
    // The selector frame is see-through inside, over the tile and any piece.
    QTest::newRow("selector") << ":/select.png" << QSize(32, 32) << QPoint(16, 16);
    QTest::newRow("board") << ":/board.png" << QSize(603, 362) << QPoint(-1, -1);
    QTest::newRow("banner") << ":/banner.png" << QSize(447, 84) << QPoint(-1, -1);
    QTest::newRow("die glyph") << ":/dice_glyph.png" << QSize(21, 21) << QPoint(0, 0);
    QTest::newRow("help board") << ":/help_board.png" << QSize(322, 194) << QPoint(-1, -1);
    QTest::newRow("end board") << ":/end_board.png" << QSize(106, 68) << QPoint(-1, -1);
    QTest::newRow("emblem") << ":/emblem.png" << QSize(42, 40) << QPoint(0, 0);
}

void PicturesTest::sizes()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QFETCH(QPoint, clear);
    const QImage picture(resource);
    QCOMPARE(picture.size(), size);
    if (picture.valid(clear))
        QCOMPARE(qAlpha(picture.pixel(clear)), 0);
}

void PicturesTest::piecesAndDieFacesAreTellApart()
{
    QSet<QByteArray> seen;
    for (const QString &name : {QStringLiteral("piece"), QStringLiteral("die")}) {
        for (int n = 1; n <= (name == QLatin1String("piece") ? 8 : 6); ++n) {
            const QImage picture = QImage(QStringLiteral(":/%1%2.png").arg(name).arg(n)).convertToFormat(QImage::Format_ARGB32);
            seen.insert(QByteArray(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes()));
        }
    }
    QCOMPARE(seen.size(), 14);
}

void PicturesTest::everySquareHasAFlatTileUnderItsPiece()
{
    const QImage board(QStringLiteral(":/board.png"));
    for (int square = 1; square <= SquareCount; ++square) {
        const QRect piece = PieceOnPicture(square);
        QVERIFY2(QRect(QPoint(), board.size()).contains(piece), qPrintable(QString::number(square)));
        const QRgb tile = board.pixel(piece.center());
        for (int y = piece.top() + 3; y <= piece.top() + 28; ++y)
            for (int x = piece.left() + 3; x <= piece.left() + 28; ++x)
                QVERIFY2(board.pixel(x, y) == tile, qPrintable(QStringLiteral("square %1 at %2,%3").arg(square).arg(x).arg(y)));
    }
}

void PicturesTest::cornerTilesShareAColourNoOtherTileHas()
{
    const QImage board(QStringLiteral(":/board.png"));
    const QRgb corner = board.pixel(PieceOnPicture(1).center());
    for (int square = 1; square <= SquareCount; ++square)
        QCOMPARE(board.pixel(PieceOnPicture(square).center()) == corner, IsCorner(square));
}

void PicturesTest::trackRunsClockwiseFromTheTopLeftCorner()
{
    // Seen from the middle of the board, each step forward turns the same
    // way: clockwise on the screen, where y grows downwards.
    double middleX = 0;
    double middleY = 0;
    for (int square = 1; square <= SquareCount; ++square) {
        middleX += BoardTrack[std::size_t(square)].left / double(SquareCount);
        middleY += BoardTrack[std::size_t(square)].top / double(SquareCount);
    }
    double turned = 0;
    for (int square = 1; square <= SquareCount; ++square) {
        const auto angle = [&](int s) {
            return std::atan2(BoardTrack[std::size_t(s)].top - middleY, BoardTrack[std::size_t(s)].left - middleX);
        };
        double step = angle(ForwardSquareOf(std::int8_t(square), 1)) - angle(square);
        step = std::remainder(step, 2 * std::numbers::pi);
        QVERIFY2(step > 0, qPrintable(QString::number(square)));
        turned += step;
    }
    QCOMPARE(qRound(turned / (2 * std::numbers::pi)), 1);
    // Square 1 is the top-left corner: no square lies both left of and above it.
    for (int square = 2; square <= SquareCount; ++square)
        QVERIFY(BoardTrack[std::size_t(square)].left > BoardTrack[1].left || BoardTrack[std::size_t(square)].top > BoardTrack[1].top);
}

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
