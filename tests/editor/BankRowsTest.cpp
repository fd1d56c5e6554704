// Row edits, paste and import: each writes exactly the bytes it must, leaves
// a bank that reads back as the rows shown, and undoes to the bytes it found.
#include "editor/window/BankTableModel.h"
#include "tests/BankLines.h"
#include "editor/document/RowOrder.h"
#include "editor/document/CsvExport.h"
#include "editor/document/CsvFormat.h"
#include "editor/document/RowPick.h"
#include "editor/document/StarterBanks.h"

#include <QAbstractItemModelTester>
#include <QScopeGuard>
#include <QApplication>
#include <QRandomGenerator>
#include <QTest>
#include <QTranslator>
#include <QUndoStack>

#include <functional>

namespace {

using Edit = std::function<void(BankTableModel &)>;

struct Editor {
    QUndoStack stack;
    BankTableModel model{&stack};

    explicit Editor(const QByteArray &bytes) { model.load(bytes); }
};

QStringList Rows(const BankTableModel &model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < model.columnCount(); ++column)
            fields += model.data(model.index(row, column)).toString();
        rows += fields.join(QLatin1Char('|'));
    }
    return rows;
}

// The edit writes `saved`, the rows shown are what the game would read from
// it, and one undo step brings back the original bytes (redo the new ones);
// the views hear of every row inserted, removed or moved on the way.
void CheckEdit(const QByteArray &bytes, const Edit &edit, const QByteArray &saved)
{
    Editor editor(bytes);
    const QAbstractItemModelTester tester(&editor.model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    edit(editor.model);
    QCOMPARE(editor.model.bytes(), saved);
    QCOMPARE(Rows(editor.model), Rows(Editor(saved).model));
    QCOMPARE(editor.stack.count(), 1);
    editor.stack.undo();
    QCOMPARE(editor.model.bytes(), bytes);
    QCOMPARE(Rows(editor.model), Rows(Editor(bytes).model));
    editor.stack.redo();
    QCOMPARE(editor.model.bytes(), saved);
}

const QByteArray Blank = "\"\"\"\"\r\n";

QByteArray Utf16(const QString &text, QSysInfo::Endian endian)
{
    QByteArray bytes;
    for (const QChar ch : text) {
        const char high = char(ch.unicode() >> 8);
        const char low = char(ch.unicode() & 0xFF);
        bytes.append(endian == QSysInfo::LittleEndian ? low : high).append(endian == QSysInfo::LittleEndian ? high : low);
    }
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class BankRowsTest : public QObject {
    Q_OBJECT

private slots:
    void rowEdits_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("insert after a last line with no end")
            << QByteArray("a\"b\"c\"d\"") << Edit([](BankTableModel &m) { m.insertBlankRows(1, 1); })
            << "a\"b\"c\"d\"\r\n" + Blank;
        QTest::newRow("insert above an empty file's line")
            << QByteArray() << Edit([](BankTableModel &m) { m.insertBlankRows(0, 2); }) << Blank + Blank + "\r\n";
        QTest::newRow("insert keeps a CR-only file's ends")
            << QByteArray("a\rb\r") << Edit([](BankTableModel &m) { m.insertBlankRows(1, 1); })
            << "a\r" + Blank + "b\r";
        QTest::newRow("insert before the Ctrl-Z")
            << QByteArray("a\x1a\r\nz") << Edit([](BankTableModel &m) { m.insertBlankRows(1, 1); })
            << "a\r\n" + Blank + "\x1a\r\nz";
        QTest::newRow("delete the last line")
            << QByteArray("a\r\nb") << Edit([](BankTableModel &m) { m.removeLines(1, 1); }) << QByteArray("a\r\n");
        QTest::newRow("delete joins a CR end to a line feed")
            << QByteArray("a\rb\r\n\nc") << Edit([](BankTableModel &m) { m.removeLines(1, 1); })
            << QByteArray("a\r\n\nc");
        QTest::newRow("delete every line keeps the tail")
            << QByteArray("a\r\nb\r\n\x1az") << Edit([](BankTableModel &m) { m.removeLines(0, 2); })
            << QByteArray("\x1az");
        QTest::newRow("move the last line to the top")
            << QByteArray("a\r\nb\r\nc") << Edit([](BankTableModel &m) { m.moveLines(2, 1, 0); })
            << QByteArray("c\r\na\r\nb\r\n");
        QTest::newRow("move two lines down past two")
            << QByteArray("1\r2\r3\r\n4\n") << Edit([](BankTableModel &m) { m.moveLines(0, 2, 4); })
            << QByteArray("3\r\n4\n\r\n1\r2\r");
    }
    void rowEdits()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Edit, edit);
        QFETCH(QByteArray, saved);
        CheckEdit(bytes, edit, saved);
    }

    // Sorting and shuffling move whole lines, their bytes and ends with them.
    void reorder_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QByteArray>("saved");
        const auto sorted = [](int column, Qt::SortOrder order) {
            return Edit([=](BankTableModel &m) {
                QVERIFY(m.reorderLines(RowOrder::Sorted(m.document(), column, order), QStringLiteral("Sort")));
            });
        };
        QTest::newRow("blank line to the end, the last line gains its end")
            << QByteArray("b\"1\"\"\"\r\n\"\"\"\"\r\na\"2\"\"\"") << sorted(0, Qt::AscendingOrder)
            << QByteArray("a\"2\"\"\"\r\nb\"1\"\"\"\r\n\"\"\"\"\r\n");
        QTest::newRow("Z to A by right answer, numbers by value, CR ends kept")
            << QByteArray("x\"9\"\"\"\ry\"10\"\"\"\rz\"2\"\"\"\r") << sorted(1, Qt::DescendingOrder)
            << QByteArray("y\"10\"\"\"\rx\"9\"\"\"\rz\"2\"\"\"\r");
        QTest::newRow("case ignored, equal fields keep their order")
            << QByteArray("b\"\"\"\"\r\nA\"1\"\"\"\r\na\"2\"\"\"\r\n") << sorted(0, Qt::AscendingOrder)
            << QByteArray("A\"1\"\"\"\r\na\"2\"\"\"\r\nb\"\"\"\"\r\n");
        QTest::newRow("shuffle deals out only lines holding a field")
            << QByteArray("1\"\"\"\"\r\n\"\"\"\"\r\n2\"\"\"\"\r\n3\"\"\"\"\r\n")
            << Edit([](BankTableModel &m) {
                   QRandomGenerator random(1);
                   QVERIFY(m.reorderLines(RowOrder::Shuffled(m.document(), random), QStringLiteral("Shuffle")));
               })
            << QByteArray("3\"\"\"\"\r\n2\"\"\"\"\r\n1\"\"\"\"\r\n\"\"\"\"\r\n");
    }
    void reorder()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Edit, edit);
        QFETCH(QByteArray, saved);
        CheckEdit(bytes, edit, saved);
    }

    // Replaced text is fitted as pasted text is; each replace is one step.
    // Rows past the game's 100 go in one step that says how many; a bank of
    // 100 or fewer is left as it is.
    void deleteRowsPast100_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("name"); // the undo step's, empty for none
        QTest::newRow("2,000 rows") << 2000 << "Delete the 1900 lines past 100";
        QTest::newRow("101 rows") << 101 << "Delete the line past 100";
        QTest::newRow("100 rows") << 100 << QString();
    }
    void deleteRowsPast100()
    {
        QFETCH(int, lines);
        QFETCH(QString, name);
        Editor editor(NumberedLines(lines));
        editor.model.removeLinesPastSlots();
        QCOMPARE(editor.model.bytes(), NumberedLines(std::min(lines, 100)));
        QCOMPARE(editor.stack.undoText(), name);
        if (!name.isEmpty()) {
            editor.stack.undo();
            QCOMPARE(editor.model.bytes(), NumberedLines(lines));
        }
    }

    void replace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray blank = "no\"\"\"\"\r\n";
        QTest::newRow("a straight quote becomes typographic")
            << "colour" << "\"hue\"" << false << "Which \x93hue\x94?\"red\"\x93hue\x94s\"\"\r\n" + blank;
        QTest::newRow("a line break becomes a space")
            << "colour" << "co\nlor" << false << "Which co lor?\"red\"co lors\"\"\r\n" + blank;
        QTest::newRow("case ignored") << "COLOUR" << "color" << false << "Which color?\"red\"colors\"\"\r\n" + blank;
        QTest::newRow("case matched") << "colour" << "color" << true << "Which Colour?\"red\"colors\"\"\r\n" + blank;
    }
    void replace()
    {
        QFETCH(QString, text);
        QFETCH(QString, replacement);
        QFETCH(bool, matchCase);
        QFETCH(QByteArray, saved);
        CheckEdit("Which Colour?\"red\"colours\"\"\r\nno\"\"\"\"\r\n", [&](BankTableModel &m) {
            QVERIFY(m.replace(text, replacement, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) > 0);
        }, saved);
    }

    // A quote put in by Replace All opens or closes by the text before it.
    void replaceFitsEachQuoteInItsPlace()
    {
        CheckEdit("Say 'hi' and ('bye')?\"a\"b\"c\"\r\n", [](BankTableModel &m) {
            QCOMPARE(m.replace(QStringLiteral("'"), QStringLiteral("\""), Qt::CaseSensitive), 1);
        }, "Say \x93hi\x94 and (\x93" "bye\x94)?\"a\"b\"c\"\r\n");
    }

    void replaceAllNamesWhatItReplaced()
    {
        Editor editor("Which colour?\"red\"colours\"\"\r\n");
        QCOMPARE(editor.model.replace(QStringLiteral("colour"), QStringLiteral("color"), Qt::CaseSensitive), 2);
        QCOMPARE(editor.stack.undoText(), QStringLiteral("Replace \u201Ccolour\u201D with \u201Ccolor\u201D in 2 cells"));
    }

    void paste_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray first = "x\"y\"z\"w\"\r\n";
        QTest::newRow("spreadsheet rows with a trailing newline")
            << QStringLiteral("Q1\tA\tB\tC\nQ2\tA2\n") << first + "Q1\"A\"B\"C\"\r\nQ2\"A2\"\"\"\r\n";
        QTest::newRow("CR LF lines, an empty line in between")
            << QStringLiteral("Q1\tA\r\n\r\nQ3") << first + "Q1\"A\"\"\"\r\n" + Blank + "Q3\"\"\"\"\r\n";
        QTest::newRow("extra columns dropped, quotes made typographic")
            << QStringLiteral("Who said \"hi\"?\tA\tB\tC\tsource") << first + "Who said \x93hi\x94?\"A\"B\"C\"\r\n";
        QTest::newRow("a quoted cell's line break becomes a space")
            << QStringLiteral("\"two\nlines\"\t\"say \"\"yes\"\"\"") << first + "two lines\"say \x93yes\x94\"\"\"\r\n";
    }
    void paste()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, saved);
        CheckEdit("x\"y\"z\"w\"", [&](BankTableModel &m) { QVERIFY(m.pasteTabSeparated(1, text)); }, saved);
    }

    void copyPastesBackTheSameRows()
    {
        Editor editor("q\"a\nb\"c\"d\"\r\nr\"s\"t\"u\"\r\n");
        const QString copied = editor.model.linesAsTabSeparated({1, 0});
        QCOMPARE(copied, QStringLiteral("q\t\"a\nb\"\tc\td\nr\ts\tt\tu"));
        QVERIFY(editor.model.pasteTabSeparated(2, copied));
        QCOMPARE(editor.model.data(editor.model.index(2, 1)).toString(), QStringLiteral("a b"));
        QCOMPARE(editor.model.data(editor.model.index(3, 3)).toString(), QStringLiteral("u"));
    }

    void importCsv_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("UTF-8 with a header row and a BOM")
            << QByteArray("\xef\xbb\xbfQuestion,Right answer,Wrong 1,Wrong 2\r\ncaf\xc3\xa9,b,c,d\r\n")
            << QByteArray("caf\xe9\"b\"c\"d\"\r\n");
        QTest::newRow("Windows-1252 bytes, LF records, blank lines skipped")
            << QByteArray("caf\xe9,b\n\n\x80,x\n") << QByteArray("caf\xe9\"b\"\"\"\r\n\x80\"x\"\"\"\r\n");
        QTest::newRow("UTF-16 named by its byte order mark")
            << QByteArray("\xff\xfeQ\0,\0\xac\x20\n\0", 10) << QByteArray("Q\"\x80\"\"\"\r\n");
        QTest::newRow("semicolons, as where the comma is the decimal mark")
            << QByteArray("Pi to 2 places?;3,14;3,41;\"a;b\"\r\n")
            << QByteArray("Pi to 2 places?\"3,14\"3,41\"a;b\"\r\n");
        QTest::newRow("quoted commas, quotes and line breaks")
            << QByteArray("\"a, \"\"b\"\"\",x\n\"line\r\nbreak\",y,z,w,v")
            << QByteArray("a, \x93" "b\x94\"x\"\"\"\r\nline break\"y\"z\"w\"\r\n");
        QTest::newRow("commas, the first question holding four semicolons")
            << QByteArray("Which of a;b;c;d;e is a vowel?,a,b,c\r\nNext?,x,y,z\r\n")
            << QByteArray("Which of a;b;c;d;e is a vowel?\"a\"b\"c\"\r\nNext?\"x\"y\"z\"\r\n");
        QTest::newRow("tabs, a comma in an answer")
            << QByteArray("Q1\tA, B\tC\tD\r\nQ2\tE\tF\tG\r\n") << QByteArray("Q1\"A, B\"C\"D\"\r\nQ2\"E\"F\"G\"\r\n");
        QTest::newRow("German header, semicolons")
            << QByteArray("Frage;Richtige Antwort;Falsche Antwort 1;Falsche Antwort 2\r\nq;a;b;c\r\n")
            << QByteArray("q\"a\"b\"c\"\r\n");
        QTest::newRow("Norwegian header in capitals, UTF-8")
            << QByteArray("SP\xc3\x98RSM\xc3\x85L,Riktig svar,Feil svar 1,Feil svar 2\r\nq,a,b,c\r\n")
            << QByteArray("q\"a\"b\"c\"\r\n");
        QTest::newRow("Hungarian header in Windows-1252, accents folded")
            << QByteArray("K\xe9rd\xe9s|Helyes v\xe1lasz|Rossz v\xe1lasz 1|Rossz v\xe1lasz 2\r\nq|a|b|c\r\n")
            << QByteArray("q\"a\"b\"c\"\r\n");
        QTest::newRow("French header in words, no question marks below")
            << QByteArray("\xc3\x89nonc\xc3\xa9;R\xc3\xa9ponse juste;Mauvaise r\xc3\xa9ponse 1;Mauvaise r\xc3\xa9ponse 2\r\n"
                          "Le chat est un;f\xc3\xa9lin;canid\xc3\xa9;oiseau\r\n")
            << QByteArray("Le chat est un\"f\xe9lin\"canid\xe9\"oiseau\"\r\n");
        QTest::newRow("spaces and line breaks trimmed at either end of a field")
            << QByteArray("\"Which one?\r\n\", \"Paris\" ,\tb ,\"c\n\"\r\n")
            << QByteArray("Which one?\"\x93Paris\x94\"b\"c\"\r\n");
        QTest::newRow("header known by its shape")
            << QByteArray("Prompt,Correct,Decoy A,Decoy B\nOne?,a,b,c\nTwo?,d,e,f\n")
            << QByteArray("One?\"a\"b\"c\"\r\nTwo?\"d\"e\"f\"\r\n");
        QTest::newRow("first row a question with no question mark, not a header")
            << QByteArray("Name a primary colour,Red,Green,Mauve\nOne?,a,b,c\nTwo?,d,e,f\n")
            << QByteArray("Name a primary colour\"Red\"Green\"Mauve\"\r\nOne?\"a\"b\"c\"\r\nTwo?\"d\"e\"f\"\r\n");
        QTest::newRow("UTF-16 little-endian without a byte order mark")
            << Utf16(QStringLiteral("Caf\u00e9?,\u20ac 5,b,c\r\n"), QSysInfo::LittleEndian)
            << QByteArray("Caf\xe9?\"\x80 5\"b\"c\"\r\n");
        QTest::newRow("HTML character references, as trivia sets from the web have them")
            << QByteArray("What&#039;s &quot;pi&quot; to 2 places?,3.14,&lt;3,22&#x2F;7\r\nAT&T;,a &amp b,caf&eacute;,d\r\n")
            << QByteArray("What's \x93pi\x94 to 2 places?\"3.14\"<3\"22/7\"\r\nAT&T;\"a &amp b\"caf\xe9\"d\"\r\n");
        QTest::newRow("UTF-16 big-endian without a byte order mark")
            << Utf16(QStringLiteral("Caf\u00e9?;\u20ac 5;b;c\r\n"), QSysInfo::BigEndian)
            << QByteArray("Caf\xe9?\"\x80 5\"b\"c\"\r\n");
    }
    void importCsv()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QByteArray, saved);
        CheckEdit({}, [&](BankTableModel &m) { QVERIFY(m.importCsv(0, csv)); }, saved);
    }

    // Nothing is imported from a file that cannot be read whole, and the
    // message says where to look.
    void csvRefused_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("problem"); // a piece of the message
        QTest::newRow("a quote never closed")
            << QByteArray("q,a,b,c\r\n\"open,a,b,c\r\nq3,a,b,c\r\n") << "line 2";
        QTest::newRow("a quote never closed, after a quoted line break")
            << QByteArray("\"two\nlines\",a,b,c\n\"open,x\nq3,a,b,c\n") << "line 3";
        QByteArray tooMany = "Question,Right answer,Wrong answer 1,Wrong answer 2\r\n";
        for (int row = 0; row <= LargestCsvRows; ++row)
            tooMany += "q,a,b,c\r\n";
        QTest::newRow("a row past the limit") << tooMany << "more than";
    }
    void csvRefused()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, problem);
        CsvFormat format;
        format.header = true;
        QVERIFY2(ReadCsv(csv, format).problem.contains(problem), qPrintable(ReadCsv(csv, format).problem));
        Editor editor("a\r\n");
        QVERIFY(!editor.model.importCsv(0, csv));
        QCOMPARE(editor.stack.count(), 0);
    }

    // What Export CSV writes imports back to the same fields, their ends trimmed.
    void csvRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("bank");
        QTest::newRow("typographic quotes, accents, euro")
            << QByteArray("\x93Quoted\x94, she said?\"caf\xe9\"\x80 5\"a;b\"\r\nTwo?\"x\"y\"z\"\r\n");
        QTest::newRow("a heading as a question, commas everywhere")
            << QByteArray("Question,Right answer\"1,5\",\", \r\n");
    }
    void csvRoundTrip()
    {
        QFETCH(QByteArray, bank);
        const Editor original(bank);
        const QByteArray csv = CsvFileBytes(original.model.rowsOfFields());
        QVERIFY(csv.startsWith("\xef\xbb\xbfQuestion,Right answer,Wrong answer 1,Wrong answer 2\r\n"));
        Editor imported("");
        QVERIFY(imported.model.importCsv(0, csv));
        // Import trims each field's ends, which only count toward the width.
        QStringList trimmed;
        for (const QString &row : Rows(original.model)) {
            QStringList fields = row.split(QLatin1Char('|'));
            for (QString &field : fields)
                field = field.trimmed();
            trimmed += fields.join(QLatin1Char('|'));
        }
        QCOMPARE(Rows(imported.model), trimmed);
    }

    // Under a translation the headings change, but a CSV file's header row
    // is still the one spreadsheets write, and is still skipped.
    // A trivia set of thousands: a bank's worth taken at random or as a range.
    void pickRows_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("picked");
        QTest::addColumn<QString>("firstPicked"); // empty for a random pick
        using Mode = RowPick::Mode;
        QTest::newRow("all of them") << 5000 << int(Mode::All) << 0 << 0 << 0 << 5000 << "Q1";
        QTest::newRow("100 at random") << 5000 << int(Mode::Random) << 100 << 0 << 0 << 100 << "";
        QTest::newRow("more at random than there are") << 3 << int(Mode::Random) << 100 << 0 << 0 << 3 << "Q1";
        QTest::newRow("rows 201 to 300") << 5000 << int(Mode::Range) << 0 << 201 << 300 << 100 << "Q201";
        QTest::newRow("a range running past the end") << 250 << int(Mode::Range) << 0 << 201 << 300 << 50 << "Q201";
    }
    void pickRows()
    {
        QFETCH(int, total);
        QFETCH(int, mode);
        QFETCH(int, count);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, picked);
        QFETCH(QString, firstPicked);
        QList<QStringList> rows;
        for (int row = 1; row <= total; ++row)
            rows += QStringList{QStringLiteral("Q%1").arg(row), QStringLiteral("a")};
        QRandomGenerator random(33);
        const QList<QStringList> taken = PickedRows(rows, {RowPick::Mode(mode), count, first, last}, random);
        QCOMPARE(taken.size(), picked);
        if (!firstPicked.isEmpty())
            QCOMPARE(taken.front().front(), firstPicked);
        // Each row once, in the file's order.
        for (qsizetype at = 1; at < taken.size(); ++at)
            QVERIFY(taken[at - 1].front().mid(1).toInt() < taken[at].front().mid(1).toInt());
    }

    // Fix puts in stand-ins for characters the code page lacks, one kind a
    // step across the bank, and names what it replaced; a character with
    // none stays listed.
    void replaceCharacters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QString>("name"); // the undo step's; empty when Fix has nothing to offer
        QTest::newRow("dashes and a minus")
            << "5 \u2212 3 \u2010 1" << "5 - 3 - 1"
            << "Replace \u201C\u2212\u2010\u201D with the quotes, dashes and spaces the game has";
        QTest::newRow("Greek spelled out") << "\u03C0 and \u03A9" << "pi and Omega"
                                           << "Spell out the Greek letters \u201C\u03C0\u03A9\u201D";
        QTest::newRow("punctuation first, Greek in a step of its own")
            << "\u03B1\u2032" << "\u03B1\u2019"
            << "Replace \u201C\u2032\u201D with the quotes, dashes and spaces the game has";
        QTest::newRow("an emoji has no stand-in") << "Sun \u2600" << "Sun \u2600" << "";
        // A field opened from disk may hold a tab: only the stand-ins change.
        QTest::newRow("a tab beside them stays")
            << "5\t\u2212 3" << "5\t- 3"
            << "Replace \u201C\u2212\u201D with the quotes, dashes and spaces the game has";
    }
    void replaceCharacters()
    {
        QFETCH(QString, typed);
        QFETCH(QString, fixed);
        QFETCH(QString, name);
        const QByteArray bytes = "q\"a\"b\"c\"\r\nr\"s\"t\"u\"\r\n";
        Editor editor(bytes);
        QVERIFY(editor.model.setData(editor.model.index(1, 1), typed));
        QVERIFY(editor.model.setData(editor.model.index(0, 3), typed));
        const auto problem = std::find_if(editor.model.report().problems.begin(), editor.model.report().problems.end(),
                                          [](const BankProblem &p) { return p.kind == BankProblemKind::Unencodable; });
        QVERIFY(problem != editor.model.report().problems.end());
        QCOMPARE(editor.model.canFix(*problem), !name.isEmpty());
        const BankProblem chosen = *problem;
        editor.model.fix(chosen);
        QCOMPARE(editor.model.index(1, 1).data().toString(), fixed);
        QCOMPARE(editor.model.index(0, 3).data().toString(), fixed);
        QCOMPARE(editor.stack.count(), name.isEmpty() ? 2 : 3);
        if (name.isEmpty())
            return;
        QCOMPARE(editor.stack.undoText(), name);
        editor.stack.undo();
        QCOMPARE(editor.model.index(1, 1).data().toString(), typed);
    }

    void importCsvUnderATranslation()
    {
        struct Upper : QTranslator {
            QString translate(const char *, const char *source, const char *, int) const override
            {
                return QString::fromUtf8(source).toUpper() + QStringLiteral(" (T)");
            }
            bool isEmpty() const override { return false; }
        } upper;
        QVERIFY(QCoreApplication::installTranslator(&upper));
        const auto removed = qScopeGuard([&upper] { QCoreApplication::removeTranslator(&upper); });
        Editor editor("");
        QCOMPARE(editor.model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("QUESTION (T)"));
        QVERIFY(editor.model.importCsv(0, "Question,Right answer,Wrong 1,Wrong 2\r\nq,a,b,c\r\n"));
        QCOMPARE(editor.model.bytes(), QByteArray("q\"a\"b\"c\"\r\n"));
    }

    void topUp_data()
    {
        QTest::addColumn<QByteArray>("bank");
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("saved"); // empty: nothing added
        QTest::addColumn<QString>("step");
        QTest::addColumn<QByteArray>("language"); // the source's; empty when not known
        const QByteArray france = "Capital of France?\"Paris\"Lyon\"Nice\"\r\n";
        const QByteArray planet = "Largest planet?\"Jupiter\"Mars\"Venus\"\r\n";
        QByteArray fiveNew;
        for (int i = 1; i <= 5; ++i)
            fiveNew += Line("New " + QByteArray::number(i), "a", "b", "c") + "\r\n";
        QTest::newRow("case and punctuation variants are the same question")
            << france << "CAPITAL OF FRANCE\"Lyon\"x\"y\"\r\ncapital, of france!\"a\"b\"c\"\r\n" + planet
            << france + planet << "Top up with 1 question from Atlas" << QByteArray();
        QTest::newRow("the source's own duplicates go in once")
            << france << planet + "largest planet\"Saturn\"x\"y\"\r\n" << france + planet
            << "Top up with 1 question from Atlas" << QByteArray();
        QTest::newRow("never past 100 lines") << NumberedLines(98) << fiveNew
                                             << NumberedLines(98) + fiveNew.left(fiveNew.indexOf("New 3"))
                                             << "Top up with 2 questions from Atlas" << QByteArray();
        QTest::newRow("blank lines at the end give way, those between stay")
            << france + Blank + "  \r\n" + planet + Blank + "\"\"\"\"" << fiveNew.left(fiveNew.indexOf("New 2"))
            << france + Blank + "  \r\n" + planet + fiveNew.left(fiveNew.indexOf("New 2"))
            << "Top up with 1 question from Atlas" << QByteArray();
        QTest::newRow("a last line without its end gets one")
            << france.chopped(2) << planet.chopped(2) << france + planet << "Top up with 1 question from Atlas"
            << QByteArray();
        QTest::newRow("all duplicates: the blank lines stay")
            << france + Blank << QByteArray("capital of france\"a\"b\"c\"\r\n\"\"\"\"\r\n") << QByteArray() << QString()
            << QByteArray();
        QTest::newRow("bank full") << NumberedLines(100) << planet << QByteArray() << QString() << QByteArray();
        const QByteArray rhine = "Ist der Rhein 1233 km lang?\"Ja\"Nein\"Kaum\"\r\n";
        QTest::newRow("the source's thousands mark groups in its language")
            << rhine << "Ist der Rhein 1.233 km lang?\"Ja\"Nein\"Kaum\"\r\n" + planet << rhine + planet
            << "Top up with 1 question from Atlas" << QByteArray("de");
    }
    void topUp()
    {
        QFETCH(QByteArray, bank);
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, saved);
        QFETCH(QString, step);
        QFETCH(QByteArray, language);
        const BankLanguage &in = language.isEmpty() ? AnyLanguage : *FindBankLanguage(language.toStdString());
        if (!saved.isEmpty()) {
            CheckEdit(bank, [&](BankTableModel &m) { m.topUp(source, QStringLiteral("Atlas"), in); }, saved);
            if (QTest::currentTestFailed())
                return;
            Editor editor(bank);
            editor.model.topUp(source, QStringLiteral("Atlas"), in);
            QCOMPARE(editor.stack.undoText(), step);
            return;
        }
        Editor editor(bank);
        QVERIFY(editor.model.topUp(source, QStringLiteral("Atlas"), in).lines.empty());
        QCOMPARE(editor.stack.count(), 0);
        QCOMPARE(editor.model.bytes(), bank);
    }

    void startersInTheInterfaceLanguageFirst_data()
    {
        QTest::addColumn<QLocale::Language>("interface");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("German") << QLocale::German << QStringList{"Allgemein", "Quiz", "Nature", "Culture"};
        QTest::newRow("French") << QLocale::French << QStringList{"Culture", "Quiz", "Allgemein", "Nature"};
        QTest::newRow("none in the language") << QLocale::Japanese
                                              << QStringList{"Quiz", "Allgemein", "Nature", "Culture"};
    }
    void startersInTheInterfaceLanguageFirst()
    {
        QFETCH(QLocale::Language, interface);
        QFETCH(QStringList, order);
        const QList<StarterBank> shipped{{"Quiz", {}, FindBankLanguage("en")},
                                         {"Allgemein", {}, FindBankLanguage("de")},
                                         {"Nature", {}, FindBankLanguage("en")},
                                         {"Culture", {}, FindBankLanguage("fr")}};
        QStringList titles;
        for (const StarterBank &bank : InLanguageFirst(shipped, interface))
            titles += bank.title;
        QCOMPARE(titles, order);
    }

    void nothingToAddIsNoUndoStep()
    {
        Editor editor("a\r\n");
        QVERIFY(!editor.model.pasteTabSeparated(0, QString()));
        QVERIFY(!editor.model.importCsv(0, "Question,Right answer\r\n\r\n"));
        editor.model.moveLines(0, 1, 1);
        QCOMPARE(editor.model.replace(QStringLiteral("b"), QStringLiteral("c"), Qt::CaseInsensitive), 0);
        QCOMPARE(editor.model.replace(QStringLiteral("A"), QStringLiteral("c"), Qt::CaseSensitive), 0);
        QVERIFY(!editor.model.reorderLines(RowOrder::Sorted(editor.model.document(), 0, Qt::AscendingOrder), {}));
        QCOMPARE(editor.stack.count(), 0);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BankRowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BankRowsTest.moc"
