// Plays through the real program and saves a picture of every window in
// each of its looks, for the README and for checking layouts by eye.
// Usage: korvane_screenshots [--language CODE] BANK_FOLDER OUTPUT_FOLDER
#include "app/Language.h"
#include "app/Random.h"
#include "app/Startup.h"
#include "forms/Dialog.h"
#include "forms/End1.h"
#include "forms/Error1.h"
#include "forms/Game.h"
#include "forms/Help1.h"
#include "forms/Info.h"
#include "forms/Question.h"
#include "forms/Title2.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace {

QDir output;

void Shot(QWidget *window, const QString &name)
{
    QTest::qWait(30);
    window->grab().save(output.filePath(name + QStringLiteral(".png")));
}

void Type(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

int RightLine()
{
    for (std::uint8_t line = 1; line <= 3; ++line)
        if (AnswerOnLine(AnswerLayout, line) == 1)
            return line;
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    const QString language = TakeLanguageOption(argc, argv);
    QApplication app(argc, argv);
    if (argc < 3)
        qFatal("usage: korvane_screenshots [--language CODE] BANK_FOLDER OUTPUT_FOLDER");
    InstallLanguage({QStringLiteral("game")}, language);
    output = QDir(QString::fromLocal8Bit(argv[2]));
    output.mkpath(QStringLiteral("."));
    const QString bankFolder = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();

    // The error window first, from a folder with no bank.
    QDir::setCurrent(QDir::tempPath());
    QDir().remove(QStringLiteral("quarl3.tqz"));
    StartUp();
    ShowMainWindow();
    Shot(frmerror, QStringLiteral("error"));
    ShutDown();

    QDir::setCurrent(bankFolder);
    MovePauseMs = 0;
    StartUp();
    RandSeed = 7;
    Form1->show();
    if (!QTest::qWaitForWindowActive(Form1))
        qFatal("the setup window did not become active");
    Shot(Form1, QStringLiteral("setup-1-naming"));
    Type(Form1->Edit1, QStringLiteral("Rosalind"));
    QTest::keyClick(Form1->Edit1, Qt::Key_Return);
    Shot(Form1, QStringLiteral("setup-2-choosing"));
    QTest::mouseClick(Form1->Pieces[3], Qt::LeftButton);
    Shot(Form1, QStringLiteral("setup-3-naming-player-2"));
    Type(Form1->Edit1, QStringLiteral("Sebastian"));
    QTest::keyClick(Form1->Edit1, Qt::Key_Return);
    QTest::mouseClick(Form1->Pieces[6], Qt::LeftButton);
    Shot(Form1, QStringLiteral("setup-4-ready"));

    QTest::mouseClick(Form1->btnStart, Qt::LeftButton);
    Shot(frmPlayingField, QStringLiteral("board-start"));
    frmPlayingField->btnDice->click();
    Shot(frmPlayingField, QStringLiteral("board-roll"));
    QTest::mouseClick(frmPlayingField->IcoSelect1, Qt::LeftButton);
    Shot(frmQuestion, QStringLiteral("question"));
    QTest::mouseClick(frmQuestion->AnswerLines[RightLine() % 3], Qt::LeftButton);
    Shot(frmQuestion, QStringLiteral("question-wrong"));
    QTest::mouseClick(frmQuestion->btncontinue, Qt::LeftButton);

    // Walk player 2 onto a corner.
    for (int tries = 0; tries < 40 && frmQuestion->lblcorner->caption() != QLatin1String("T"); ++tries) {
        if (frmQuestion->isVisible())
            QTest::mouseClick(frmQuestion->AnswerLines[RightLine() - 1], Qt::LeftButton);
        frmPlayingField->btnDice->click();
        const bool backward = CornerIndexOfSquare(BackwardSquare) != 0;
        QTest::mouseClick(backward ? frmPlayingField->IcoSelect2 : frmPlayingField->IcoSelect1, Qt::LeftButton);
    }
    Shot(frmQuestion, QStringLiteral("question-corner"));
    QTest::mouseClick(frmQuestion->AnswerLines[RightLine() - 1], Qt::LeftButton);
    Shot(frmPlayingField, QStringLiteral("board-after-right-answer"));

    frmPlayingField->btnstartover->click();
    Shot(frmDialog, QStringLiteral("dialog"));
    frmDialog->btnCancel->click();

    frmPlayingField->Button3->click();
    for (int page = 0; page < frmHelp->Tabbedbook->count(); ++page) {
        frmHelp->Tabbedbook->setCurrentIndex(page);
        Shot(frmHelp, QStringLiteral("help-%1").arg(page + 1));
    }
    frmHelp->hide();

    frmPlayingField->Button4->click();
    Shot(frmProductInfo, QStringLiteral("catalogue-1"));
    frmProductInfo->SpeedButton4->click();
    Shot(frmProductInfo, QStringLiteral("catalogue-2"));
    frmProductInfo->SpeedButton4->click();
    Shot(frmProductInfo, QStringLiteral("catalogue-3"));
    frmProductInfo->hide();

    // A win: give player 1 three letters and a corner question.
    CornerCount[1] = 3;
    CornerLetter[1] = {{1, 0, 1, 1}};
    frmQuestion->lblTurn->setCaption(QStringLiteral("1"));
    frmQuestion->lblcornerposit->setCaption(QStringLiteral("6"));
    frmQuestion->Image1->setPicture(frmPlayingField->IcoPiece1->picture());
    frmQuestion->lblPlayername->setCaption(QStringLiteral("Rosalind's"));
    frmQuestion->show();
    Shot(frmQuestion, QStringLiteral("question-for-the-game"));
    QTest::mouseClick(frmQuestion->AnswerLines[RightLine() - 1], Qt::LeftButton);
    QTest::qWait(750);
    Shot(frmEnd, QStringLiteral("end"));
    ShutDown();
    return 0;
}
