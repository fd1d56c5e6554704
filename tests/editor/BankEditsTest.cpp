// The bank as the editor keeps it: any file comes back byte for byte, and
// each edit changes only the bytes it must, undoably.
#include "editor/window/BankTableModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QTest>
#include <QUndoStack>

namespace {

struct Editor {
    QUndoStack stack;
    BankTableModel model{&stack};

    explicit Editor(const QByteArray &bytes) { model.load(bytes); }
};

} // namespace

class BankEditsTest : public QObject {
    Q_OBJECT

private slots:
    void uneditedFileComesBackIdentical_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rows");
        QTest::newRow("empty file") << QByteArray() << 1;
        QTest::newRow("no line end at the end") << QByteArray("a\"b\"c\"d\"\r\ne\"f\"g\"h\"") << 2;
        QTest::newRow("CR only, doubled at the end") << QByteArray("a\rb\r\r") << 3;
        QTest::newRow("mixed ends, LF inside") << QByteArray("a\r\nb\nc\rd\r\n") << 3;
        QTest::newRow("Ctrl-Z mid-line keeps the tail") << QByteArray("a\"b\r\nc\x1a\r\nrest\x1a") << 2;
        QTest::newRow("only a Ctrl-Z") << QByteArray("\x1a") << 1;
        QTest::newRow("NULs and high bytes") << QByteArray("\0\xff\x81\"\xe9\r\n\0", 9) << 2;
        QTest::newRow("CR LF LF") << QByteArray("a\r\n\nb") << 2;
    }
    void uneditedFileComesBackIdentical()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, rows);
        Editor editor(bytes);
        QCOMPARE(editor.model.rowCount(), rows);
        QCOMPARE(editor.model.bytes(), bytes);
    }

    void fieldEditWritesOnlyItsLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("one field, neighbours untouched")
            << QByteArray("a\"b\"c\"d\"\rq\"r\"s\"t\"\n\r\nz") << 1 << 2 << QStringLiteral("S")
            << QByteArray("a\"b\"c\"d\"\rq\"r\"S\"t\"\n\r\nz");
        QTest::newRow("text after the 4th quote stays")
            << QByteArray("q\"r\"s\"t\"note\"") << 0 << 0 << QStringLiteral("Q")
            << QByteArray("Q\"r\"s\"t\"note\"\r\n");
        QTest::newRow("missing quotes are written")
            << QByteArray("q\"r") << 0 << 3 << QStringLiteral("w") << QByteArray("q\"r\"\"w\"\r\n");
        QTest::newRow("a line without quotes keeps its text where it was unread")
            << QByteArray("loose\r\n") << 0 << 0 << QStringLiteral("Q") << QByteArray("Q\"\"\"\"loose\r\n");
        QTest::newRow("Windows-1252, not Latin-1 or UTF-8")
            << QByteArray("q\"r\"s\"t\"") << 0 << 1 << QStringLiteral("€ café")
            << QByteArray("q\"\x80 caf\xe9\"s\"t\"\r\n");
        QTest::newRow("a field keeps its text beyond the width")
            << QByteArray() << 0 << 1 << QString(30, QLatin1Char('x'))
            << QByteArray("\"" + QByteArray(30, 'x') + "\"\"\"\r\n");
        QTest::newRow("before a Ctrl-Z tail")
            << QByteArray("q\"r\"s\"t\"\x1atail") << 0 << 0 << QStringLiteral("Q")
            << QByteArray("Q\"r\"s\"t\"\r\n\x1atail");
    }
    void fieldEditWritesOnlyItsLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QByteArray, saved);
        Editor editor(bytes);
        const QAbstractItemModelTester tester(&editor.model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(editor.model.setData(editor.model.index(row, column), text));
        QCOMPARE(editor.model.bytes(), saved);
        QCOMPARE(editor.model.data(editor.model.index(row, column)).toString(), text);
        editor.stack.undo();
        QCOMPARE(editor.model.bytes(), bytes);
        editor.stack.redo();
        QCOMPARE(editor.model.bytes(), saved);
    }

    void fieldRefusesWhatWouldCutTheLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("double quote") << QStringLiteral("say \"hi\"");
        QTest::newRow("carriage return") << QStringLiteral("a\rb");
        QTest::newRow("line feed") << QStringLiteral("a\nb");
        QTest::newRow("Ctrl-Z") << QStringLiteral("a\x1a");
    }
    void fieldRefusesWhatWouldCutTheLine()
    {
        QFETCH(QString, text);
        const QByteArray bytes("q\"r\"s\"t\"\r\n");
        Editor editor(bytes);
        QVERIFY(!editor.model.setData(editor.model.index(0, 1), text));
        QCOMPARE(editor.model.bytes(), bytes);
        QCOMPARE(editor.stack.count(), 0);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BankEditsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BankEditsTest.moc"
