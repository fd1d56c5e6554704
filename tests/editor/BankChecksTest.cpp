// The editor's live checks and one-click fixes: the report is the game's own
// checks on the bytes Save would write, each fix writes what it promises in
// one undo step, and a character the code page lacks is held and found.
#include "editor/window/BankTableModel.h"

#include "editor/document/FindingsPastSlots.h"
#include "forms/BankChecks.h"
#include "tests/BankLines.h"

#include <algorithm>
#include <QApplication>
#include <QColor>
#include <QTest>
#include <QUndoStack>

namespace {

struct Editor {
    QUndoStack stack;
    BankTableModel model{&stack};

    explicit Editor(const QByteArray &bytes) { model.load(bytes); }
};

QByteArray Lines(int count, const QByteArray &line)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += line;
    return bytes;
}

// Every entry and problem, as text, so a difference shows where it lies.
QStringList Described(const BankReport &report)
{
    QStringList described;
    for (const BankEntry &entry : report.entries)
        described += QString::fromLatin1(QByteArray::fromStdString(
            std::string(entry.question.view()) + '|' + std::string(entry.answers[1].view()) + '|'
            + std::string(entry.answers[2].view()) + '|' + std::string(entry.answers[3].view())));
    for (const BankProblem &problem : report.problems)
        described += QStringLiteral("%1/%2/%3: %4")
                         .arg(problem.line)
                         .arg(problem.field)
                         .arg(int(problem.kind))
                         .arg(QString::fromStdString(problem.message()));
    return described;
}

std::optional<BankProblem> Find(const BankReport &report, BankProblemKind kind, int line)
{
    for (const BankProblem &problem : report.problems)
        if (problem.kind == kind && int(problem.line) == line)
            return problem;
    return std::nullopt;
}

const QByteArray Good = "q\"a\"b\"c\"\r\n";

} // namespace

class BankChecksTest : public QObject {
    Q_OBJECT

private slots:
    void reportIsTheChecksOnTheSavedBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("editedRow"); // -1: none
        QTest::newRow("fewer than 100 lines, Ctrl-Z in the last") << "x\"y\r\n" + Good + "z\x1a" "after" << -1;
        QTest::newRow("exactly 100 lines and a tail") << Lines(100, Good) + "\x1atail" << -1;
        QTest::newRow("101 lines, a problem on the 100th") << Lines(99, Good) + "long\"" + QByteArray(40, 'x') + "\"\"\"\r\n" + Good << -1;
        QTest::newRow("250 lines after an edit past the 100th") << Lines(249, Good) + "last\x1a\r\nz" << 200;
        QTest::newRow("edit on the 100th of 105 lines, CR only") << Lines(105, "q\"a\"b\"c\"\r") << 99;
    }
    void reportIsTheChecksOnTheSavedBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, editedRow);
        Editor editor(bytes);
        if (editedRow >= 0)
            QVERIFY(editor.model.setData(editor.model.index(editedRow, 2), QString(30, QLatin1Char('w'))));
        const QByteArray saved = editor.model.bytes();
        QCOMPARE(Described(editor.model.report()), Described(CheckBank({saved.constData(), std::size_t(saved.size())}, BankReading::Author)));
    }

    void fixes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QString>("name"); // the undo step's
        QTest::addColumn<bool>("cut"); // by Cut Field to Its Width, which Fix leaves to the author
        QTest::newRow("LF-only file becomes CR LF lines")
            << QByteArray("q1\"a\"b\"c\"\nq2\"a\"b\"c\"\n") << int(BankProblemKind::LoneLineFeed) << 1
            << QByteArray("q1\"a\"b\"c\"\r\nq2\"a\"b\"c\"\r\n") << "End line 1 at its line feeds" << false;
        QTest::newRow("LF before a CR LF keeps the empty line")
            << QByteArray("a\n\r\nb") << int(BankProblemKind::LoneLineFeed) << 1 << QByteArray("a\r\n\r\nb")
            << "End line 1 at its line feeds" << false;
        QTest::newRow("UTF-8 decoded, a Windows-1252 byte beside it kept")
            << QByteArray("\xe9t\xc3\xa9\"a\"b\"c\"\r\n") << int(BankProblemKind::Utf8Text) << 1
            << QByteArray("\xe9t\xe9\"a\"b\"c\"\r\n") << "Read the UTF-8 text on line 1" << false;
        QTest::newRow("UTF-8 byte order mark dropped")
            << QByteArray("\xef\xbb\xbfq\"a\"b\"c\"\r\n") << int(BankProblemKind::Utf8Text) << 1 << Good
            << "Read the UTF-8 text on line 1" << false;
        QTest::newRow("a note after the 4th quote dropped")
            << QByteArray("x\r\nq\"a\"b\"c\"note") << int(BankProblemKind::TextAfterLastQuote) << 2
            << "x\r\n" + Good << "Drop \u201Cnote\u201D after the fourth double quote on line 2" << false;
        QTest::newRow("text after the 4th quote holding one gets a line of its own")
            << QByteArray("x\r\nq\"a\"b\"c\"note\"") << int(BankProblemKind::TextAfterLastQuote) << 2
            << QByteArray("x\r\nq\"a\"b\"c\"\r\nnote\"")
            << "Move the question run on after line 2 to a line of its own" << false;
        QTest::newRow("question run on moved to a line of its own")
            << QByteArray("q\"a\"b\"c\"r\"d\"e\"f\"\r\n") << int(BankProblemKind::TextAfterLastQuote) << 1
            << QByteArray("q\"a\"b\"c\"\r\nr\"d\"e\"f\"\r\n")
            << "Move the question run on after line 1 to a line of its own" << false;
        QTest::newRow("answer cut to 26")
            << "q\"" + QByteArray(30, 'a') + "\"b\"c\"\r" << int(BankProblemKind::FieldTooLong) << 1
            << "q\"" + QByteArray(26, 'a') + "\"b\"c\"\r\n"
            << "Cut \u201Caaaa\u201D from the end of the right answer on line 1" << true;
        QTest::newRow("a cut never splits a UTF-8 character across the width")
            << "q\"" + QByteArray(25, 'a') + "\xc3\xbc" "x\"b\"c\"\r\n" << int(BankProblemKind::FieldTooLong) << 1
            << "q\"" + QByteArray(25, 'a') + "\"b\"c\"\r\n"
            << "Cut \u201C\u00C3\u00BCx\u201D from the end of the right answer on line 1" << true;
        QTest::newRow("a field past the 140th character cut as written")
            << "q\"a\"b\"" + QByteArray(140, 'c') + "\"\r\n" << int(BankProblemKind::FieldTooLong) << 1
            << "q\"a\"b\"" + QByteArray(26, 'c') + "\"\r\n"
            << "Cut \u201C" + QString(31, QLatin1Char('c')) + "\u2026\u201D from the end of the wrong answer 2 on line 1"
            << true;
        QTest::newRow("cut text that reads as a placeholder named as it is")
            << "q\"" + QByteArray(26, 'a') + "%2%3\"b\"c\"\r\n" << int(BankProblemKind::FieldTooLong) << 1
            << "q\"" + QByteArray(26, 'a') + "\"b\"c\"\r\n"
            << "Cut \u201C%2%3\u201D from the end of the right answer on line 1" << true;
    }
    void fixes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QFETCH(int, line);
        QFETCH(QByteArray, saved);
        QFETCH(QString, name);
        QFETCH(bool, cut);
        Editor editor(bytes);
        const std::optional<BankProblem> problem = Find(editor.model.report(), BankProblemKind(kind), line);
        QVERIFY(problem);
        QVERIFY(editor.model.canFix(*problem));
        if (cut)
            QVERIFY(editor.model.cutToWidth(*problem));
        else
            editor.model.fix(*problem);
        QCOMPARE(editor.model.bytes(), saved);
        QVERIFY(!Find(editor.model.report(), BankProblemKind(kind), line));
        QVERIFY(!editor.model.canFix(*problem));
        QCOMPARE(editor.stack.count(), 1);
        QCOMPARE(editor.stack.undoText(), name);
        editor.stack.undo();
        QCOMPARE(editor.model.bytes(), bytes);
    }

    void fixAllIsOneStepFromTheLastLineUp()
    {
        const QByteArray bytes = "a\nb\r\nc\"d\nq\"\r\ne\nf\ng";
        Editor editor(bytes);
        editor.model.fixAll(BankProblemKind::LoneLineFeed);
        QCOMPARE(editor.model.bytes(), QByteArray("a\r\nb\r\nc\"d\r\nq\"\r\ne\r\nf\r\ng"));
        QCOMPARE(editor.stack.count(), 1);
        editor.stack.undo();
        QCOMPARE(editor.model.bytes(), bytes);
    }

    // The findings beyond the bytes' format: characters typed that the code
    // page lacks, and the warnings about what the questions say.
    void findingsOfTheNewKinds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("typed"); // typed into line 2's right answer, when not empty
        QTest::addColumn<QStringList>("found"); // "line/field/warning or problem: message", of these kinds only
        const QByteArray two = Good + "r\"a\"b\"c\"\r\n";
        QTest::newRow("each character the code page lacks, once")
            << two << QStringLiteral("\u2713 \u03A9 ok \u2713")
            << QStringList{"2/1/problem: the right answer holds characters the game cannot show (Windows-1252 has "
                           "none of them): «\u2713» and «\u03A9»"};
        QTest::newRow("the same question, case, spaces and punctuation aside")
            << "What is Kew?\"a\"b\"c\"\r\n" + Good + "what is  KEW\"d\"e\"f\"\r\n" << QString()
            << QStringList{"3/0/warning: the same question as line 1 (case, spaces and punctuation aside)"};
        QTest::newRow("a right answer equal to a wrong one")
            << QByteArray("q\"Paris\"Lyon\"paris.\"\r\n") << QString()
            << QStringList{"1/3/warning: the right answer and wrong answer 2 are the same answer (case, spaces and "
                           "punctuation aside)"};
        QTest::newRow("two wrong answers alike, none cut")
            << "q\"a\"" + QByteArray(26, 'b') + "\"" + QByteArray(26, 'B') + "\"\r\n" << QString()
            << QStringList{"1/3/warning: wrong answer 1 and wrong answer 2 are the same answer (case, spaces and "
                           "punctuation aside)"};
        QTest::newRow("answers alike once cut to 26")
            << "q\"" + QByteArray(26, 'a') + "1\"" + QByteArray(26, 'a') + "2\"c\"\r\n" << QString()
            << QStringList{"1/2/warning: the right answer and wrong answer 1 become the same answer once the game "
                           "cuts them to 26 characters"};
        QTest::newRow("empty answers, and signs alone, are not alike")
            << QByteArray("q\"\x80\"$\"\"\r\nr\"\"\"\"\r\n") << QString() << QStringList{};
    }
    void findingsOfTheNewKinds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        Editor editor(bytes);
        if (!typed.isEmpty())
            QVERIFY(editor.model.setData(editor.model.index(1, 1), typed));
        QStringList listed;
        for (const BankProblem &problem : editor.model.report().problems)
            if (problem.kind >= BankProblemKind::Unencodable)
                listed += QStringLiteral("%1/%2/%3: %4")
                              .arg(problem.line)
                              .arg(problem.field)
                              .arg(problem.isWarning() ? "warning" : "problem", QString::fromStdString(problem.message()));
        QCOMPARE(listed, found);
    }

    void codePageTextIsNotTakenForUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("a French title closed after an accented letter")
            << QByteArray("Qui a \xe9\x63rit \xab\xa0Lakm\xe9\xa0\xbb\xa0?\"a\"b\"c\"\r\n") << false;
        QTest::newRow("a no-break space saved as UTF-8") << QByteArray("q\xc2\xa0?\"a\"b\"c\"\r\n") << true;
    }
    void codePageTextIsNotTakenForUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        const BankReport report = CheckBank({bytes.constData(), std::size_t(bytes.size())}, BankReading::Author);
        QCOMPARE(std::any_of(report.problems.begin(), report.problems.end(),
                             [](const BankProblem &problem) { return problem.kind == BankProblemKind::Utf8Text; }),
                 utf8);
    }

    // Rows past 100 are checked on demand: their problems, then their
    // warnings against every row above them; the rows the game reads get no
    // findings of their own here.
    void findingsPastSlots()
    {
        const BankDocument document = [] {
            BankDocument made;
            made.load(NumberedLines(99) + Line(QByteArray(80, 'q'), "a", "b", "c") + "\r\n"
                      + Line("Question 3?", "x", "y", "z") + "\r\n" + Line("q", "Paris", "Lyon", "paris") + "\r\n"
                      + NumberedLine(1) + "\r\n" + Line(QByteArray(80, 'r'), "a", "b", "c") + "\r\n");
            return made;
        }();
        QStringList listed;
        for (const BankProblem &problem : FindingsPastSlots(document))
            listed += QStringLiteral("%1/%2").arg(problem.line).arg(int(problem.kind));
        QCOMPARE(listed, (QStringList{QStringLiteral("101/%1").arg(int(BankProblemKind::SameQuestion)),
                                      QStringLiteral("102/%1").arg(int(BankProblemKind::SameAnswers)),
                                      QStringLiteral("103/%1").arg(int(BankProblemKind::SameQuestion)),
                                      QStringLiteral("104/%1").arg(int(BankProblemKind::FieldTooLong))}));
    }

    // Each row's header shows its line's length against the 140 the game reads.
    void lineLengthAgainst140_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("over");
        QTest::newRow("four fields within their widths making 149")
            << Line(QByteArray(73, 'q'), QByteArray(26, 'a'), QByteArray(26, 'b'), QByteArray(20, 'c')) << "1  149/140"
            << true;
        QTest::newRow("140 exactly") << Line(QByteArray(73, 'q'), QByteArray(26, 'a'), QByteArray(26, 'b'), QByteArray(11, 'c'))
                                     << "1  140/140" << false;
    }
    void lineLengthAgainst140()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, shown);
        QFETCH(bool, over);
        Editor editor(line + "\r\n");
        QCOMPARE(editor.model.headerData(0, Qt::Vertical).toString(), shown);
        QCOMPARE(editor.model.headerData(0, Qt::Vertical, Qt::ForegroundRole) == QColor(Qt::red), over);
    }

    // Fix on a line over 140 cuts nothing: it names the end of the longest
    // field, by as much as the line is over, for the author to reword.
    void lineTooLongIsReworded()
    {
        Editor editor(Line(QByteArray(60, 'q'), QByteArray(26, 'a'), QByteArray(50, 'b'), QByteArray(10, 'c')) + "\r\n");
        const std::optional<BankProblem> problem = Find(editor.model.report(), BankProblemKind::LineTooLong, 1);
        QVERIFY(problem);
        QVERIFY(editor.model.canFix(*problem));
        const std::optional<BankFixes::FieldSpan> span = editor.model.toReword(*problem);
        QVERIFY(span);
        QCOMPARE(span->field, 0);
        QCOMPARE(span->start, 60 - (150 - 140));
        QCOMPARE(span->length, 150 - 140);
        QVERIFY(!editor.model.cutToWidth(*problem));
        QCOMPARE(editor.stack.count(), 0);
    }

    // Fix All mends every kind in one step, line ends first, each kind until
    // none is left; undo gives the bytes back.
    void fixAllKinds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("name");
        const QByteArray a30(30, 'a');
        // Long fields are the author's to reword: they come through whole.
        QTest::newRow("LF-only bank with long fields and UTF-8 on every line")
            << "q1\"" + a30 + "\"b\"c\"\nCaf\xc3\xa9\"" + a30 + "\"b\"c\"\nq3\"a\"b\"" + a30 + "\"\n"
            << "q1\"" + a30 + "\"b\"c\"\r\nCaf\xe9\"" + a30 + "\"b\"c\"\r\nq3\"a\"b\"" + a30 + "\"\r\n" << 3
            << "Fix all: end lines at their line feeds and read the UTF-8 text";
        QTest::newRow("UTF-8 read before the cut, which would split it")
            << "q\"" + QByteArray("\xc3\xa9").repeated(14) + "\"b\"c\"\r\n"
            << "q\"" + QByteArray("\xe9").repeated(14) + "\"b\"c\"\r\n" << 1 << "Read the UTF-8 text on every line";
        QTest::newRow("a UTF-8 character across the width read as its letter, not cut in half")
            << QByteArray(72, 'q') + "\xc3\xbc\"a\"b\"c\"\r\n" << QByteArray(72, 'q') + "\xfc\"a\"b\"c\"\r\n" << 1
            << "Read the UTF-8 text on every line";
        QTest::newRow("a UTF-8 character across the width of a field too long read, its length left")
            << QByteArray(72, 'q') + "\xc3\xbcxyz\"a\"b\"c\"\r\n" << QByteArray(72, 'q') + "\xfcxyz\"a\"b\"c\"\r\n" << 1
            << "Read the UTF-8 text on every line";
        QTest::newRow("three questions run on in one line")
            << QByteArray("q1\"a\"b\"c\"q2\"a\"b\"c\"q3\"a\"b\"c\"\r\n")
            << QByteArray("q1\"a\"b\"c\"\r\nq2\"a\"b\"c\"\r\nq3\"a\"b\"c\"\r\n") << 3
            << "Mend the text after the fourth double quote on every line";
        QTest::newRow("a question run on without its last quote gets a line; a note stays")
            << QByteArray("q1\"a\"b\"c\"q2\"a\"b\"c\r\nq3\"a\"b\"c\"see page 4\r\n")
            << QByteArray("q1\"a\"b\"c\"\r\nq2\"a\"b\"c\r\nq3\"a\"b\"c\"see page 4\r\n") << 3
            << "Mend the text after the fourth double quote on every line";
    }
    void fixAllKinds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, saved);
        QFETCH(int, entries);
        QFETCH(QString, name);
        Editor editor(bytes);
        QVERIFY(editor.model.anyFixable());
        editor.model.fixAll();
        QCOMPARE(editor.model.bytes(), saved);
        QCOMPARE(int(editor.model.report().entries.size()), entries);
        QVERIFY(!editor.model.anyFixable());
        QCOMPARE(editor.stack.count(), 1);
        QCOMPARE(editor.stack.undoText(), name);
        editor.stack.undo();
        QCOMPARE(editor.model.bytes(), bytes);
    }

    void unfixableProblemsOfferNoFix()
    {
        Editor editor("\r\nq\"a\r\nr\"a\nb\"c\"d\"");
        // Splitting bytes would drop a field held as typed, leaving a bare '?' to save.
        QVERIFY(editor.model.setData(editor.model.index(2, 3), QStringLiteral("\u65E5")));
        for (const BankProblem &problem : editor.model.report().problems)
            QVERIFY2(!editor.model.canFix(problem), problem.message().c_str());
    }

    void unencodableCharactersAreHeldAndFound_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed"); // empty: fix the line's UTF-8 instead
        QTest::addColumn<QString>("character");
        QTest::newRow("typed CJK") << Good << 1 << QStringLiteral("答え") << QStringLiteral("答");
        QTest::newRow("typed emoji, after encodable text")
            << Good << 3 << QStringLiteral("ok €\U0001F600") << QStringLiteral("\U0001F600");
        QTest::newRow("UTF-8 fix of a character the code page lacks")
            << QByteArray("\xe2\x86\x92 q\"a\"b\"c\"") << 0 << QString() << QStringLiteral("→");
    }
    void unencodableCharactersAreHeldAndFound()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, character);
        Editor editor(bytes);
        QVERIFY(!editor.model.firstUnencodable());
        if (typed.isEmpty()) {
            editor.model.fix(*Find(editor.model.report(), BankProblemKind::Utf8Text, 1));
            typed = character + QStringLiteral(" q");
        } else {
            QVERIFY(editor.model.setData(editor.model.index(0, column), typed));
        }
        const auto check = [&] {
            const std::optional<BankDocument::Unencodable> found = editor.model.firstUnencodable();
            QVERIFY(found);
            QCOMPARE(found->row, 0);
            QCOMPARE(found->column, column);
            QCOMPARE(found->character, character);
            QCOMPARE(editor.model.data(editor.model.index(0, column)).toString(), typed);
            QVERIFY(editor.model.data(editor.model.index(0, column), Qt::BackgroundRole).isValid());
        };
        check();
        // Another edit of the line, and undoing it, keep the text as typed.
        const int other = column == 0 ? 1 : 0;
        QVERIFY(editor.model.setData(editor.model.index(0, other), QStringLiteral("new")));
        check();
        editor.stack.undo();
        check();
        QVERIFY(editor.model.setData(editor.model.index(0, column), QStringLiteral("plain")));
        QVERIFY(!editor.model.firstUnencodable());
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BankChecksTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BankChecksTest.moc"
