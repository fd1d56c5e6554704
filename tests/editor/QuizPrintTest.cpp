// The printed quiz: its answer order kept or renewed as the user asks, and
// its PDF written and rendered with no printer present.
#include "editor/window/BankEditorWindow.h"
#include "editor/window/BankTableModel.h"
#include "editor/window/QuizPrintCommands.h"
#include "editor/window/QuizPrinter.h"
#include "tests/editor/TestFiles.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

// A full bank: every fifth question long enough to wrap, accented text in
// Windows-1252, and one empty slot, which the sheet skips.
QByteArray HundredLines()
{
    QByteArray bank;
    for (int i = 1; i <= 100; ++i) {
        QByteArray question = "Question " + QByteArray::number(i) + ": what is " + QByteArray::number(i) + " plus one?";
        if (i % 5 == 0)
            question += " Think of the numbers caf\xE9 owners write on the board, each one a little larger than the last";
        bank += i == 50 ? QByteArray("\"\"\"\"") : question + '"' + QByteArray::number(i + 1) + "\"" + QByteArray::number(i + 2)
                                                  + "\"\x80" + QByteArray::number(i) + "\"";
        bank += "\r\n";
    }
    return bank;
}

QAction *Action(BankEditorWindow &window, const char *name)
{
    return window.findChild<QAction *>(QString::fromLatin1(name));
}

QList<QuizQuestion> Plan(BankEditorWindow &window)
{
    return window.findChild<QuizPrintCommands *>(QStringLiteral("quizPrint"))->plan();
}

} // namespace

class QuizPrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void answerOrder_data();
    void answerOrder();
    void pdfPages();
};

void QuizPrintTest::answerOrder_data()
{
    QTest::addColumn<QString>("between"); // what happens between two prints
    QTest::addColumn<bool>("sameOrder");
    QTest::newRow("reprint") << "" << true;
    QTest::newRow("New Answer Order") << "actionNewAnswerOrder" << false;
    QTest::newRow("the bank opened again, as on another day") << "new window" << true;
    QTest::newRow("another bank opened") << "other bank" << false;
    QTest::newRow("Ctrl+P printed and closed") << "print" << true;
}

void QuizPrintTest::answerOrder()
{
    QFETCH(QString, between);
    QFETCH(bool, sameOrder);
    QTemporaryDir folder;
    const QString bank = folder.filePath(QStringLiteral("bank.tqz"));
    WriteFile(bank, HundredLines());
    BankEditorWindow window;
    QVERIFY(window.openFile(bank));
    const QList<QuizQuestion> first = Plan(window);

    BankEditorWindow nextDay;
    if (between == QLatin1String("new window")) {
        QVERIFY(nextDay.openFile(bank));
        QCOMPARE(Plan(nextDay), first);
    } else if (between == QLatin1String("other bank")) {
        const QString other = folder.filePath(QStringLiteral("other.tqz"));
        WriteFile(other, HundredLines());
        QVERIFY(window.openFile(other));
    } else if (between == QLatin1String("print")) {
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        auto *dialog = window.findChild<QDialog *>(QStringLiteral("printDialog"));
        QVERIFY(dialog);
        dialog->reject();
    } else if (!between.isEmpty())
        Action(window, between.toLatin1())->trigger();
    const QList<QuizQuestion> second = Plan(window);
    QCOMPARE(second == first, sameOrder);

    // Every line with a question, numbered in turn; the key's letter points
    // at the bank's right answer, the others at its wrong ones.
    QCOMPARE(second.size(), 99);
    for (const QuizQuestion &question : second) {
        QCOMPARE(question.number, int(&question - second.data()) + 1);
        QStringList printed(question.answers.begin(), question.answers.end());
        QStringList fields;
        for (int column = 1; column <= 3; ++column)
            fields << window.model()->index(question.row, column).data().toString();
        QCOMPARE(printed[question.right], fields[0]);
        std::sort(printed.begin(), printed.end());
        std::sort(fields.begin(), fields.end());
        QCOMPARE(printed, fields);
    }
}

void QuizPrintTest::pdfPages()
{
    QTemporaryDir folder;
    const QString bank = folder.filePath(QStringLiteral("hundred.tqz"));
    WriteFile(bank, HundredLines());
    BankEditorWindow window;
    QVERIFY(window.openFile(bank));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QString pdf = folder.filePath(QStringLiteral("quiz.pdf"));
    printer.setOutputFileName(pdf);
    const int pages = PrintQuiz(&printer, QStringLiteral("hundred"), Plan(window));
    QVERIFY2(pages >= 5 && pages <= 20, qPrintable(QString::number(pages)));

    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"), pdf,
                                              folder.filePath(QStringLiteral("page"))});
    QVERIFY2(render.waitForFinished(60000) && render.exitCode() == 0, render.readAllStandardError().constData());
    const QStringList pngs = QDir(folder.path()).entryList({QStringLiteral("page-*.png")}, QDir::Files, QDir::Name);
    QCOMPARE(pngs.size(), pages);
    const QImage first(folder.filePath(pngs.first()));
    QVERIFY(!first.isNull());
    int dark = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            dark += qGray(first.pixel(x, y)) < 128;
    QVERIFY2(dark > 500, qPrintable(QString::number(dark)));

    // Export PDF offers a file beside the bank, named after it.
    Action(window, "actionExportPdf")->trigger();
    auto *dialog = window.findChild<QFileDialog *>(QStringLiteral("exportPdfDialog"));
    QVERIFY(dialog);
    QCOMPARE(QDir(dialog->directory()).absolutePath(), QDir(folder.path()).absolutePath());
    dialog->selectFile(QStringLiteral("hundred.pdf"));
    static_cast<QDialog *>(dialog)->accept(); // as the Save button does
    QVERIFY(ReadFile(folder.filePath(QStringLiteral("hundred.pdf"))).startsWith("%PDF"));
}

QTEST_MAIN(QuizPrintTest)
#include "QuizPrintTest.moc"
