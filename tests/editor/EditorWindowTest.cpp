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
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSettings>
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
    void findNextWrapsAndSelects_data();
    void findNextWrapsAndSelects();
    void windowFitsItsScreen();
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

QTEST_MAIN(EditorWindowTest)
#include "EditorWindowTest.moc"
