// The editor's window driven as a user does: keys go to whatever holds the
// focus, commands through their actions, answers to the prompts by their
// buttons.
#include "editor/window/BankEditorWindow.h"
#include "editor/window/BankTableModel.h"
#include "editor/window/EditorGuide.h"
#include "editor/window/QuestionPreview.h"
#include "editor/document/PlayPlan.h"
#include "tests/editor/StandInGame.h"
#include "tests/TestSystem.h"
#include "tests/editor/TestFiles.h"
#include "tests/BankLines.h"
#include "app/Language.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include <optional>

namespace {

const QByteArray ThreeLines = "Capital of France?\"Paris\"Lyon\"Nice\"\r\n"
                              "Largest planet?\"Jupiter\"Mars\"Venus\"\r\n"
                              "Smallest prime?\"2\"1\"3\"\r\n";

QString WriteBank(const QTemporaryDir &folder, const QByteArray &bytes)
{
    const QString path = folder.filePath(QStringLiteral("bank.tqz"));
    WriteFile(path, bytes);
    return path;
}

QTableView *Table(BankEditorWindow &window) { return window.findChild<QTableView *>(QStringLiteral("entryTable")); }

void Activate(BankEditorWindow &window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

// Types text into whatever holds the focus, one key a character; unlike
// QTest::keyClicks it takes characters beyond Latin-1.
void Type(const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// A stand-in for the game, found first on the PATH: it copies the bank it
// found to PlayedBankFile(log). False when the real game sits beside the
// test program (the Windows build keeps all its programs in one folder),
// where the editor looks before the PATH.
bool PutGameOnPath(const QTemporaryDir &folder, const QString &log)
{
    if (!QStandardPaths::findExecutable(QString::fromLatin1(GameExecutableName), {QCoreApplication::applicationDirPath()})
             .isEmpty())
        return false;
    MakeStandInGame(folder.path(), log);
    PutFirstOnPath(folder.path());
    return true;
}

constexpr char GameBesideTests[] = "the real game sits beside the test program, where the editor looks first";

QMessageBox *Box(BankEditorWindow &window, const char *name)
{
    auto *box = window.findChild<QMessageBox *>(QString::fromLatin1(name));
    return box && box->isVisible() ? box : nullptr;
}

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // The access keys are checked in each language with a catalogue.
        InstallLanguage({QStringLiteral("editor"), QStringLiteral("checks")}, qEnvironmentVariable("KORVANE_LANGUAGE"));
    }

    void typingThroughFocus_data();
    void typingThroughFocus();
    void problemLeadsToItsCell_data();
    void problemLeadsToItsCell();
    void nextAndPreviousProblem_data();
    void nextAndPreviousProblem();
    void listFollowsTyping_data();
    void listFollowsTyping();
    void previewCutsAsTheGame_data();
    void previewCutsAsTheGame();
    void unsavedChangesPrompt_data();
    void unsavedChangesPrompt();
    void fixOpensTheLongestFieldOfALineOver140();
    void findingsPastSlotsOnDemand();
    void ctrlHomeEndExtendTheSelection_data();
    void ctrlHomeEndExtendTheSelection();
    void rowCommands_data();
    void rowCommands();
    void playAsksAboutEmptySlots_data();
    void playAsksAboutEmptySlots();
    void newFromStarterSavesElsewhere_data();
    void newFromStarterSavesElsewhere();
    void playWithoutSaving_data();
    void playWithoutSaving();
    void findNextWrapsAndSelects_data();
    void findNextWrapsAndSelects();
    void windowFitsItsScreen();
    void firstWindowFitsTheScreen();
    void keysPastTheLastRow_data();
    void keysPastTheLastRow();
    void longFieldsLeftToTheAuthor();
    void guideTellsTheBasicsWithLiveLinks();
    void reorderFollowsTheQuestion_data();
    void reorderFollowsTheQuestion();
    void mnemonicsAreUnique();
    void datesSpeakTheInterfaceLanguage();
    void everyCommandIsInAMenu();
    void csvImportPreview_data();
    void csvImportPreview();
    void exportCsvBesideTheBank();
};

void EditorWindowTest::typingThroughFocus_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("hinted");
    QTest::newRow("plain text") << "Rome" << "Rome" << false;
    QTest::newRow("double quotes typed open and close") << "He said \"hi\"" << "He said \u201Chi\u201D" << false;
    QTest::newRow("only a double quote opens") << "\"" << "\u201C" << false;
    QTest::newRow("a quote after a word closes") << "5\" tall" << "5\u201D tall" << false;
    QTest::newRow("Windows-1252 accents and euro") << "Café €" << "Café €" << false;
    QTest::newRow("character outside Windows-1252 kept, marked") << "Gdańsk" << "Gdańsk" << true;
}

void EditorWindowTest::typingThroughFocus()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, hinted);
    QTemporaryDir folder;
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, ThreeLines)));
    Activate(window);
    QTableView *table = Table(window);
    table->setFocus();
    table->setCurrentIndex(window.model()->index(0, 1));

    Key(Qt::Key_F2);
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_Delete);
    Type(typed);
    QCOMPARE(!window.statusBar()->currentMessage().isEmpty(), hinted);
    Key(Qt::Key_Return);
    // The view commits on the next turn of the event loop.
    QTRY_COMPARE(window.model()->index(0, 1).data().toString(), kept);
    QVERIFY(window.isWindowModified());

    // Undo and redo as the Edit menu does them.
    window.findChild<QAction *>(QStringLiteral("actionUndo"))->trigger();
    QCOMPARE(window.model()->index(0, 1).data().toString(), QStringLiteral("Paris"));
    QVERIFY(!window.isWindowModified());
    window.findChild<QAction *>(QStringLiteral("actionRedo"))->trigger();
    QCOMPARE(window.model()->index(0, 1).data().toString(), kept);
}

void EditorWindowTest::problemLeadsToItsCell_data()
{
    QTest::addColumn<QByteArray>("bank");
    QTest::addColumn<QString>("problem"); // a piece of the problem's text
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("wrong answer 1 too long") << ThreeLines + "Q?\"A\"" + QByteArray(30, 'w') + "\"C\"\r\n"
                                              << "wrong answer 1 is 30" << 3 << 2;
    QTest::newRow("empty line") << "\r\n" + ThreeLines << "empty line" << 0 << 0;
    QTest::newRow("right answer empty") << ThreeLines + "Q?\"\"B\"C\"\r\n" << "is empty" << 3 << 1;
}

void EditorWindowTest::problemLeadsToItsCell()
{
    QFETCH(QByteArray, bank);
    QFETCH(QString, problem);
    QFETCH(int, row);
    QFETCH(int, column);
    QTemporaryDir folder;
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, bank)));
    Activate(window);
    auto *problems = window.findChild<QListWidget *>(QStringLiteral("problemList"));
    QList<QListWidgetItem *> found = problems->findItems(problem, Qt::MatchContains);
    QCOMPARE(found.size(), 1);
    problems->setFocus();
    problems->setCurrentItem(found.first());

    Key(Qt::Key_Return);
    QCOMPARE(Table(window)->currentIndex(), window.model()->index(row, column));
    QCOMPARE(QApplication::focusWidget(), Table(window));
}

void EditorWindowTest::nextAndPreviousProblem_data()
{
    // Findings with cells: (3,2) a wrong answer too long; (4,0) line 2's
    // question again; (4,3) two wrong answers alike. The bank's own finding
    // (slots left empty) has no cell.
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("startColumn");
    QTest::addColumn<QString>("keys"); // "F8" or "S-F8", space-separated
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("F8 from the top") << 0 << 0 << "F8" << 3 << 2;
    QTest::newRow("F8 twice, on to the next line") << 0 << 0 << "F8 F8" << 4 << 0;
    QTest::newRow("F8 on from the chosen one in a line") << 0 << 0 << "F8 F8 F8" << 4 << 3;
    QTest::newRow("F8 past the last wraps to the first") << 0 << 0 << "F8 F8 F8 F8" << 3 << 2;
    QTest::newRow("Shift+F8 from the top wraps to the last") << 0 << 0 << "S-F8" << 4 << 3;
    QTest::newRow("Shift+F8 goes back") << 0 << 0 << "F8 F8 S-F8" << 3 << 2;
    QTest::newRow("F8 from where the cursor was moved") << 4 << 1 << "F8" << 4 << 3;
}

void EditorWindowTest::nextAndPreviousProblem()
{
    QFETCH(int, startRow);
    QFETCH(int, startColumn);
    QFETCH(QString, keys);
    QFETCH(int, row);
    QFETCH(int, column);
    QTemporaryDir folder;
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, ThreeLines + "Q?\"A\"" + QByteArray(30, 'w') + "\"C\"\r\n"
                                                  "Largest planet?\"Saturn\"Mars\"mars!\"\r\n")));
    Activate(window);
    Table(window)->setFocus();
    Table(window)->setCurrentIndex(window.model()->index(startRow, startColumn));

    for (const QString &key : keys.split(QLatin1Char(' ')))
        Key(Qt::Key_F8, key.startsWith(QLatin1Char('S')) ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(Table(window)->currentIndex(), window.model()->index(row, column));
    QCOMPARE(QApplication::focusWidget(), Table(window));
    // The list shows the entry gone to.
    QListWidgetItem *chosen = window.findChild<QListWidget *>(QStringLiteral("problemList"))->currentItem();
    QVERIFY(chosen && chosen->isSelected());
    QVERIFY2(chosen->text().startsWith(QStringLiteral("Line %1").arg(row + 1)), qPrintable(chosen->text()));
}

void EditorWindowTest::listFollowsTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("listed"); // a piece of the entry the typing brings
    QTest::newRow("a character the code page lacks") << QStringLiteral(" \u2713") << "cannot show (Windows-1252 has none of them): «\u2713»";
    QTest::newRow("a wrong answer over its width") << QString(30, QLatin1Char('x')) << "wrong answer 1 is 34 characters";
}

// Before the cell is committed, and gone again once the typing is undone by Esc.
void EditorWindowTest::listFollowsTyping()
{
    QFETCH(QString, typed);
    QFETCH(QString, listed);
    QTemporaryDir folder;
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, ThreeLines)));
    Activate(window);
    auto *problems = window.findChild<QListWidget *>(QStringLiteral("problemList"));
    Table(window)->setFocus();
    Table(window)->setCurrentIndex(window.model()->index(0, 2));

    Key(Qt::Key_F2);
    Key(Qt::Key_End);
    Type(typed);
    QTRY_COMPARE_WITH_TIMEOUT(problems->findItems(listed, Qt::MatchContains).size(), 1, 1000);
    QCOMPARE(window.model()->index(0, 2).data().toString(), QStringLiteral("Lyon"));
    Key(Qt::Key_Escape);
    QTRY_COMPARE_WITH_TIMEOUT(problems->findItems(listed, Qt::MatchContains).size(), 0, 1000);
}

void EditorWindowTest::previewCutsAsTheGame_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answerC");
    QTest::newRow("question cut to 73")
        << QByteArray(80, 'q') + "\"A\"B\"C\"" << QString(73, QLatin1Char('q')) << "C)  C";
    QTest::newRow("answer cut to 26") << "Q\"A\"B\"" + QByteArray(30, 'c') + "\"" << "Q" << "C)  " + QString(26, QLatin1Char('c'));
    QTest::newRow("line cut at 140 characters")
        << QByteArray(73, 'q') + "\"" + QByteArray(26, 'a') + "\"" + QByteArray(26, 'b') + "\"abcdefghijklmnopqrstuvwxyz\""
        << QString(73, QLatin1Char('q')) << "C)  abcdefghijkl";
    QTest::newRow("UTF-8 bytes shown as the game shows them") << QByteArray("Caf\xc3\xa9?\"A\"B\"C\"") << "CafÃ©?" << "C)  C";
    QTest::newRow("fewer quotes: last field runs to the end") << QByteArray("Q\"A\"B\"rest") << "Q" << "C)  rest";
}

void EditorWindowTest::previewCutsAsTheGame()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, question);
    QFETCH(QString, answerC);
    QTemporaryDir folder;
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, ThreeLines + line + "\r\n")));
    Activate(window);
    Table(window)->setFocus();
    Table(window)->setCurrentIndex(window.model()->index(3, 0));
    auto *preview = window.findChild<QuestionPreview *>();
    QCOMPARE(preview->questionShown(), question);
    QCOMPARE(preview->answerShown(3), answerC);

    // While a cell is being typed in, the preview follows before the commit.
    Key(Qt::Key_F2);
    Key(Qt::Key_End);
    Type(QStringLiteral("xyz"));
    QCOMPARE(preview->questionShown(), (window.model()->index(3, 0).data().toString() + QStringLiteral("xyz")).left(73));
    Key(Qt::Key_Escape);
    QCOMPARE(preview->questionShown(), question);
}

void EditorWindowTest::unsavedChangesPrompt_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("proceeds");
    QTest::addColumn<bool>("savedOnDisk");
    QTest::addColumn<int>("altKey"); // answered by Alt and this key to the focus widget; 0: by a click
    QTest::newRow("new, save") << "new" << int(QMessageBox::Save) << true << true << 0;
    QTest::newRow("new, discard") << "new" << int(QMessageBox::Discard) << true << false << 0;
    QTest::newRow("new, cancel") << "new" << int(QMessageBox::Cancel) << false << false << 0;
    QTest::newRow("close, discard") << "close" << int(QMessageBox::Discard) << true << false << 0;
    QTest::newRow("close, cancel") << "close" << int(QMessageBox::Cancel) << false << false << 0;
    QTest::newRow("close, Alt+D discards") << "close" << int(QMessageBox::Discard) << true << false << int(Qt::Key_D);
}

void EditorWindowTest::unsavedChangesPrompt()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, proceeds);
    QFETCH(bool, savedOnDisk);
    QFETCH(int, altKey);
    QTemporaryDir folder;
    const QString path = WriteBank(folder, ThreeLines);
    BankEditorWindow window;
    QVERIFY(window.openFile(path));
    Activate(window);
    QVERIFY(window.model()->setData(window.model()->index(0, 1), QStringLiteral("Marseille")));
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("bank.tqz[*]")));
    QVERIFY(window.isWindowModified());

    if (command == QLatin1String("new"))
        window.findChild<QAction *>(QStringLiteral("actionNew"))->trigger();
    else
        QVERIFY(!window.close());
    auto *box = window.findChild<QMessageBox *>(QStringLiteral("unsavedChangesBox"));
    QVERIFY(box && box->isVisible());
    if (altKey != 0) {
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(box));
        Key(altKey, Qt::AltModifier);
    } else {
        box->button(QMessageBox::StandardButton(answer))->click();
    }

    QCOMPARE(ReadFile(path).contains("Marseille"), savedOnDisk);
    // A button's accelerator clicks it a moment later, as a click would look.
    if (command == QLatin1String("new"))
        QTRY_COMPARE(window.currentFile().isEmpty(), proceeds);
    else
        QTRY_COMPARE(window.isVisible(), !proceeds);
}

// Nothing is cut: the longest field opens with the line's excess selected,
// ready to reword, and the bank stays as it was.
void EditorWindowTest::fixOpensTheLongestFieldOfALineOver140()
{
    const QByteArray bank = "Which?\"" + QByteArray(20, 'a') + "\"" + QByteArray(111, 'b') + "xyz\"c\"\r\n";
    QTemporaryDir folder;
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, bank)));
    Activate(window);
    auto *problems = window.findChild<QListWidget *>(QStringLiteral("problemList"));
    const QList<QListWidgetItem *> found = problems->findItems(QStringLiteral("the line is 145 characters"), Qt::MatchContains);
    QCOMPARE(found.size(), 1);
    problems->setCurrentItem(found.first());
    auto *fix = window.findChild<QPushButton *>(QStringLiteral("fixButton"));
    QVERIFY(fix->isEnabled());
    // No field of this line is past its width: there is nothing to cut.
    QVERIFY(!window.findChild<QAction *>(QStringLiteral("actionCutToWidth"))->isEnabled());
    fix->click();
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(edit);
    QCOMPARE(Table(window)->currentIndex(), window.model()->index(0, 2));
    QCOMPARE(edit->selectedText(), QStringLiteral("bbxyz"));
    QCOMPARE(window.model()->bytes(), bank);
}

// Rows past 100 are checked once asked for, and their findings counted.
void EditorWindowTest::findingsPastSlotsOnDemand()
{
    QTemporaryDir folder;
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, NumberedLines(102) + NumberedLine(7) + "\r\n")));
    Activate(window);
    auto *problems = window.findChild<QListWidget *>(QStringLiteral("problemList"));
    auto *count = window.findChild<QLabel *>(QStringLiteral("pastSlotsCount"));
    QVERIFY(problems->findItems(QStringLiteral("Line 103"), Qt::MatchStartsWith).isEmpty());
    window.findChild<QCheckBox *>(QStringLiteral("pastSlotsBox"))->setChecked(true);
    QCOMPARE(problems->findItems(QStringLiteral("Line 103, warning: the same question as line 7"), Qt::MatchStartsWith).size(), 1);
    QCOMPARE(count->text(), QStringLiteral("1 finding on rows past 100"));
}

// As in a spreadsheet: from the block selected to the first or last cell.
void EditorWindowTest::ctrlHomeEndExtendTheSelection_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("current"); // column, row
    QTest::addColumn<QRect>("selected");
    QTest::newRow("Shift+Ctrl+End from a cell") << int(Qt::Key_End) << QPoint(1, 1) << QRect(QPoint(1, 1), QPoint(3, 2));
    QTest::newRow("Shift+Ctrl+Home from a cell") << int(Qt::Key_Home) << QPoint(1, 1) << QRect(QPoint(0, 0), QPoint(1, 1));
}

void EditorWindowTest::ctrlHomeEndExtendTheSelection()
{
    QFETCH(int, key);
    QFETCH(QPoint, current);
    QFETCH(QRect, selected);
    QTemporaryDir folder;
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, ThreeLines)));
    Activate(window);
    QTableView *table = Table(window);
    table->setCurrentIndex(window.model()->index(current.y(), current.x()));
    QCOMPARE(QApplication::focusWidget(), table);
    Key(key, Qt::ShiftModifier | Qt::ControlModifier);
    const QItemSelection selection = table->selectionModel()->selection();
    QCOMPARE(selection.size(), 1);
    QCOMPARE(QRect(QPoint(selection[0].left(), selection[0].top()), QPoint(selection[0].right(), selection[0].bottom())),
             selected);
    QVERIFY(selection[0].contains(table->currentIndex()));
}

void EditorWindowTest::rowCommands_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("questions"); // first letters of the questions, top down
    QTest::addColumn<int>("undoSteps");
    QTest::newRow("delete rows apart, one step") << QList<int>{0, 2} << QStringList{"actionDeleteRows"} << "L" << 1;
    QTest::newRow("move two rows down") << QList<int>{0, 1} << QStringList{"actionMoveDown"} << "SCL" << 1;
    QTest::newRow("move up from the top does nothing") << QList<int>{0} << QStringList{"actionMoveUp"} << "CLS" << 0;
    // Cut clears a row's cells, as in a spreadsheet; whole rows pasted go below the current row.
    QTest::newRow("cut a row, paste it below the top") << QList<int>{2} << QStringList{"actionCut", "actionPaste"} << "CSL " << 2;
    QTest::newRow("copy then paste duplicates") << QList<int>{1} << QStringList{"actionCopy", "actionPaste"} << "CLLS" << 1;
    QTest::newRow("insert below the current row") << QList<int>{0} << QStringList{"actionInsertRow"} << "C LS" << 1;
    QTest::newRow("sort Z to A by the current column") << QList<int>{0} << QStringList{"actionSortDescending"} << "SLC" << 1;
}

void EditorWindowTest::rowCommands()
{
    QFETCH(QList<int>, selected);
    QFETCH(QStringList, actions);
    QFETCH(QString, questions);
    QFETCH(int, undoSteps);
    QTemporaryDir folder;
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, ThreeLines)));
    Activate(window);
    QTableView *table = Table(window);
    table->setCurrentIndex(window.model()->index(selected.first(), 0));
    for (const int row : selected)
        table->selectionModel()->select(window.model()->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    for (const QString &action : actions) {
        window.findChild<QAction *>(action)->trigger();
        table->setCurrentIndex(window.model()->index(0, 0)); // whole rows are pasted below the current row
    }
    QString shown;
    for (int row = 0; row < window.model()->rowCount(); ++row)
        shown += window.model()->index(row, 0).data().toString().left(1).leftJustified(1);
    QCOMPARE(shown, questions);

    // Each command is one step to undo, however many rows it touched.
    QAction *undo = window.findChild<QAction *>(QStringLiteral("actionUndo"));
    for (int step = 0; step < undoSteps; ++step)
        undo->trigger();
    QVERIFY(!undo->isEnabled());
    QCOMPARE(window.model()->bytes(), ThreeLines);
}

void EditorWindowTest::playAsksAboutEmptySlots_data()
{
    QTest::addColumn<QByteArray>("bank");
    QTest::addColumn<int>("empty"); // 0: no question
    const QByteArray blank = "\"\"\"\"\r\n";
    QTest::newRow("30 lines") << NumberedLines(30) << 70;
    QTest::newRow("100 lines") << NumberedLines(100) << 0;
    QTest::newRow("100 lines, the last 5 blank") << NumberedLines(95) + blank.repeated(5) << 5;
}

void EditorWindowTest::playAsksAboutEmptySlots()
{
    QFETCH(QByteArray, bank);
    QFETCH(int, empty);
    QTemporaryDir folder;
    // Whichever game starts, the question comes first.
    PutGameOnPath(folder, folder.filePath(QStringLiteral("game.log")));
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, bank)));
    Activate(window);
    Key(Qt::Key_F5);
    QMessageBox *box = Box(window, "emptySlotsBox");
    QCOMPARE(box != nullptr, empty > 0);
    if (box)
        QVERIFY2(box->text().startsWith(QStringLiteral("%1 of the 100 slots are empty").arg(empty)), qPrintable(box->text()));
}

void EditorWindowTest::newFromStarterSavesElsewhere_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Save") << "actionSave";
    QTest::newRow("Play") << "actionPlay";
}

void EditorWindowTest::newFromStarterSavesElsewhere()
{
    QFETCH(QString, command);
    QTemporaryDir folder;
    const QString log = folder.filePath(QStringLiteral("game.log"));
    if (!PutGameOnPath(folder, log) && command == QLatin1String("actionPlay"))
        QSKIP(GameBesideTests);
    const QString banks = folder.filePath(QStringLiteral("banks"));
    QVERIFY(QDir().mkpath(banks));
    const QString shipped = banks + QStringLiteral("/geography.tqz");
    const QByteArray bytes = ReadFile(QStringLiteral(KORVANE_DATA_FOLDER "/geography.tqz"));
    WriteFile(shipped, bytes);
    qputenv("KORVEDIT_BANK_DIR", QFile::encodeName(banks));
    const auto unset = qScopeGuard([] { qunsetenv("KORVEDIT_BANK_DIR"); });

    BankEditorWindow window;
    Activate(window);
    window.findChild<QAction *>(QStringLiteral("actionNewFromStarter"))->trigger();
    auto *choice = window.findChild<QInputDialog *>(QStringLiteral("bankChoiceDialog"));
    QVERIFY(choice && choice->isVisible());
    choice->setTextValue(QStringLiteral("Geography"));
    choice->accept();
    QCOMPARE(window.model()->bytes(), bytes);
    QVERIFY(window.currentFile().isEmpty());

    window.findChild<QAction *>(command)->trigger();
    auto *save = window.findChild<QFileDialog *>(QStringLiteral("saveDialog"));
    QVERIFY(save && save->isVisible());
    QVERIFY(!save->selectedFiles().contains(shipped));
    QVERIFY(save->directory() != QDir(banks));
    const QString mine = folder.filePath(QStringLiteral("mine.tqz"));
    save->selectFile(mine);
    static_cast<QDialog *>(save)->accept();
    QCOMPARE(window.currentFile(), mine);
    QCOMPARE(ReadFile(mine), bytes);
    QCOMPARE(ReadFile(shipped), bytes);
    if (command == QLatin1String("actionPlay"))
        QTRY_COMPARE_WITH_TIMEOUT(ReadFile(PlayedBankFile(log)), bytes, 10000);
}

void EditorWindowTest::playWithoutSaving_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Play Without Saving") << "command";
    QTest::newRow("Play where the file cannot be saved") << "failed save";
    QTest::newRow("untitled, with empty slots") << "untitled";
}

void EditorWindowTest::playWithoutSaving()
{
    QFETCH(QString, how);
    QTemporaryDir folder;
    const QString log = folder.filePath(QStringLiteral("game.log"));
    if (!PutGameOnPath(folder, log))
        QSKIP(GameBesideTests);
    const QByteArray bank = NumberedLines(100);
    const QString path = WriteBank(folder, bank);
    BankEditorWindow window;
    if (how != QLatin1String("untitled"))
        QVERIFY(window.openFile(path));
    Activate(window);
    QVERIFY(window.model()->setData(window.model()->index(0, 0), QStringLiteral("Tried out?")));

    if (how == QLatin1String("failed save")) {
        {
            // A save that fails even for root: past a file-size limit, or
            // on Windows over a file another program holds.
            const FileSizeLimit limit(bank.size() / 2);
            std::optional<ExclusiveHold> other;
            if (!limit.refusal().isEmpty())
                other.emplace(QFile::encodeName(path));
            if (other && !other->refusal().isEmpty())
                QSKIP(qPrintable(limit.refusal() + QStringLiteral("; ") + other->refusal()));
            Key(Qt::Key_F5);
        }
        QMessageBox *box = Box(window, "cannotSaveBox");
        QVERIFY(box);
        box->findChild<QAbstractButton *>(QStringLiteral("playUnsavedButton"))->click();
    } else {
        window.findChild<QAction *>(QStringLiteral("actionPlayUnsaved"))->trigger();
        if (how == QLatin1String("untitled")) {
            QMessageBox *box = Box(window, "emptySlotsBox");
            QVERIFY(box);
            box->findChild<QAbstractButton *>(QStringLiteral("playAnywayButton"))->click();
        }
    }
    QTRY_COMPARE_WITH_TIMEOUT(ReadFile(PlayedBankFile(log)), window.model()->bytes(), 10000);
    QVERIFY(window.model()->bytes().startsWith("Tried out?"));
    QCOMPARE(ReadFile(path), bank);
    QVERIFY(window.isWindowModified());
}

void EditorWindowTest::findNextWrapsAndSelects_data()
{
    QTest::addColumn<int>("startRow");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("enters");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("past the end, round to the top") << 2 << "ar" << 1 << 0 << 1;
    QTest::newRow("each Enter finds the next cell") << 0 << "ar" << 3 << 1 << 2;
    QTest::newRow("case ignored") << 0 << "VENUS" << 1 << 1 << 3;
}

void EditorWindowTest::findNextWrapsAndSelects()
{
    QFETCH(int, startRow);
    QFETCH(QString, typed);
    QFETCH(int, enters);
    QFETCH(int, row);
    QFETCH(int, column);
    QTemporaryDir folder;
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, ThreeLines)));
    Activate(window);
    QTableView *table = Table(window);
    table->setFocus();
    table->setCurrentIndex(window.model()->index(startRow, 0));

    Key(Qt::Key_F, Qt::ControlModifier);
    Type(typed);
    for (int enter = 0; enter < enters; ++enter)
        Key(Qt::Key_Return);
    QCOMPARE(table->currentIndex(), window.model()->index(row, column));
    QCOMPARE(table->selectionModel()->selectedIndexes(), QModelIndexList{window.model()->index(row, column)});
    // The typing went to the find field, not into a cell.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("findText"));
    QCOMPARE(window.model()->bytes(), ThreeLines);
}

// A size saved on a larger screen, or at a smaller scale, is cut to the screen.
void EditorWindowTest::windowFitsItsScreen()
{
    {
        BankEditorWindow large;
        large.resize(large.screen()->availableSize() * 3);
        QSettings().setValue(QStringLiteral("windowGeometry"), large.saveGeometry());
    }
    BankEditorWindow window;
    Activate(window);
    QSettings().remove(QStringLiteral("windowGeometry"));
    // Fitted again once shown, when the window's borders are known.
    QTRY_VERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
}

// On a 1366×768 screen (the test's own), where a window manager put the
// first window 20 pixels down.
void EditorWindowTest::firstWindowFitsTheScreen()
{
    QSettings().remove(QStringLiteral("windowGeometry"));
    BankEditorWindow window;
    QCOMPARE(window.screen()->size(), QSize(1366, 768));
    window.winId();
    window.windowHandle()->setFramePosition(QPoint(0, 20));
    Activate(window);
    QTRY_VERIFY2(window.screen()->availableGeometry().contains(window.frameGeometry()),
                 qPrintable(QDebug::toString(window.frameGeometry())));
}

void EditorWindowTest::keysPastTheLastRow_data()
{
    QTest::addColumn<int>("column"); // of the last row, where the keys start
    QTest::addColumn<bool>("typing"); // an "x" typed in the cell first
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("row"); // where the cursor ends
    QTest::addColumn<int>("endColumn");
    QTest::newRow("Down adds a row, a second one no more")
        << 1 << false << QList<int>{Qt::Key_Down, Qt::Key_Down} << 4 << 3 << 1;
    QTest::newRow("Down while typing commits and adds") << 0 << true << QList<int>{Qt::Key_Down} << 4 << 3 << 0;
    QTest::newRow("Tab on the last cell goes to a new row's first") << 3 << false << QList<int>{Qt::Key_Tab} << 4 << 3 << 0;
    QTest::newRow("Enter while typing in the last cell") << 3 << true << QList<int>{Qt::Key_Return} << 4 << 3 << 0;
    QTest::newRow("Tab before the last cell adds nothing") << 2 << false << QList<int>{Qt::Key_Tab} << 3 << 2 << 3;
}

void EditorWindowTest::keysPastTheLastRow()
{
    QFETCH(int, column);
    QFETCH(bool, typing);
    QFETCH(QList<int>, keys);
    QFETCH(int, rows);
    QFETCH(int, row);
    QFETCH(int, endColumn);
    QTemporaryDir folder;
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, ThreeLines)));
    Activate(window);
    QTableView *table = Table(window);
    table->setFocus();
    table->setCurrentIndex(window.model()->index(2, column));
    const QString before = window.model()->index(2, column).data().toString();
    if (typing) {
        Key(Qt::Key_F2);
        Key(Qt::Key_End);
        Type(QStringLiteral("x"));
    }
    for (const int key : keys)
        Key(key);
    QCOMPARE(window.model()->rowCount(), rows);
    QCOMPARE(table->currentIndex(), window.model()->index(row, endColumn));
    QCOMPARE(window.model()->index(2, column).data().toString(), typing ? before + "x" : before);
}

// Fix All cuts nothing: the long answer stays whole and listed; Fix selects
// what the game drops, for the author to reword.
void EditorWindowTest::longFieldsLeftToTheAuthor()
{
    QTemporaryDir folder;
    BankEditorWindow window;
    const QByteArray line = "Young deer?\"A fawn, or sometimes a calf\"Kid\"Foal\"";
    // The lone line feed gives Fix All something to mend.
    QVERIFY(window.openFile(WriteBank(folder, ThreeLines + line + "\n")));
    Activate(window);
    auto *problems = window.findChild<QListWidget *>(QStringLiteral("problemList"));
    problems->setFocus();
    window.findChild<QAbstractButton *>(QStringLiteral("fixAllButton"))->click();
    QCOMPARE(window.model()->bytes(), ThreeLines + line + "\r\n");
    QList<QListWidgetItem *> found = problems->findItems(QStringLiteral("27 characters"), Qt::MatchContains);
    QCOMPARE(found.size(), 1);

    problems->setFocus();
    problems->setCurrentItem(found.first());
    Key(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(edit);
    QCOMPARE(edit->selectedText(), QStringLiteral("f"));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    Type(QStringLiteral("f"));
    Key(Qt::Key_Return);
    QTRY_COMPARE(window.model()->index(3, 1).data().toString(), QStringLiteral("A fawn, or sometimes a caf"));
}

void EditorWindowTest::guideTellsTheBasicsWithLiveLinks()
{
    BankEditorWindow window;
    Activate(window);
    Table(window)->setFocus();
    Key(Qt::Key_F1);
    auto *guide = window.findChild<QTextBrowser *>(QStringLiteral("guideText"));
    QVERIFY(guide);
    QTRY_VERIFY(guide->isVisible());
    const QString text = guide->toPlainText();
    for (const char *basic : {"Adding questions", "Importing a spreadsheet", "Printing a worksheet", "After a crash"})
        QVERIFY2(text.contains(QLatin1String(basic)), basic);
    // Every link leads somewhere: to a part of the guide, or to a manual page that is there.
    const QString html = guide->toHtml();
    QRegularExpressionMatchIterator links = QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).globalMatch(html);
    QVERIFY(links.hasNext());
    while (links.hasNext()) {
        const QString target = links.next().captured(1);
        if (target.startsWith(QLatin1Char('#')))
            QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(target.mid(1))), qPrintable(target));
        else
            QVERIFY2(EditorGuide::manualInstalled(), qPrintable(target));
    }
}

void EditorWindowTest::reorderFollowsTheQuestion_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("sort A to Z") << "actionSort";
    QTest::newRow("sort Z to A") << "actionSortDescending";
    QTest::newRow("shuffle") << "actionShuffle";
}

void EditorWindowTest::reorderFollowsTheQuestion()
{
    QFETCH(QString, action);
    QTemporaryDir folder;
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, ThreeLines)));
    Activate(window);
    QTableView *table = Table(window);
    table->setFocus();
    table->setCurrentIndex(window.model()->index(0, 1));
    window.findChild<QAction *>(action)->trigger();
    QCOMPARE(table->currentIndex().column(), 1);
    QCOMPARE(table->currentIndex().siblingAtColumn(0).data().toString(), QStringLiteral("Capital of France?"));
}

void EditorWindowTest::csvImportPreview_data()
{
    QTest::addColumn<QList<int>>("keys"); // to the preview, from its first control
    QTest::addColumn<QStringList>("imported");
    const QStringList guessed = {"Alpha?|a|b|c", "Beta?|d|e|f"};
    QTest::newRow("Enter imports as guessed") << QList<int>{Qt::Key_Return} << guessed;
    QTest::newRow("header unticked: its row comes in too")
        << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return}
        << QStringList{"Question|Right answer|Wrong answer 1|Wrong answer 2"} + guessed;
    QTest::newRow("separator set to tab: one field a row")
        << QList<int>{Qt::Key_Down, Qt::Key_Return} << QStringList{"Alpha?;a;b;c|||", "Beta?;d;e;f;see page 4|||"};
    QTest::newRow("Escape imports nothing") << QList<int>{Qt::Key_Escape} << QStringList{};
}

void EditorWindowTest::csvImportPreview()
{
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, imported);
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("quiz.csv"));
    WriteFile(csv, "Question;Right answer;Wrong answer 1;Wrong answer 2\r\nAlpha?;a;b;c\r\nBeta?;d;e;f;see page 4\r\n");
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, ThreeLines)));
    Activate(window);
    Table(window)->setCurrentIndex(window.model()->index(2, 0));

    window.findChild<QAction *>(QStringLiteral("actionImportCsv"))->trigger();
    auto *files = window.findChild<QFileDialog *>(QStringLiteral("importDialog"));
    QVERIFY(files);
    QCOMPARE(files->directory().absolutePath(), QDir(folder.path()).absolutePath());
    files->selectFile(csv);
    QMetaObject::invokeMethod(files, "accept"); // as its Open button does
    QDialog *preview = nullptr;
    QTRY_VERIFY((preview = window.findChild<QDialog *>(QStringLiteral("csvImportDialog"))));
    QVERIFY(QTest::qWaitForWindowActive(preview));
    // Text a bank line cannot hold is named before the import, not lost unseen.
    QVERIFY(preview->findChild<QLabel *>(QStringLiteral("csvSummary"))->text().contains(
        QStringLiteral("Row 2 has text past the fourth field, which does not come in: “see page 4”")));
    for (const int key : keys)
        Key(key);
    QTRY_VERIFY(!preview->isVisible());

    QStringList rows;
    for (int row = 3; row < window.model()->rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < 4; ++column)
            fields += window.model()->index(row, column).data().toString();
        rows += fields.join(QLatin1Char('|'));
    }
    QCOMPARE(rows, imported);
    // One step undoes the whole import.
    window.findChild<QAction *>(QStringLiteral("actionUndo"))->trigger();
    QCOMPARE(window.model()->bytes(), ThreeLines);
}

// Export CSV offers the bank's name with .csv beside it, and writes there.
void EditorWindowTest::exportCsvBesideTheBank()
{
    QTemporaryDir folder;
    BankEditorWindow window;
    QVERIFY(window.openFile(WriteBank(folder, ThreeLines)));
    Activate(window);
    window.findChild<QAction *>(QStringLiteral("actionExportCsv"))->trigger();
    auto *files = window.findChild<QFileDialog *>(QStringLiteral("exportDialog"));
    QVERIFY(files);
    const QString csv = QDir(folder.path()).absoluteFilePath(QStringLiteral("bank.csv"));
    QCOMPARE(files->selectedFiles(), QStringList{csv});
    QMetaObject::invokeMethod(files, "accept");
    QVERIFY(ReadFile(csv).startsWith("\xef\xbb\xbfQuestion,Right answer,Wrong answer 1,Wrong answer 2\r\n"
                                     "Capital of France?,Paris,Lyon,Nice\r\n"));
}

// The Alt letter of the text, lower case; null when it has none.
QChar Mnemonic(const QString &text)
{
    const qsizetype at = QString(text).replace(QLatin1String("&&"), QLatin1String("  ")).indexOf(u'&');
    return at < 0 || at + 1 >= text.size() ? QChar() : text[at + 1].toLower();
}

// Texts that share an Alt letter, named two by two.
QStringList SharedMnemonics(const QStringList &texts)
{
    QMap<QChar, QString> owners;
    QStringList shared;
    for (const QString &text : texts) {
        const QChar letter = Mnemonic(text);
        if (letter.isNull())
            continue;
        if (owners.contains(letter))
            shared += owners[letter] + QStringLiteral(" and ") + text;
        owners[letter] = text;
    }
    return shared;
}

// Two controls with the same Alt letter make it only move the focus between
// them: the Problems menu once lost Alt+P to the panel's label this way. In
// an open menu, two entries with one letter make it only move the highlight.
// Run by EditorDates_fr with a French LANGUAGE over an English LC_TIME: the
// recovery offer's date must not name an English month in a French sentence.
void EditorWindowTest::datesSpeakTheInterfaceLanguage()
{
    if (QLocale().language() != QLocale::French)
        QSKIP("run in French by EditorDates_fr");
    QCOMPARE(QLocale().toString(QDate(2026, 12, 8), QStringLiteral("d MMMM")), QStringLiteral("8 d\u00e9cembre"));
}

void EditorWindowTest::mnemonicsAreUnique()
{
    BankEditorWindow window;
    Activate(window);
    Key(Qt::Key_H, Qt::ControlModifier); // the find strip, with its replace row
    QStringList texts;
    for (const QAction *menu : window.menuBar()->actions())
        texts += menu->text();
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->isVisible() && label->buddy())
            texts += label->text();
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        if (button->isVisible())
            texts += button->text();
    QStringList shared = SharedMnemonics(texts);
    for (const QMenu *menu : window.findChildren<QMenu *>()) {
        QStringList entries;
        for (const QAction *entry : menu->actions())
            entries += entry->text();
        shared += SharedMnemonics(entries);
    }
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QLatin1String("; "))));
}

// Each group of commands makes its actions and the window places them: one
// made but never placed would answer its keys, named or not, and show nowhere.
void EditorWindowTest::everyCommandIsInAMenu()
{
    BankEditorWindow window;
    QSet<const QAction *> placed;
    QList<const QMenu *> menus;
    for (const QAction *entry : window.menuBar()->actions())
        menus += entry->menu();
    while (!menus.isEmpty())
        for (const QAction *entry : menus.takeLast()->actions()) {
            placed += entry;
            if (entry->menu())
                menus += entry->menu();
        }
    for (const QAction *action : window.actions()) {
        QVERIFY2(!action->objectName().isEmpty(), qPrintable(action->text()));
        QVERIFY2(placed.contains(action), qPrintable(action->objectName()));
    }
}

QTEST_MAIN(EditorWindowTest)
#include "EditorWindowTest.moc"
