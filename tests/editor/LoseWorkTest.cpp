// The table of ways to lose work, and the scenarios every system drives
// alike; LoseWorkPosix.cpp and LoseWorkWindows.cpp hold the ones that need
// the system's own calls.
#include "tests/editor/LoseWorkTest.h"


void LoseWorkTest::waysToLoseWork_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::newRow("1 an edit beside a lone line feed lands as shown") << &LoseWorkTest::editBesideALineFeed;
    QTest::newRow("2 Fix splits a bank with Linux line ends, keeping all 30") << &LoseWorkTest::fixLinuxLineEnds;
    QTest::newRow("2 Fix gives a run-on question a line of its own") << &LoseWorkTest::fixRunOnQuestion;
    QTest::newRow("3 Save asks before overwriting another program's change") << &LoseWorkTest::saveOverAnotherChange;
    QTest::newRow("3 Play asks when the file no longer holds the table") << &LoseWorkTest::playAfterAnotherChange;
    QTest::newRow("3 Reload can be undone") << &LoseWorkTest::reloadIsUndone;
    QTest::newRow("3 a bank deleted while open is said so and saved again") << &LoseWorkTest::bankDeletedWhileOpen;
    QTest::newRow("4 killed (kill -9) while editing: the next start gives the edits back") << &LoseWorkTest::killedWhileEditing;
    QTest::newRow("4 ended (SIGTERM) while editing: kept at once, given back at the next start")
        << &LoseWorkTest::terminatedWhileEditing;
    QTest::newRow("4 a recovery a running editor holds is not offered; opening its bank says so")
        << &LoseWorkTest::heldByRunningEditor;
    QTest::newRow("4 opening a bank offers its recovery") << &LoseWorkTest::bankOpenedOffersItsRecovery;
    QTest::newRow("4 an untitled bank's recovery is offered at start") << &LoseWorkTest::untitledOfferedAtStart;
    QTest::newRow("4 Discard in the offer deletes once confirmed; Not Now keeps") << &LoseWorkTest::offerDiscardAndNotNow;
    QTest::newRow("4 saving removes the recovery file") << &LoseWorkTest::savedRemovesRecovery;
    QTest::newRow("4 discarding the changes for a new bank removes the recovery file")
        << &LoseWorkTest::discardedOnNewRemovesRecovery;
    QTest::newRow("4 discarding the changes on close removes the recovery file")
        << &LoseWorkTest::discardedOnCloseRemovesRecovery;
    QTest::newRow("4 undoing back to the saved bank removes the recovery file") << &LoseWorkTest::undoneRemovesRecovery;
    QTest::newRow("4 recovery files are the user's alone (0600)") << &LoseWorkTest::recoveryIsPrivate;
    QTest::newRow("4 typing on does not put the recovery off") << &LoseWorkTest::typingDoesNotPutOffRecovery;
    QTest::newRow("4 a file-size limit fails the recovery write, telling why") << &LoseWorkTest::recoveryPastFileSizeLimit;
    QTest::newRow("5 a file-size limit fails the save, telling why") << &LoseWorkTest::fileSizeLimit;
    QTest::newRow("6 Del clears a cell, not its question") << &LoseWorkTest::deleteKeyClearsACell;
    QTest::newRow("6 Cut clears a cell, not its question") << &LoseWorkTest::cutClearsACell;
    QTest::newRow("6 one value pasted fills the selected cells") << &LoseWorkTest::pasteOneValueFillsCells;
    QTest::newRow("6 a block pasted fills cells from the current one") << &LoseWorkTest::pasteBlockFillsCells;
    QTest::newRow("6 whole rows pasted go below the current row") << &LoseWorkTest::pasteRowsGoBelow;
    QTest::newRow("7 a pasted double quote becomes typographic") << &LoseWorkTest::pasteQuoteIntoCell;
    QTest::newRow("8 stale play folders go, live ones stay") << &LoseWorkTest::stalePlayFolders;
    QTest::newRow("9 closing while a cell holding a line feed is edited") << &LoseWorkTest::closeWhileEditingALineFeed;
    QTest::newRow("10 saving keeps the bank's group") << &LoseWorkTest::saveKeepsTheGroup;
    QTest::newRow("11 Reload over a change to the Ctrl-Z tail alone is one undo step, the version replaced kept")
        << &LoseWorkTest::reloadOverCtrlZTail;
    QTest::newRow("12 Fix All gives a run-on question missing its last quote a line; a note stays")
        << &LoseWorkTest::fixKeepsRunOnMissingQuote;
    QTest::newRow("13 Discard, then Cancel in the file dialog, keeps the recovery file") << &LoseWorkTest::discardThenCancel;
    QTest::newRow("14 ended (SIGTERM) with the recovery folder unwritable: kept in the fallback folder")
        << &LoseWorkTest::terminatedWithRecoveryUnwritable;
    QTest::newRow("14 no copy kept: a lasting warning until a write lands") << &LoseWorkTest::unprotectedIsShown;
    QTest::newRow("15 a file-size limit fails Export PDF with unsaved changes, the editor lives on")
        << &LoseWorkTest::exportPdfPastFileSizeLimit;
    QTest::newRow("16 a failed Export PDF leaves the old file and says why") << &LoseWorkTest::exportPdfFailureKeepsOldFile;
    QTest::newRow("17 a bank imported past 4 MiB saves, reads as unchanged and opens; past the limit none is imported or saved")
        << &LoseWorkTest::savedLargeBankOpens;
    QTest::newRow("17 an unreadable bank is said so, not taken for another program's change")
        << &LoseWorkTest::unreadableIsNotChanged;
    QTest::newRow("18 a recovery lock that cannot be made on a full disk gives the system's reason")
        << &LoseWorkTest::fullDiskIsNotALock;
    QTest::newRow("19 saving keeps the bank's access list and attributes") << &LoseWorkTest::saveKeepsTheAcl;
    QTest::newRow("20 Replace All changes the match alone, its quotes turned in place")
        << &LoseWorkTest::replaceAllKeepsTheRest;
    QTest::newRow("21 a recovery file too large for any bank is not read, and is moved aside, not deleted")
        << &LoseWorkTest::hugeRecoveryMovedAside;
    QTest::newRow("22 a recovery file that is a link to a pipe does not hang the start") << &LoseWorkTest::pipeInRecovery;
    QTest::newRow("23 a complete write cut short by kill -9, newer than its file, is offered; others go")
        << &LoseWorkTest::leftoverWriteOffered;
    QTest::newRow("24 Keep Mine saves when the file watch asks") << &LoseWorkTest::keepMineFromWatchSaves;
    QTest::newRow("25 recovery lock files are the user's alone (0600)") << &LoseWorkTest::lockIsPrivate;
    QTest::newRow("26 Export CSV, then Import, keeps a tab and a line feed in a field") << &LoseWorkTest::csvRoundTrip;
    QTest::newRow("27 the status bar's word on a character the game lacks goes with the character")
        << &LoseWorkTest::hintGoesWithItsCause;
    QTest::newRow("28 a message shows a line break as ↵, not \\x0A") << &LoseWorkTest::lineBreakInMessage;
}

void LoseWorkTest::waysToLoseWork()
{
    QFETCH(Scenario, scenario);
    (this->*scenario)();
}

void LoseWorkTest::editBesideALineFeed()
{
    Session s("Line one\nstill one\"a\"b\"c\"\r\n");
    Key(Qt::Key_F2);
    Key(Qt::Key_End);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("!"));
    Key(Qt::Key_Return);
    QTRY_COMPARE(s.field(0, 0), QStringLiteral("Line one still one!"));
    QVERIFY(s.window.isWindowModified());
    QVERIFY(s.window.saveFile(s.path));
    QCOMPARE(ReadFile(s.path), QByteArray("Line one still one!\"a\"b\"c\"\r\n"));

    // Opened and left as it was, the field keeps its line feed.
    Session untouched("Line one\nstill one\"a\"b\"c\"\r\n");
    Key(Qt::Key_F2);
    Key(Qt::Key_Return);
    QVERIFY(untouched.window.saveFile(untouched.path));
    QCOMPARE(ReadFile(untouched.path), QByteArray("Line one\nstill one\"a\"b\"c\"\r\n"));
}

void LoseWorkTest::fixLinuxLineEnds()
{
    Session s(Lines(30, "\n"));
    const BankReport &report = s.model()->report();
    const auto after = std::find_if(report.problems.begin(), report.problems.end(), [](const BankProblem &problem) {
        return problem.kind == BankProblemKind::TextAfterLastQuote;
    });
    QVERIFY(after != report.problems.end());
    s.model()->fix(*after);
    QCOMPARE(s.model()->rowCount(), 30);
    QCOMPARE(s.model()->bytes(), Lines(30, "\r\n"));
}

void LoseWorkTest::fixRunOnQuestion()
{
    Session s("One?\"a\"b\"c\"Two?\"d\"e\"f\"\r\n");
    const BankProblem after = s.model()->report().problems.front();
    QCOMPARE(after.kind, BankProblemKind::TextAfterLastQuote);
    s.model()->fix(after);
    QCOMPARE(s.model()->bytes(), QByteArray("One?\"a\"b\"c\"\r\nTwo?\"d\"e\"f\"\r\n"));

    // Text that holds no question goes, and Undo names it.
    Session note("One?\"a\"b\"c\"see page 4\r\n");
    note.model()->fix(note.model()->report().problems.front());
    QCOMPARE(note.model()->bytes(), QByteArray("One?\"a\"b\"c\"\r\n"));
    QVERIFY2(note.undoText().contains(QStringLiteral("see page 4")), qPrintable(note.undoText()));
}

void LoseWorkTest::saveOverAnotherChange()
{
    Session s(ThreeLines);
    WriteElsewhere(s.path, ThreeLines + "Theirs?\"a\"b\"c\"\r\n");
    QVERIFY(s.model()->setData(s.model()->index(0, 1), QStringLiteral("Mine")));
    s.trigger("actionSave");
    QMessageBox *box = s.box("diskChangedBox");
    QVERIFY(box && box->isVisible());
    QVERIFY(ReadFile(s.path).contains("Theirs"));
    box->findChild<QPushButton *>(QStringLiteral("keepMineButton"))->click();
    QVERIFY(ReadFile(s.path).contains("Mine"));
    QVERIFY(!s.window.isWindowModified());
}

void LoseWorkTest::playAfterAnotherChange()
{
    Session s(ThreeLines);
    WriteElsewhere(s.path, "Theirs?\"a\"b\"c\"\r\n");
    s.trigger("actionPlay");
    // Three lines leave empty slots, which Play asks about first.
    QVERIFY(Press(ShownBox(s.window, "emptySlotsBox"), QStringLiteral("Play Anyway")));
    QMessageBox *box = s.box("diskChangedBox");
    QVERIFY(box && box->isVisible());
    box->button(QMessageBox::Cancel)->click();
    QCOMPARE(ReadFile(s.path), QByteArray("Theirs?\"a\"b\"c\"\r\n"));
}

void LoseWorkTest::reloadIsUndone()
{
    Session s(ThreeLines);
    QVERIFY(s.model()->setData(s.model()->index(0, 1), QStringLiteral("Mine")));
    WriteElsewhere(s.path, "Theirs?\"a\"b\"c\"\r\n");
    // The watch tells the window, which asks.
    QTRY_VERIFY(s.box("diskChangedBox") && s.box("diskChangedBox")->isVisible());
    s.box("diskChangedBox")->findChild<QPushButton *>(QStringLiteral("reloadButton"))->click();
    QCOMPARE(s.model()->bytes(), QByteArray("Theirs?\"a\"b\"c\"\r\n"));
    QVERIFY(!s.window.isWindowModified());
    s.trigger("actionUndo");
    QCOMPARE(s.field(0, 1), QStringLiteral("Mine"));
    QVERIFY(s.window.isWindowModified());
}

void LoseWorkTest::bankDeletedWhileOpen()
{
    Session s(ThreeLines);
    QVERIFY(QFile::remove(s.path));
    QTRY_COMPARE(s.messages.count(), 1);
    QVERIFY(s.messages.front().front().toString().contains(QStringLiteral("deleted or renamed")));
    QVERIFY(s.window.isWindowModified());
    s.trigger("actionSave");
    QCOMPARE(ReadFile(s.path), ThreeLines);
}

void LoseWorkTest::deleteKeyClearsACell()
{
    Session s(ThreeLines, {});
    s.table->setCurrentIndex(s.model()->index(0, 1));
    Key(Qt::Key_Delete);
    QCOMPARE(s.model()->rowCount(), 3);
    QCOMPARE(s.field(0, 1), QString());
    QCOMPARE(s.field(0, 0), QStringLiteral("Capital of France?"));
    QVERIFY2(s.undoText().contains(QStringLiteral("Paris")), qPrintable(s.undoText()));
    s.trigger("actionUndo");
    QCOMPARE(s.model()->bytes(), ThreeLines);
}

void LoseWorkTest::cutClearsACell()
{
    Session s(ThreeLines);
    s.table->setCurrentIndex(s.model()->index(1, 1));
    Key(Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Jupiter"));
    QCOMPARE(s.model()->rowCount(), 3);
    QCOMPARE(s.field(1, 1), QString());
    QVERIFY2(s.undoText().contains(QStringLiteral("Jupiter")), qPrintable(s.undoText()));
}

void LoseWorkTest::pasteOneValueFillsCells()
{
    Session s(ThreeLines);
    QGuiApplication::clipboard()->setText(QStringLiteral("Unknown\n"));
    s.table->setCurrentIndex(s.model()->index(0, 2));
    s.table->selectionModel()->select(QItemSelection(s.model()->index(0, 2), s.model()->index(1, 3)),
                                      QItemSelectionModel::ClearAndSelect);
    Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.model()->rowCount(), 3);
    for (const auto &[row, column] : {std::pair{0, 2}, {0, 3}, {1, 2}, {1, 3}})
        QCOMPARE(s.field(row, column), QStringLiteral("Unknown"));
    QCOMPARE(s.field(2, 2), QStringLiteral("1"));
    s.trigger("actionUndo");
    QCOMPARE(s.model()->bytes(), ThreeLines);
}

void LoseWorkTest::pasteBlockFillsCells()
{
    Session s(ThreeLines);
    QGuiApplication::clipboard()->setText(QStringLiteral("x\ty\nz\tw\n"));
    s.table->setCurrentIndex(s.model()->index(2, 2));
    Key(Qt::Key_V, Qt::ControlModifier);
    // The block runs past the last row: one row is added for it, no more.
    QCOMPARE(s.model()->rowCount(), 4);
    QCOMPARE(s.field(2, 2) + s.field(2, 3) + s.field(3, 2) + s.field(3, 3), QStringLiteral("xyzw"));
    QCOMPARE(s.field(2, 0), QStringLiteral("Smallest prime?"));
    s.trigger("actionUndo");
    QCOMPARE(s.model()->bytes(), ThreeLines);
}

void LoseWorkTest::pasteRowsGoBelow()
{
    Session s(ThreeLines);
    QGuiApplication::clipboard()->setText(QStringLiteral("New?\ta\tb\tc\n"));
    s.table->setCurrentIndex(s.model()->index(2, 1));
    Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.model()->rowCount(), 4);
    QCOMPARE(s.field(3, 0), QStringLiteral("New?"));
    QCOMPARE(s.field(2, 0), QStringLiteral("Smallest prime?"));
}

void LoseWorkTest::pasteQuoteIntoCell()
{
    Session s(ThreeLines);
    Key(Qt::Key_F2);
    Key(Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("He said \"yes\" twice"));
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_Return);
    QTRY_COMPARE(s.field(0, 0), QStringLiteral("He said \u201Cyes\u201D twice"));
}

void LoseWorkTest::closeWhileEditingALineFeed()
{
    auto *s = new Session("Line one\nstill one\"a\"b\"c\"\r\n");
    Key(Qt::Key_F2);
    QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
    delete s;
}

void LoseWorkTest::killedWhileEditing()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    QString kept;
    {
        EditorProcess first(home.path(), ShortInterval, {bank});
        QVERIFY2(first.isReady(), qPrintable(first.failure()));
        for (const Edit &edit : Edits)
            QVERIFY2(!first.send(SetCommand(edit)).isNull(), qPrintable(first.failure()));
        kept = first.send(QStringLiteral("wait-recovery"));
        QVERIFY2(!kept.isNull(), qPrintable(first.failure()));
        first.kill();
    }
    recoverInNewStart(home.path(), bank, kept);
}

void LoseWorkTest::recoverInNewStart(const QString &home, const QString &bank, const QString &kept)
{
    QVERIFY2(QFileInfo::exists(kept), qPrintable(kept));
    const Expected expected = ExpectedAfterEdits();
    EditorProcess second(home, ShortInterval);
    QVERIFY2(second.isReady(), qPrintable(second.failure()));
    const QJsonArray boxes = second.sendJson(QStringLiteral("boxes")).toArray();
    QCOMPARE(BoxNames(boxes), QStringList{QStringLiteral("recoveryBox")});
    QVERIFY2(Text(boxes[0], "text").contains(QStringLiteral("“bank.tqz”")), qPrintable(Text(boxes[0], "text")));
    QVERIFY2(!second.send(QStringLiteral("press recoveryBox Recover")).isNull(), qPrintable(second.failure()));

    QCOMPARE(Rows(second.sendJson(QStringLiteral("rows"))), expected.rows);
    const QJsonObject state = second.sendJson(QStringLiteral("state")).toObject();
    QCOMPARE(state.value(QLatin1String("file")).toString(), bank);
    QVERIFY(state.value(QLatin1String("modified")).toBool());
    // The recovered file stays this editor's until the bank is saved.
    QCOMPARE(state.value(QLatin1String("recovery")).toString(), kept);

    QVERIFY2(!second.send(SetCommand(Encodable)).isNull(), qPrintable(second.failure()));
    QVERIFY2(!second.send(QStringLiteral("trigger actionSave")).isNull(), qPrintable(second.failure()));
    QCOMPARE(ReadFile(bank), expected.saved);
    QVERIFY(!QFileInfo::exists(kept));
    QVERIFY(!second.sendJson(QStringLiteral("state")).toObject().value(QLatin1String("modified")).toBool());
}

void LoseWorkTest::heldByRunningEditor()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    EditorProcess first(home.path(), ShortInterval, {bank});
    QVERIFY2(first.isReady(), qPrintable(first.failure()));
    QVERIFY2(!first.send(SetCommand(Edits[2])).isNull(), qPrintable(first.failure()));
    const QString kept = first.send(QStringLiteral("wait-recovery"));
    QVERIFY2(!kept.isNull(), qPrintable(first.failure()));

    EditorProcess second(home.path(), ShortInterval);
    QVERIFY2(second.isReady(), qPrintable(second.failure()));
    QCOMPARE(BoxNames(second.sendJson(QStringLiteral("boxes"))), QStringList());
    QVERIFY2(!second.send(QStringLiteral("open ") + bank).isNull(), qPrintable(second.failure()));
    const QJsonArray boxes = second.sendJson(QStringLiteral("boxes")).toArray();
    QCOMPARE(BoxNames(boxes), QStringList{QStringLiteral("heldElsewhereBox")});
    QVERIFY(Text(boxes[0], "text").contains(QStringLiteral("“bank.tqz”")));
    QVERIFY(!second.send(QStringLiteral("press heldElsewhereBox OK")).isNull());

    // Once that editor is gone its lock is stale, and its work is offered.
    first.kill();
    QVERIFY2(!second.send(QStringLiteral("open ") + bank).isNull(), qPrintable(second.failure()));
    QCOMPARE(BoxNames(second.sendJson(QStringLiteral("boxes"))), QStringList{QStringLiteral("recoveryBox")});
    QVERIFY(QFileInfo::exists(kept));
}

QString LoseWorkTest::keptByDroppedWindow(const QString &bank, const QList<Edit> &edits, std::vector<BankLine> *lines)
{
    BankEditorWindow window;
    if (!bank.isEmpty() && !window.openFile(bank))
        return {};
    Apply(window, edits);
    const QString kept = WaitKept(window);
    if (lines)
        *lines = window.model()->document().lines();
    return kept;
}

void LoseWorkTest::bankOpenedOffersItsRecovery()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    std::vector<BankLine> edited;
    const QString kept = keptByDroppedWindow(bank, Edits, &edited);
    QVERIFY(!kept.isEmpty());
    QVERIFY2(QFileInfo::exists(kept), "a window dropped with unsaved changes took its recovery file along");

    BankEditorWindow window;
    window.show();
    QVERIFY(window.openFile(bank));
    QMessageBox *box = ShownBox(window, "recoveryBox");
    QVERIFY(box);
    QVERIFY2(box->text().contains(QStringLiteral("“bank.tqz”")), qPrintable(box->text()));
    QVERIFY(Press(box, QStringLiteral("Recover")));
    QVERIFY(RecoveryFile::SameDocument(window.model()->document().lines(), window.model()->document().tail(), edited, {}));
    QVERIFY(window.isWindowModified());
    QCOMPARE(window.currentFile(), bank);
    // No undo leads back to the bank on disk as if it were saved.
    window.findChild<QAction *>(QStringLiteral("actionUndo"))->trigger();
    QVERIFY(window.isWindowModified());
}

void LoseWorkTest::untitledOfferedAtStart()
{
    std::vector<BankLine> edited;
    const QString kept = keptByDroppedWindow({}, UntitledEdits, &edited);
    QVERIFY(QFileInfo::exists(kept));

    BankEditorWindow window;
    window.show();
    window.offerRecovery();
    QMessageBox *box = ShownBox(window, "recoveryBox");
    QVERIFY(box);
    QVERIFY2(box->text().contains(QStringLiteral("an untitled bank")), qPrintable(box->text()));
    QVERIFY(Press(box, QStringLiteral("Recover")));
    QVERIFY(RecoveryFile::SameDocument(window.model()->document().lines(), window.model()->document().tail(), edited, {}));
    QVERIFY(window.currentFile().isEmpty());
    QVERIFY(window.isWindowModified());
}

void LoseWorkTest::offerDiscardAndNotNow()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    const QString kept = keptByDroppedWindow(bank, Edits);
    QVERIFY(QFileInfo::exists(kept));

    BankEditorWindow window;
    window.show();
    QVERIFY(window.openFile(bank));
    QVERIFY(Press(ShownBox(window, "recoveryBox"), QStringLiteral("Not Now")));
    QVERIFY(QFileInfo::exists(kept));
    QVERIFY(!window.isWindowModified());

    // Offered again, as it was only put off; a Discard asks before it deletes.
    QVERIFY(window.openFile(bank));
    QVERIFY(Press(ShownBox(window, "recoveryBox"), QStringLiteral("Discard")));
    QVERIFY(Press(ShownBox(window, "recoveryDiscardBox"), QStringLiteral("Cancel")));
    QVERIFY(QFileInfo::exists(kept));
    QVERIFY(Press(ShownBox(window, "recoveryBox"), QStringLiteral("Discard")));
    QVERIFY(Press(ShownBox(window, "recoveryDiscardBox"), QStringLiteral("Delete")));
    QVERIFY(!QFileInfo::exists(kept));
    QCOMPARE(window.model()->bytes(), ThreeLines);
    QVERIFY(window.openFile(bank));
    QVERIFY(!ShownBox(window, "recoveryBox"));
}

void LoseWorkTest::savedRemovesRecovery()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    BankEditorWindow window;
    QVERIFY(window.openFile(bank));
    Apply(window, {Edits[2]});
    const QString kept = WaitKept(window);
    QVERIFY(QFileInfo::exists(kept));
    window.findChild<QAction *>(QStringLiteral("actionSave"))->trigger();
    QVERIFY(!window.isWindowModified());
    QVERIFY(!QFileInfo::exists(kept));
    QVERIFY(!QFileInfo::exists(kept + QStringLiteral(".lock")));
}

void LoseWorkTest::discardedOnNewRemovesRecovery()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    BankEditorWindow window;
    window.show();
    QVERIFY(window.openFile(bank));
    Apply(window, Edits);
    const QString kept = WaitKept(window);
    QVERIFY(QFileInfo::exists(kept));
    window.findChild<QAction *>(QStringLiteral("actionNew"))->trigger();
    QVERIFY(Press(ShownBox(window, "unsavedChangesBox"), QStringLiteral("Discard")));
    QVERIFY(window.currentFile().isEmpty());
    QVERIFY(!QFileInfo::exists(kept));
}

void LoseWorkTest::discardedOnCloseRemovesRecovery()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    QString kept;
    {
        BankEditorWindow window;
        window.show();
        QVERIFY(window.openFile(bank));
        Apply(window, Edits);
        kept = WaitKept(window);
        QVERIFY(QFileInfo::exists(kept));
        QVERIFY(!window.close());
        QVERIFY(Press(ShownBox(window, "unsavedChangesBox"), QStringLiteral("Discard")));
        QVERIFY(!window.isVisible());
    }
    QVERIFY(!QFileInfo::exists(kept));
    QVERIFY(RecoveryFolder::Files().isEmpty());
}

void LoseWorkTest::undoneRemovesRecovery()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    BankEditorWindow window;
    QVERIFY(window.openFile(bank));
    Apply(window, {Edits[2]});
    const QString kept = WaitKept(window);
    QVERIFY(QFileInfo::exists(kept));
    window.findChild<QAction *>(QStringLiteral("actionUndo"))->trigger();
    QVERIFY(!window.isWindowModified());
    QVERIFY(!QFileInfo::exists(kept));
    // Redone, the change is kept again.
    window.findChild<QAction *>(QStringLiteral("actionRedo"))->trigger();
    const QString again = WaitKept(window);
    QVERIFY(QFileInfo::exists(again));
}

void LoseWorkTest::typingDoesNotPutOffRecovery()
{
    qputenv("KORVEDIT_RECOVERY_INTERVAL_MS", "10000");
    const auto restore = qScopeGuard([] { qputenv("KORVEDIT_RECOVERY_INTERVAL_MS", QByteArray::number(ShortInterval)); });
    BankEditorWindow window;
    auto *timer = window.findChild<QTimer *>(QStringLiteral("recoveryTimer"));
    QVERIFY(timer);
    Apply(window, {UntitledEdits[0]});
    QVERIFY(timer->isActive());
    const int first = timer->remainingTime();
    QTest::qWait(100);
    Apply(window, {UntitledEdits[1]});
    // Still counting from the first change: a timer started again by each
    // change would wait as long as the typing goes on.
    QVERIFY(timer->isActive());
    QVERIFY2(timer->remainingTime() <= first - 90, qPrintable(QString::number(timer->remainingTime())));
}

void LoseWorkTest::reloadOverCtrlZTail()
{
    Session s(ThreeLines);
    QVERIFY(s.model()->setData(s.model()->index(0, 1), QStringLiteral("Mine")));
    const QByteArray mine = s.model()->bytes();
    // Theirs differs from the bank as opened by a Ctrl-Z at its end alone.
    WriteElsewhere(s.path, ThreeLines + "\x1A");
    QTRY_VERIFY(ShownBox(s.window, "diskChangedBox"));
    ShownBox(s.window, "diskChangedBox")->findChild<QPushButton *>(QStringLiteral("reloadButton"))->click();
    QCOMPARE(s.model()->bytes(), ThreeLines + "\x1A");
    QVERIFY(!s.window.isWindowModified());
    // Until saved, undone or discarded, the version replaced is kept for a crash.
    const QStringList kept = RecoveryFolder::FilesFor(s.path);
    QCOMPARE(kept.size(), 1);
    const std::optional<RecoverySnapshot> read = RecoveryFile::Read(ReadFile(kept.front()));
    QVERIFY(read);
    BankDocument replaced;
    replaced.assign(read->lines, read->tail);
    QCOMPARE(replaced.bytes(), mine);
    // Closing asks, as the version replaced would go with the window.
    QVERIFY(!s.window.close());
    QVERIFY(Press(ShownBox(s.window, "unsavedChangesBox"), QStringLiteral("Cancel")));
    s.trigger("actionUndo");
    QCOMPARE(s.model()->bytes(), mine);
    QVERIFY(s.window.isWindowModified());
    s.trigger("actionSave");
    QCOMPARE(ReadFile(s.path), mine);
    QCOMPARE(RecoveryFolder::FilesFor(s.path), QStringList());
}

void LoseWorkTest::fixKeepsRunOnMissingQuote()
{
    const QByteArray note = "One?\"a\"b\"c\" (check this one!)\r\n";
    Session s("Q1?\"A1\"B1\"C1\"Q2?\"A2\"B2\"C2\r\n" + note);
    s.trigger("actionFixAll");
    QCOMPARE(s.model()->bytes(), "Q1?\"A1\"B1\"C1\"\r\nQ2?\"A2\"B2\"C2\r\n" + note);
    // The note is still listed, and Fix on it alone removes it, by name.
    const std::vector<BankProblem> &problems = s.model()->report().problems;
    const auto left = std::find_if(problems.begin(), problems.end(), [](const BankProblem &problem) {
        return problem.kind == BankProblemKind::TextAfterLastQuote;
    });
    QVERIFY(left != problems.end());
    QCOMPARE(int(left->line), 3);
    s.model()->fix(*left);
    QCOMPARE(s.model()->bytes(), QByteArray("Q1?\"A1\"B1\"C1\"\r\nQ2?\"A2\"B2\"C2\r\nOne?\"a\"b\"c\"\r\n"));
    QVERIFY2(s.undoText().contains(QStringLiteral("(check this one!)")), qPrintable(s.undoText()));
}

void LoseWorkTest::discardThenCancel()
{
    Session s(ThreeLines);
    Apply(s.window, {Edits[2]});
    const QString kept = WaitKept(s.window);
    QVERIFY(QFileInfo::exists(kept));
    Key(Qt::Key_O, Qt::ControlModifier);
    QVERIFY(Press(ShownBox(s.window, "unsavedChangesBox"), QStringLiteral("Discard")));
    auto *dialog = s.window.findChild<QFileDialog *>(QStringLiteral("openDialog"));
    QVERIFY(dialog);
    dialog->reject();
    QVERIFY(s.window.isWindowModified());
    QVERIFY2(QFileInfo::exists(kept), "the recovery file went though the document stayed");
    QCOMPARE(Keeper(s.window)->filePath(), kept);
    // And it goes on keeping the changes.
    Apply(s.window, {Edits[0]});
    QCOMPARE(WaitKept(s.window), kept);
}

void LoseWorkTest::unprotectedIsShown()
{
    // Files where the folders would be: neither can be made, even by root.
    for (const QString &folder : {RecoveryFolder::Path(), RecoveryFolder::FallbackPath()}) {
        QVERIFY(QDir().mkpath(QFileInfo(folder).absolutePath()));
        WriteFile(folder, "in the way");
    }
    Session s(ThreeLines);
    auto *state = s.window.findChild<QLabel *>(QStringLiteral("recoveryState"));
    QVERIFY(state);
    Apply(s.window, {Edits[2]});
    QTRY_VERIFY(state->isVisible());
    QVERIFY2(state->text().startsWith(QStringLiteral("Your changes are not protected: ")), qPrintable(state->text()));
    QVERIFY2(state->text().contains(QDir::toNativeSeparators(RecoveryFolder::FallbackPath())), qPrintable(state->text()));
    // Lasting: still there after the status bar's messages come and go.
    s.window.statusBar()->showMessage(QStringLiteral("Something else"), 10);
    QTest::qWait(50);
    QVERIFY(state->isVisible());
    // Once a copy lands, it says where instead.
    QVERIFY(QFile::remove(RecoveryFolder::FallbackPath()));
    Apply(s.window, {Edits[0]});
    QVERIFY(!WaitKept(s.window).isEmpty());
    QVERIFY(RecoveryFolder::IsFallback(Keeper(s.window)->filePath()));
    QVERIFY2(!state->text().contains(QStringLiteral("not protected")), qPrintable(state->text()));
    QVERIFY(QFile::remove(RecoveryFolder::Path()));
}

// Records of four fields, each line of the bank they make about `width` bytes.
QList<QStringList> Records(int count, int width)
{
    QList<QStringList> records;
    for (int i = 0; i < count; ++i)
        records += QStringList{QStringLiteral("Question %1 %2?").arg(i).arg(QString(width, u'x')), QStringLiteral("Right"),
                               QStringLiteral("Wrong"), QStringLiteral("Also wrong")};
    return records;
}

void LoseWorkTest::savedLargeBankOpens()
{
    Session s(ThreeLines);
    // 5 MiB, past the 4 MiB Open once refused.
    QVERIFY(s.model()->importCsv(3, Records(50000, 80)));
    QVERIFY(s.model()->bytes().size() > 5 * 1024 * 1024);
    QVERIFY(s.window.saveFile(s.path));
    // The file is the editor's own: it reads as unchanged, and opens.
    QTest::qWait(500);
    QVERIFY(!ShownBox(s.window, "diskChangedBox"));
    QCOMPARE(s.messages.count(), 0);
    QVERIFY(s.window.openFile(s.path));
    QCOMPARE(s.model()->rowCount(), 50003);

    // Nor does it import what would take the bank past what it opens.
    const QString csv = s.folder.filePath(QStringLiteral("more.csv"));
    QByteArray rows;
    for (const QStringList &record : Records(40000, 300))
        rows += record.join(u',').toUtf8() + "\r\n";
    WriteFile(csv, rows);
    s.trigger("actionImportCsv");
    auto *files = s.window.findChild<QFileDialog *>(QStringLiteral("importDialog"));
    QVERIFY(files);
    files->selectFile(csv);
    static_cast<QDialog *>(files)->accept();
    QDialog *preview = nullptr;
    QTRY_VERIFY((preview = s.window.findChild<QDialog *>(QStringLiteral("csvImportDialog"))));
    preview->accept();
    QCOMPARE(s.messages.count(), 1);
    QVERIFY2(s.messages.back().front().toString().startsWith(QStringLiteral("Nothing was imported")),
             qPrintable(s.messages.back().front().toString()));
    QCOMPARE(s.model()->rowCount(), 50003);

    // What it could not open again, it does not save.
    QVERIFY(s.model()->importCsv(0, Records(40000, 300)));
    QVERIFY(!s.window.saveFile(s.path));
    QCOMPARE(s.messages.count(), 2);
    QVERIFY2(s.messages.back().front().toString().contains(QStringLiteral("the editor can open again")),
             qPrintable(s.messages.back().front().toString()));
}

void LoseWorkTest::replaceAllKeepsTheRest()
{
    Session s("Line one\nstill one, 'so' it says\"a\"b\"c\"\r\n");
    s.trigger("actionReplace");
    auto *bar = s.window.findChild<QWidget *>(QStringLiteral("findBar"));
    QVERIFY(bar && bar->isVisible());
    const auto replaceAll = [&](const QString &text, const QString &replacement) {
        bar->findChild<QLineEdit *>(QStringLiteral("findText"))->setText(text);
        bar->findChild<QLineEdit *>(QStringLiteral("replaceText"))->setText(replacement);
        bar->findChild<QPushButton *>(QStringLiteral("replaceAllButton"))->click();
    };
    replaceAll(QStringLiteral("one"), QStringLiteral("two"));
    QCOMPARE(s.model()->bytes(), QByteArray("Line two\nstill two, 'so' it says\"a\"b\"c\"\r\n"));
    // A quote in the replacement opens or closes by where it lands.
    replaceAll(QStringLiteral("'"), QStringLiteral("\""));
    QCOMPARE(s.model()->bytes(), QByteArray("Line two\nstill two, \x93so\x94 it says\"a\"b\"c\"\r\n"));
}

void LoseWorkTest::hugeRecoveryMovedAside()
{
    QVERIFY(RecoveryFolder::Make());
    const QString huge = RecoveryFolder::NewFile({});
    {
        QFile file(huge);
        // Sparse: as large as it says, at no cost to the disk.
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(RecoveryFile::LargestText + 1));
    }
    BankEditorWindow window;
    window.show();
    window.offerRecovery();
    QMessageBox *box = ShownBox(window, "recoveryDamagedBox");
    QVERIFY(box);
    QVERIFY2(box->text().contains(QLocale().formattedDataSize(RecoveryFile::LargestText + 1)), qPrintable(box->text()));
    QVERIFY(!Press(box, QStringLiteral("Discard")));
    QVERIFY(Press(box, QStringLiteral("Move Aside")));
    QVERIFY(!QFileInfo::exists(huge));
    QCOMPARE(QFileInfo(RecoveryFolder::SetAsideName(huge)).size(), RecoveryFile::LargestText + 1);
    QCOMPARE(RecoveryFolder::Files(), QStringList());
}

void LoseWorkTest::leftoverWriteOffered()
{
    QTemporaryDir home;
    const QString bank = WriteBank(home);
    const QString kept = keptByDroppedWindow(bank, {Edits[2]});
    const std::optional<RecoverySnapshot> older = RecoveryFile::Read(ReadFile(kept));
    QVERIFY(older);
    // What the killed editor was writing: every edit, a second later.
    RecoverySnapshot newer = *older;
    BankDocument edited;
    edited.assign(older->lines, older->tail);
    QUndoStack stack;
    BankTableModel model(&stack);
    model.load(edited.bytes());
    for (const Edit &edit : Edits)
        model.setData(model.index(edit.row, edit.column), edit.text);
    newer.lines = model.document().lines();
    newer.written = older->written.addSecs(1);
    const QByteArray text = RecoveryFile::Written(newer);
    // As QSaveFile names its file: the target's name and six characters.
    WriteFile(kept + QStringLiteral(".Ab12Cd"), text);
    WriteFile(kept + QStringLiteral(".Zz9Zz9"), text.left(text.size() / 2));
    newer.written = older->written.addSecs(-1);
    WriteFile(kept + QStringLiteral(".Old000"), RecoveryFile::Written(newer));

    BankEditorWindow window;
    window.show();
    window.offerRecovery();
    QVERIFY(Press(ShownBox(window, "recoveryBox"), QStringLiteral("Recover")));
    QVERIFY(RecoveryFile::SameDocument(window.model()->document().lines(), window.model()->document().tail(),
                                       model.document().lines(), model.document().tail()));
    QCOMPARE(QDir(QFileInfo(kept).absolutePath()).entryList({QFileInfo(kept).fileName() + QStringLiteral(".*")}, QDir::Files),
             QStringList{QFileInfo(kept).fileName() + QStringLiteral(".lock")});
}

void LoseWorkTest::keepMineFromWatchSaves()
{
    Session s(ThreeLines);
    QVERIFY(s.model()->setData(s.model()->index(0, 1), QStringLiteral("Mine")));
    WriteElsewhere(s.path, "Theirs?\"a\"b\"c\"\r\n");
    QTRY_VERIFY(ShownBox(s.window, "diskChangedBox"));
    ShownBox(s.window, "diskChangedBox")->findChild<QPushButton *>(QStringLiteral("keepMineButton"))->click();
    QVERIFY(ReadFile(s.path).contains("Mine"));
    QVERIFY(!s.window.isWindowModified());
}

void LoseWorkTest::csvRoundTrip()
{
    const QByteArray bytes = "Tab\there?\"Line\nfeed\"b\"c\"\r\n";
    Session s(bytes);
    const QString csv = s.folder.filePath(QStringLiteral("bank.csv"));
    s.trigger("actionExportCsv");
    auto *exported = s.window.findChild<QFileDialog *>(QStringLiteral("exportDialog"));
    QVERIFY(exported);
    emit exported->fileSelected(csv);
    exported->reject();
    s.trigger("actionImportCsv");
    auto *files = s.window.findChild<QFileDialog *>(QStringLiteral("importDialog"));
    QVERIFY(files);
    emit files->fileSelected(csv);
    files->reject();
    QDialog *preview = nullptr;
    QTRY_VERIFY((preview = s.window.findChild<QDialog *>(QStringLiteral("csvImportDialog"))));
    preview->accept();
    QCOMPARE(s.model()->rowCount(), 2);
    QCOMPARE(s.model()->bytes(), bytes + bytes);
}

void LoseWorkTest::hintGoesWithItsCause()
{
    Session s(ThreeLines);
    Key(Qt::Key_F2);
    Key(Qt::Key_End);
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QStringLiteral("₂"), Qt::NoModifier);
    QVERIFY2(s.window.statusBar()->currentMessage().contains(QStringLiteral("is not in the game's character set")),
             qPrintable(s.window.statusBar()->currentMessage()));
    Key(Qt::Key_Backspace);
    QCOMPARE(s.window.statusBar()->currentMessage(), QString());
}

void LoseWorkTest::lineBreakInMessage()
{
    Session s("Legs?\"4\"3\"2\"\nHow many legs has a spider?\"8\"6\"4\"\r\n");
    const std::vector<BankProblem> &problems = s.model()->report().problems;
    const auto after = std::find_if(problems.begin(), problems.end(), [](const BankProblem &problem) {
        return problem.kind == BankProblemKind::TextAfterLastQuote;
    });
    QVERIFY(after != problems.end());
    const QString message = QString::fromStdString(after->message());
    QVERIFY2(message.contains(QStringLiteral("«↵How many legs")), qPrintable(message));
    QVERIFY2(!message.contains(QStringLiteral("\\x")), qPrintable(message));
}

QTEST_MAIN(LoseWorkTest)
