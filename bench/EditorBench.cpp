// The question editor's figures on a bank of 10,000 lines: opening it, a
// keystroke in a cell with the live preview, the keystroke that commits
// an edit with the live checks, the problems list and the preview, and the
// commands that go through the whole bank (find, replace all, sort, shuffle). Keys go to
// the focused control, as a user's keyboard sends them. Recovery is on, its
// interval cut to 50 ms so that it writes all through; the part of a
// recovery write done on the GUI thread is timed on its own, for this bank
// and for one of 100 lines. Then the problems list's refresh on a bank of
// 100 lines with problems and warnings, after a committed edit and while a
// cell is typed in: the work its timer does once the typing pauses; the PDF
// of that small bank's printed quiz; and the import preview of a CSV file of
// 10,000 rows: read, guessed and shown.
#include "editor/window/BankEditorWindow.h"
#include "editor/window/BankTableModel.h"
#include "editor/window/CsvImportDialog.h"
#include "editor/window/QuizPrintCommands.h"
#include "editor/window/QuizPrinter.h"
#include "editor/document/RecoveryFolder.h"
#include "editor/window/RecoveryKeeper.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Lines = 10000;
constexpr int Opens = 15;
constexpr int Keystrokes = 600;
constexpr int Commits = 300;
constexpr int RecoveryWrites = 200;
constexpr int RecoveryIntervalMs = 50;
constexpr int Refreshes = 300;
constexpr int QuizPdfs = 10;
constexpr int WholeBankRuns = 15;
constexpr int Previews = 15;

QByteArray BigBank(int lines = Lines)
{
    QByteArray bytes;
    for (int i = 1; i <= lines; ++i)
        bytes += "Which number comes after " + QByteArray::number(i) + "?\"" + QByteArray::number(i + 1)
                 + "\"" + QByteArray::number(i + 2) + "\"" + QByteArray::number(i - 1) + "\"\r\n";
    return bytes;
}

// A spreadsheet's export: semicolons, a header, quoted fields, accents.
QByteArray BigCsv()
{
    QByteArray bytes = "Frage;Richtige Antwort;Falsche Antwort 1;Falsche Antwort 2\r\n";
    for (int i = 1; i <= Lines; ++i)
        bytes += "\"Welche Zahl folgt auf " + QByteArray::number(i) + "?\";" + QByteArray::number(i + 1)
                 + ";\"\xc3\xa9" + QByteArray::number(i + 2) + "\";" + QByteArray::number(i - 1) + "\r\n";
    return bytes;
}

double Ms(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

void Report(const char *what, std::vector<double> values, double target)
{
    std::sort(values.begin(), values.end());
    const auto at = [&values](double share) { return values[std::size_t(share * double(values.size() - 1))]; };
    std::printf("  %-44s median %7.3f  p99 %7.3f  max %7.3f ms  (target < %g ms: %s)\n", what, at(0.5), at(0.99),
                values.back(), target, at(0.99) < target ? "met" : "NOT met");
}

// 100 lines with something to report: every 4th holds a wrong answer over
// its width, every 9th asks line 1's question again.
QByteArray ProblemBank()
{
    QByteArray bytes;
    for (int i = 1; i <= 100; ++i) {
        const QByteArray n = QByteArray::number(i);
        bytes += "Which number comes after " + (i % 9 ? n : QByteArray("1")) + "?\"" + QByteArray::number(i + 1) + "\""
                 + (i % 4 ? QByteArray::number(i + 2) : "Not this one, nor any of the others " + n) + "\""
                 + QByteArray::number(i - 1) + "\"\r\n";
    }
    return bytes;
}

void WriteBank(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0)
        qFatal("cannot write the bank");
}

// The GUI thread's part of a recovery write of the bank at `path`: the
// document's snapshot, handed to the worker. Each write follows an edit,
// untimed, so there is something to keep; the worker's own time is the
// whole write less this.
std::vector<double> RecoveryWriteTimes(BankEditorWindow &window, const QString &path, bool inBackground)
{
    if (!window.openFile(path))
        qFatal("cannot open the bank");
    auto *keeper = window.findChild<RecoveryKeeper *>();
    std::vector<double> times;
    for (int write = 0; write < RecoveryWrites; ++write) {
        window.model()->setData(window.model()->index(write % 100, 1), QStringLiteral("Edit %1").arg(write));
        QElapsedTimer clock;
        clock.start();
        if (inBackground)
            keeper->keepInBackground();
        else
            keeper->keepNow();
        times.push_back(Ms(clock));
        // The worker finishes before the next edit, as 15 seconds apart it would.
        if (!QTest::qWaitFor([keeper] { return keeper->isCurrent(); }, 10000))
            qFatal("the recovery file was not written");
    }
    return times;
}

// The GUI thread's extra work on the first change after a save: naming
// the recovery file (its lock, which QLockFile syncs to disk, is taken on
// the worker, and the bench times that too).
std::vector<double> NamingTimes(const QString &path, bool lock)
{
    if (!RecoveryFolder::Make())
        qFatal("cannot make the recovery folder");
    std::vector<double> times;
    for (int claim = 0; claim < RecoveryWrites; ++claim) {
        QElapsedTimer clock;
        clock.start();
        const QString file = RecoveryFolder::NewFile(path);
        if (lock && !RecoveryClaim::Take(file))
            qFatal("cannot take a recovery lock");
        times.push_back(Ms(clock));
    }
    return times;
}

struct QuizTimes {
    std::vector<double> pdfs; // Export PDF once the file is chosen: the quiz planned, drawn and written
    std::vector<double> counts; // the options panel's page count after a change: planned and laid out
};

// The quiz of the bank at `path`, as its commands make it, in the compact
// layout.
QuizTimes QuizTimesOf(BankEditorWindow &window, const QString &path, const QString &pdf)
{
    if (!window.openFile(path))
        qFatal("cannot open the bank");
    auto *commands = window.findChild<QuizPrintCommands *>();
    QuizSheetOptions options = commands->options();
    options.compact = true;
    QuizTimes times;
    for (int run = 0; run < QuizPdfs; ++run) {
        QElapsedTimer clock;
        clock.start();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        if (PrintQuiz(&printer, MakeQuizSheet(commands->plan(), options)) == 0)
            qFatal("cannot write the PDF");
        times.pdfs.push_back(Ms(clock));
        clock.start();
        if (CountQuizPages(&printer, MakeQuizSheet(PlanQuiz(*window.model(), options.order), options)).sheet == 0)
            qFatal("no pages counted");
        times.counts.push_back(Ms(clock));
    }
    return times;
}

// Sends one key to whatever has the focus, and lets the work it posts run.
void Press(int key)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCoreApplication::processEvents();
}

// The problems list's refresh, run at once each time: after an edit
// committed, or after a key typed in an open cell.
std::vector<double> RefreshTimes(BankEditorWindow &window, const QString &path, bool typing)
{
    if (!window.openFile(path))
        qFatal("cannot open the bank");
    auto *timer = window.findChild<QTimer *>(QStringLiteral("problemsRefreshTimer"));
    auto *table = window.findChild<QTableView *>(QStringLiteral("entryTable"));
    if (typing) {
        table->setFocus();
        table->setCurrentIndex(window.model()->index(50, 2));
        Press(Qt::Key_F2);
    }
    std::vector<double> times;
    for (int refresh = 0; refresh < Refreshes; ++refresh) {
        if (typing)
            Press(refresh % 2 ? Qt::Key_Backspace : Qt::Key_A + refresh / 2 % 26);
        else
            window.model()->setData(window.model()->index(refresh % 100, 1 + refresh % 3),
                                    QStringLiteral("Edit %1").arg(refresh));
        QElapsedTimer clock;
        clock.start();
        if (!QMetaObject::invokeMethod(timer, "timeout"))
            qFatal("cannot run the refresh");
        times.push_back(Ms(clock));
        timer->stop();
    }
    if (typing)
        Press(Qt::Key_Escape);
    return times;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    // Recovery files go to the bench's own folder, never the user's.
    qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data")).toLocal8Bit());
    // Set it longer than the run to see the figures without recovery.
    if (qEnvironmentVariableIsEmpty("KORVEDIT_RECOVERY_INTERVAL_MS"))
        qputenv("KORVEDIT_RECOVERY_INTERVAL_MS", QByteArray::number(RecoveryIntervalMs));
    QApplication app(argc, argv);
    const QString path = folder.filePath(QStringLiteral("big.tqz"));
    WriteBank(path, BigBank());
    const QString smallPath = folder.filePath(QStringLiteral("small.tqz"));
    WriteBank(smallPath, BigBank(100));
    const QString problemPath = folder.filePath(QStringLiteral("problems.tqz"));
    WriteBank(problemPath, ProblemBank());

    BankEditorWindow window;
    window.show();
    if (!QTest::qWaitForWindowActive(&window))
        qFatal("the editor did not become active");

    std::vector<double> opens;
    for (int run = 0; run < Opens; ++run) {
        QElapsedTimer clock;
        clock.start();
        if (!window.openFile(path))
            qFatal("cannot open the bank");
        QCoreApplication::processEvents(); // the table's layout and first paint
        opens.push_back(Ms(clock));
    }

    auto *table = window.findChild<QTableView *>(QStringLiteral("entryTable"));
    table->setFocus();
    table->setCurrentIndex(window.model()->index(Lines / 2, 0));
    Press(Qt::Key_F2);
    std::vector<double> typing;
    for (int key = 0; key < Keystrokes; ++key) {
        QElapsedTimer clock;
        clock.start();
        Press(key % 2 ? Qt::Key_Backspace : Qt::Key_A + key / 2 % 26);
        typing.push_back(Ms(clock));
    }
    Press(Qt::Key_Escape);

    // The same typing while the recovery writes every 50 ms: an edit to
    // another line, untimed, every 25 keys gives it something to write.
    auto *keeper = window.findChild<RecoveryKeeper *>();
    int recoveryWrites = 0;
    QObject::connect(keeper, &RecoveryKeeper::written, [&recoveryWrites] { ++recoveryWrites; });
    Press(Qt::Key_F2);
    std::vector<double> typingWhileKept;
    for (int key = 0; key < Keystrokes; ++key) {
        if (key % 25 == 0)
            window.model()->setData(window.model()->index(key % 100, 2), QStringLiteral("Kept %1").arg(key));
        QElapsedTimer clock;
        clock.start();
        Press(key % 2 ? Qt::Key_Backspace : Qt::Key_A + key / 2 % 26);
        typingWhileKept.push_back(Ms(clock));
        QTest::qWait(key % 5 == 0 ? 2 : 0); // a typist's pace, so the interval passes while typing
    }
    Press(Qt::Key_Escape);
    const int writesWhileTyping = recoveryWrites;

    std::vector<double> commits;
    for (int edit = 0; edit < Commits; ++edit) {
        table->setCurrentIndex(window.model()->index(edit % 100, 1 + edit % 3));
        Press(Qt::Key_F2);
        Press(Qt::Key_A + edit % 26);
        QElapsedTimer clock;
        clock.start();
        Press(Qt::Key_Return);
        commits.push_back(Ms(clock));
    }

    const int writesWhileCommitting = recoveryWrites - writesWhileTyping;

    // Commands through the whole bank, each run undone before the next; find
    // looks for text no cell holds, so it goes round every cell.
    const auto command = [&window](const char *name) {
        return [action = window.findChild<QAction *>(QString::fromLatin1(name))] { action->trigger(); };
    };
    auto *undo = window.findChild<QUndoStack *>();
    const auto timed = [&](const std::function<void()> &run, bool undone) {
        std::vector<double> times;
        for (int n = 0; n < WholeBankRuns; ++n) {
            QElapsedTimer clock;
            clock.start();
            run();
            QCoreApplication::processEvents();
            times.push_back(Ms(clock));
            if (undone)
                undo->undo();
        }
        return times;
    };
    table->setCurrentIndex(window.model()->index(0, 0));
    command("actionReplace")();
    window.findChild<QLineEdit *>(QStringLiteral("findText"))->setText(QStringLiteral("nowhere"));
    const std::vector<double> finds = timed(command("actionFindNext"), false);
    window.findChild<QLineEdit *>(QStringLiteral("findText"))->setText(QStringLiteral("Which"));
    window.findChild<QLineEdit *>(QStringLiteral("replaceText"))->setText(QStringLiteral("What"));
    const std::vector<double> replaces =
        timed([&window] { window.findChild<QPushButton *>(QStringLiteral("replaceAllButton"))->click(); }, true);
    const std::vector<double> sorts = timed(command("actionSortDescending"), true);
    const std::vector<double> shuffles = timed(command("actionShuffle"), true);

    const std::vector<double> keptBig = RecoveryWriteTimes(window, path, true);
    const std::vector<double> keptSmall = RecoveryWriteTimes(window, smallPath, true);
    const std::vector<double> keptNowBig = RecoveryWriteTimes(window, path, false);
    const std::vector<double> keptNowSmall = RecoveryWriteTimes(window, smallPath, false);
    const std::vector<double> naming = NamingTimes(path, false);
    const std::vector<double> locking = NamingTimes(path, true);
    const std::vector<double> refreshed = RefreshTimes(window, problemPath, false);
    const std::vector<double> refreshedTyping = RefreshTimes(window, problemPath, true);
    // Counted now: the benches after this one open other banks in the window.
    const std::size_t problemCount = window.model()->report().problems.size();
    const QuizTimes quiz = QuizTimesOf(window, smallPath, folder.filePath(QStringLiteral("quiz.pdf")));

    const QByteArray csv = BigCsv();
    std::vector<double> previews;
    for (int run = 0; run < Previews; ++run) {
        QElapsedTimer clock;
        clock.start();
        CsvImportDialog preview(csv, QStringLiteral("big.csv"), &window);
        preview.show();
        QCoreApplication::processEvents(); // its layout and first paint
        previews.push_back(Ms(clock));
        if (preview.records().size() != Lines)
            qFatal("the preview read %lld rows", qlonglong(preview.records().size()));
    }

    std::printf("Question editor, a bank of %d lines (offscreen, in-process, recovery every %d ms):\n", Lines,
                RecoveryKeeper::Interval());
    Report("open the bank, to the table's first paint", opens, 100);
    Report("keystroke in a cell, with the live preview", typing, 8);
    Report("keystroke, recovery writing meanwhile", typingWhileKept, 8);
    Report("Enter that commits, with checks and preview", commits, 8);
    std::printf("  (recovery files written: %d while typing, %d while committing)\n", writesWhileTyping,
                writesWhileCommitting);
    Report("find next, round all 40,000 cells", finds, 100);
    Report("replace all, 10,000 cells, one undo step", replaces, 250);
    Report("sort Z to A by the question", sorts, 250);
    Report("shuffle", shuffles, 250);
    Report("recovery write, GUI-thread part, 10,000 lines", keptBig, 1);
    Report("recovery write, GUI-thread part, 100 lines", keptSmall, 1);
    Report("recovery file named, first change after a save", naming, 1);
    Report("its lock taken, on the worker", locking, 1000);
    Report("recovery write whole (on SIGTERM), 10,000 lines", keptNowBig, 1000);
    Report("recovery write whole (on SIGTERM), 100 lines", keptNowSmall, 1000);
    std::printf("A bank of 100 lines with %zu problems and warnings:\n", problemCount);
    Report("problems list refresh after an edit", refreshed, 20);
    Report("problems list refresh while typing in a cell", refreshedTyping, 20);
    Report("quiz PDF of 100 questions, sheet and key", quiz.pdfs, 1000);
    Report("its pages counted, as the options panel does", quiz.counts, 100);
    Report("import preview of a CSV file of as many rows", previews, 200);
    return 0;
}
