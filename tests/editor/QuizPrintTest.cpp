// The printed quiz: its answer order kept or renewed as the user asks, the
// sheet chosen in its options panel, and its PDF written, rendered and read
// back with no printer present.
#include "editor/document/StarterBanks.h"
#include "editor/window/BankEditorWindow.h"
#include "editor/window/BankTableModel.h"
#include "editor/window/QuizPrintCommands.h"
#include "editor/window/QuizPrinter.h"
#include "editor/window/QuizSheetDialog.h"
#include "tests/editor/TestFiles.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

// A full bank: every fifth question long enough to wrap, accented text in
// Windows-1252, and an empty slot at `empty` (counted from 1; 0 for none),
// which the sheet skips.
QByteArray HundredLines(int empty = 50)
{
    QByteArray bank;
    for (int i = 1; i <= 100; ++i) {
        QByteArray question = "Question " + QByteArray::number(i) + ": what is " + QByteArray::number(i) + " plus one?";
        if (i % 5 == 0)
            question += " Think of the numbers caf\xE9 owners write on the board, each one a little larger than the last";
        bank += i == empty ? QByteArray("\"\"\"\"") : question + '"' + QByteArray::number(i + 1) + "\"" + QByteArray::number(i + 2)
                                                  + "\"\x80" + QByteArray::number(i) + "\"";
        bank += "\r\n";
    }
    return bank;
}

QAction *Action(BankEditorWindow &window, const char *name)
{
    return window.findChild<QAction *>(QString::fromLatin1(name));
}

QuizPrintCommands *Commands(BankEditorWindow &window)
{
    return window.findChild<QuizPrintCommands *>(QStringLiteral("quizPrint"));
}

QList<QuizQuestion> Plan(BankEditorWindow &window)
{
    return Commands(window)->plan();
}

// Answers the modal window named `name` once it shows, as the next command
// opens it.
void WhenShown(const QString &name, std::function<void(QWidget *)> answer)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, name, answer] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != name)
            return;
        poll->stop();
        poll->deleteLater();
        answer(modal);
    });
    poll->start(10);
}

template <typename Widget>
Widget *Child(QWidget *parent, const char *name)
{
    auto *child = parent->findChild<Widget *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no %s", name);
    return child;
}

// The panel's options left as they are, the order too.
QuizSheetOptions AsTheyAre()
{
    QuizSheetOptions options;
    options.order = 0;
    return options;
}

// Sets the options panel the last command opened, as the teacher would, and
// goes on; an order of 0 keeps the panel's.
void ChooseInPanel(QWidget &window, const QuizSheetOptions &options)
{
    QDialog *dialog = nullptr;
    for (QDialog *shown : window.findChildren<QDialog *>(QStringLiteral("quizSheetOptionsDialog")))
        if (shown->isVisible())
            dialog = shown;
    if (!dialog)
        qFatal("no options panel");
    if (!options.title.isEmpty())
        Child<QLineEdit>(dialog, "titleEdit")->setText(options.title);
    Child<QSpinBox>(dialog, "rangeFromSpin")->setValue(options.from);
    Child<QSpinBox>(dialog, "rangeToSpin")->setValue(options.to);
    Child<QSpinBox>(dialog, "randomCountSpin")->setValue(options.count);
    const char *choice = options.choice == QuizChoice::Range    ? "rangeButton"
                         : options.choice == QuizChoice::Random ? "randomButton"
                                                                : "allQuestionsButton";
    Child<QRadioButton>(dialog, choice)->setChecked(true);
    Child<QCheckBox>(dialog, "compactCheck")->setChecked(options.compact);
    if (options.order)
        Child<QSpinBox>(dialog, "orderSpin")->setValue(int(options.order));
    Child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
}

// Export PDF through the options panel and the file dialog.
QString ExportPdf(BankEditorWindow &window, const QuizSheetOptions &options, const QString &path)
{
    Action(window, "actionExportPdf")->trigger();
    ChooseInPanel(window, options);
    auto *dialog = window.findChild<QFileDialog *>(QStringLiteral("exportPdfDialog"));
    if (!dialog)
        qFatal("no file dialog");
    dialog->selectFile(path);
    static_cast<QDialog *>(dialog)->accept(); // as the Save button does
    return path;
}

// Poppler's tools read the PDFs back; a Windows build has none to run.
constexpr char NoPoppler[] = "no Poppler here (pdftotext, pdftoppm) to read the PDF back";
bool HasPoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A PDF's pages as pdftotext reads them, in the order they were drawn.
QStringList PdfPages(const QString &pdf)
{
    QStringList pages = Run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")})
                            .split(u'\f');
    pages.removeLast(); // after the last page break
    return pages;
}

int PdfPageCount(const QString &pdf)
{
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                              .match(Run(QStringLiteral("pdfinfo"), {pdf}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

} // namespace

class QuizPrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // As korvedit's main() names it: Windows keeps no settings without.
        QCoreApplication::setOrganizationName(QStringLiteral("Korvane"));
    }

    void answerOrder_data();
    void answerOrder();
    void pdfPages();
    void sheet_data();
    void sheet();
    void printedOrderAsksFirst();
    void shippedBankTitle();
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
        ChooseInPanel(window, AsTheyAre());
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
    const int pages = PrintQuiz(&printer, MakeQuizSheet(Plan(window), {QStringLiteral("hundred")}));
    QVERIFY2(pages >= 5 && pages <= 20, qPrintable(QString::number(pages)));

    if (!HasPoppler())
        QSKIP(NoPoppler);
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
    ChooseInPanel(window, AsTheyAre());
    auto *dialog = window.findChild<QFileDialog *>(QStringLiteral("exportPdfDialog"));
    QVERIFY(dialog);
    QCOMPARE(QDir(dialog->directory()).absolutePath(), QDir(folder.path()).absolutePath());
    dialog->selectFile(QStringLiteral("hundred.pdf"));
    static_cast<QDialog *>(dialog)->accept(); // as the Save button does
    QVERIFY(ReadFile(folder.filePath(QStringLiteral("hundred.pdf"))).startsWith("%PDF"));
}

Q_DECLARE_METATYPE(QuizSheetOptions)

void QuizPrintTest::sheet_data()
{
    QTest::addColumn<QuizSheetOptions>("options"); // as set in the panel; order 0 keeps the bank's
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QList<int>>("rows"); // the bank lines asked, when known
    QTest::addColumn<int>("sheetPages"); // at most
    const auto options = [](QuizChoice choice, int from, int to, int count, bool compact, quint32 order) {
        return QuizSheetOptions{{}, choice, from, to, count, compact, order};
    };
    QList<int> all(100);
    std::iota(all.begin(), all.end(), 0);
    QTest::newRow("the bank's file name as its title") << options(QuizChoice::All, 1, 25, 20, false, 0)
                                                       << QPageSize::A4 << "hundred" << all << 20;
    QuizSheetOptions titled = options(QuizChoice::All, 1, 25, 20, false, 0);
    titled.title = QStringLiteral("Class 5b — numbers");
    QTest::newRow("a title") << titled << QPageSize::A4 << "Class 5b — numbers" << all << 20;
    QTest::newRow("a range") << options(QuizChoice::Range, 26, 50, 20, false, 0) << QPageSize::A4 << "hundred"
                             << all.mid(25, 25) << 4;
    QTest::newRow("a range cut at the bank's end") << options(QuizChoice::Range, 91, 100, 20, false, 0)
                                                   << QPageSize::Letter << "hundred" << all.mid(90) << 2;
    QTest::newRow("a random 20 with its order") << options(QuizChoice::Random, 1, 25, 20, false, 4821)
                                                << QPageSize::A4 << "hundred" << QList<int>() << 3;
    QTest::newRow("the compact layout on A4") << options(QuizChoice::All, 1, 25, 20, true, 0) << QPageSize::A4
                                              << "hundred" << all << 4;
    QTest::newRow("the compact layout on Letter") << options(QuizChoice::All, 1, 25, 20, true, 0)
                                                  << QPageSize::Letter << "hundred" << all << 4;
    QTest::newRow("an order set by number") << options(QuizChoice::All, 1, 25, 20, true, 77) << QPageSize::A4
                                            << "hundred" << all << 4;
}

void QuizPrintTest::sheet()
{
    QFETCH(QuizSheetOptions, options);
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(QString, title);
    QFETCH(QList<int>, rows);
    QFETCH(int, sheetPages);
    QTemporaryDir folder;
    const QString bank = folder.filePath(QStringLiteral("hundred.tqz"));
    WriteFile(bank, HundredLines(0));
    BankEditorWindow window;
    QVERIFY(window.openFile(bank));
    QuizPrintCommands *commands = Commands(window);
    commands->printer()->setPageSize(QPageSize(paper));
    const QString pdf = ExportPdf(window, options, folder.filePath(QStringLiteral("sheet.pdf")));

    const QuizSheet sheet = commands->sheet();
    QCOMPARE(sheet.title, title);
    if (options.order)
        QCOMPARE(sheet.order, options.order);
    QList<int> asked;
    for (const QuizQuestion &question : sheet.questions) {
        QCOMPARE(question.number, asked.size() + 1);
        asked.append(question.row);
    }
    if (options.choice == QuizChoice::Random) {
        // Twenty lines of the bank, in its order, drawn the same way again
        // for the same number and another way for another.
        QCOMPARE(asked.size(), options.count);
        QVERIFY(std::is_sorted(asked.begin(), asked.end()));
        QVERIFY(std::adjacent_find(asked.begin(), asked.end()) == asked.end());
        options.title = title;
        QCOMPARE(MakeQuizSheet(PlanQuiz(*window.model(), options.order), options).questions, sheet.questions);
        QuizSheetOptions another = options;
        another.order = NewQuizSeed(options.order);
        QVERIFY(MakeQuizSheet(PlanQuiz(*window.model(), another.order), another).questions != sheet.questions);
    } else
        QCOMPARE(asked, rows);
    // The order set by number brings back the answers it ordered.
    if (options.order)
        QCOMPARE(sheet.questions.first().answers, PlanQuiz(*window.model(), options.order)[asked.first()].answers);

    // The PDF as read back: the sheet's pages, as many as the panel
    // counted, then the key's, every one naming the order and its check.
    if (!HasPoppler())
        QSKIP(NoPoppler);
    const QStringList pages = PdfPages(pdf);
    QCOMPARE(pages.size(), PdfPageCount(pdf));
    const qsizetype sheetCount = std::count_if(pages.begin(), pages.end(), [&](const QString &page) {
        return !page.contains(QStringLiteral("%1, answer key — page").arg(title));
    });
    QVERIFY2(sheetCount <= sheetPages, qPrintable(QString::number(sheetCount)));
    const QuizPages counted = CountQuizPages(commands->printer(), sheet);
    QCOMPARE(counted.sheet, sheetCount);
    QCOMPARE(counted.key, pages.size() - sheetCount);
    const QString stamp = QStringLiteral("Order %1 (check %2)").arg(sheet.order).arg(sheet.check);
    for (const QString &page : pages)
        QVERIFY2(page.contains(stamp), qPrintable(page.right(200)));

    // The key read back matches the sheet read back: each number's letter
    // names the answer printed beside that letter on the sheet.
    const QString sheetText = pages.mid(0, sheetCount).join(u'\n');
    const QString keyText = pages.mid(sheetCount).join(u'\n');
    QMap<int, QMap<QChar, QString>> printed;
    const QRegularExpression questionStart(QStringLiteral("(?:^|\\s)(\\d+)\\.\\s"));
    QList<QRegularExpressionMatch> starts;
    for (auto match = questionStart.globalMatch(sheetText); match.hasNext();)
        starts.append(match.next());
    for (int i = 0; i < starts.size(); ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1].capturedStart() : sheetText.size();
        const QString block = sheetText.mid(starts[i].capturedEnd(), end - starts[i].capturedEnd());
        for (auto answer = QRegularExpression(QStringLiteral("(?:^|\\s)([ABC])\\s+(\\S+)")).globalMatch(block);
             answer.hasNext();) {
            const QRegularExpressionMatch one = answer.next();
            printed[starts[i].captured(1).toInt()][one.captured(1)[0]] = one.captured(2);
        }
    }
    QCOMPARE(printed.size(), sheet.questions.size());
    int keyed = 0;
    for (auto line = QRegularExpression(QStringLiteral("(\\d+)\\.\\s+([ABC])\\s+(\\S+)")).globalMatch(keyText);
         line.hasNext(); ++keyed) {
        const QRegularExpressionMatch entry = line.next();
        const QuizQuestion &question = sheet.questions[entry.captured(1).toInt() - 1];
        QCOMPARE(entry.captured(2)[0], AnswerLetter(question.right));
        QCOMPARE(printed[question.number][entry.captured(2)[0]], entry.captured(3));
        QCOMPARE(entry.captured(3), question.answers[std::size_t(question.right)]);
    }
    QCOMPARE(keyed, sheet.questions.size());

    // The key's one page spreads its short entries evenly over its three
    // columns: as many lines as a third of them, give or take one.
    QCOMPARE(counted.key, 1);
    const QString keyPage = Run(QStringLiteral("pdftotext"),
                                {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(sheetCount + 1), pdf,
                                 QStringLiteral("-")});
    const QRegularExpression entry(QStringLiteral("\\d+\\.\\s+[ABC]\\s"));
    const qsizetype keyLines = keyPage.split(u'\n').filter(entry).size();
    QVERIFY2(keyLines <= (sheet.questions.size() + 2) / 3 + 1, qPrintable(keyPage));
}

// Sheets of an order are out: changing it asks, and keeping it keeps it; an
// edit of the bank keeps the number but not the check.
void QuizPrintTest::printedOrderAsksFirst()
{
    QTemporaryDir folder;
    const QString bank = folder.filePath(QStringLiteral("hundred.tqz"));
    WriteFile(bank, HundredLines(0));
    BankEditorWindow window;
    QVERIFY(window.openFile(bank));
    QuizPrintCommands *commands = Commands(window);
    Action(window, "actionNewAnswerOrder")->trigger(); // nothing printed: no question
    ExportPdf(window, AsTheyAre(), folder.filePath(QStringLiteral("out.pdf")));
    const QuizSheet out = commands->sheet();

    WhenShown(QStringLiteral("changeOrderQuestion"),
              [](QWidget *box) { static_cast<QMessageBox *>(box)->button(QMessageBox::No)->click(); });
    Action(window, "actionNewAnswerOrder")->trigger();
    QCOMPARE(commands->sheet().order, out.order);

    window.model()->setData(window.model()->index(7, 2), QStringLiteral("nine"));
    const QuizSheet edited = commands->sheet();
    QCOMPARE(edited.order, out.order);
    QVERIFY(edited.check != out.check);

    WhenShown(QStringLiteral("changeOrderQuestion"),
              [](QWidget *box) { static_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click(); });
    Action(window, "actionNewAnswerOrder")->trigger();
    QVERIFY(commands->sheet().order != out.order);
}

// A bank that comes with the game is titled as the game lists it, not by
// its file's name.
void QuizPrintTest::shippedBankTitle()
{
    const QList<StarterBank> shipped = StarterBanks();
    QVERIFY(!shipped.isEmpty());
    BankEditorWindow window;
    QVERIFY(window.openFile(shipped.last().path));
    QCOMPARE(Commands(window)->sheet().title, shipped.last().title);
}

QTEST_MAIN(QuizPrintTest)
#include "QuizPrintTest.moc"
