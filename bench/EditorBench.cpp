// The question editor's figures on a bank of 10,000 lines: opening it, a
// keystroke in a cell with the live preview, and the keystroke that commits
// an edit with the live checks, the problems list and the preview. Keys go to
// the focused control, as a user's keyboard sends them.
#include "BankEditorWindow.h"
#include "BankTableModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Lines = 10000;
constexpr int Opens = 15;
constexpr int Keystrokes = 600;
constexpr int Commits = 300;

QByteArray BigBank()
{
    QByteArray bytes;
    for (int i = 1; i <= Lines; ++i)
        bytes += "Which number comes after " + QByteArray::number(i) + "?\"" + QByteArray::number(i + 1)
                 + "\"" + QByteArray::number(i + 2) + "\"" + QByteArray::number(i - 1) + "\"\r\n";
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

// Sends one key to whatever has the focus, and lets the work it posts run.
void Press(int key)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big.tqz"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(BigBank()) < 0)
        qFatal("cannot write the bank");
    file.close();

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

    std::printf("Question editor, a bank of %d lines (offscreen, in-process):\n", Lines);
    Report("open the bank, to the table's first paint", opens, 100);
    Report("keystroke in a cell, with the live preview", typing, 8);
    Report("Enter that commits, with checks and preview", commits, 8);
    return 0;
}
