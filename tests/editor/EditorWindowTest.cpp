// The editor's window driven as a user does: keys go to whatever holds the
// focus, commands through their actions, answers to the prompts by their
// buttons.
#include "BankEditorWindow.h"
#include "BankTableModel.h"
#include "QuestionPreview.h"
#include "TestFiles.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QListWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void typingThroughFocus_data();
    void typingThroughFocus();
    void problemLeadsToItsCell_data();
    void problemLeadsToItsCell();
    void previewCutsAsTheGame_data();
    void previewCutsAsTheGame();
    void unsavedChangesPrompt_data();
    void unsavedChangesPrompt();
    void rowCommands_data();
    void rowCommands();
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
    QTest::newRow("double quote refused") << "Ro\"me" << "Rome" << true;
    QTest::newRow("only a double quote") << "\"" << "" << true;
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
    QTest::newRow("new, save") << "new" << int(QMessageBox::Save) << true << true;
    QTest::newRow("new, discard") << "new" << int(QMessageBox::Discard) << true << false;
    QTest::newRow("new, cancel") << "new" << int(QMessageBox::Cancel) << false << false;
    QTest::newRow("close, discard") << "close" << int(QMessageBox::Discard) << true << false;
    QTest::newRow("close, cancel") << "close" << int(QMessageBox::Cancel) << false << false;
}

void EditorWindowTest::unsavedChangesPrompt()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, proceeds);
    QFETCH(bool, savedOnDisk);
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
    box->button(QMessageBox::StandardButton(answer))->click();

    QCOMPARE(ReadFile(path).contains("Marseille"), savedOnDisk);
    if (command == QLatin1String("new"))
        QCOMPARE(window.currentFile().isEmpty(), proceeds);
    else
        QCOMPARE(window.isVisible(), !proceeds);
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
        << QList<int>{Qt::Key_Down, Qt::Key_Return} << QStringList{"Alpha?;a;b;c|||", "Beta?;d;e;f|||"};
    QTest::newRow("Escape imports nothing") << QList<int>{Qt::Key_Escape} << QStringList{};
}

void EditorWindowTest::csvImportPreview()
{
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, imported);
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("quiz.csv"));
    WriteFile(csv, "Question;Right answer;Wrong answer 1;Wrong answer 2\r\nAlpha?;a;b;c\r\nBeta?;d;e;f\r\n");
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

QTEST_MAIN(EditorWindowTest)
#include "EditorWindowTest.moc"
