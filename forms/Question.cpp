#include "forms/Question.h"

#include "forms/End1.h"
#include "forms/Error1.h"
#include "forms/Game.h"
#include "forms/QuestionLayout.h"
#include "forms/Title2.h"
#include "app/DesignFonts.h"
#include "app/SharedState.h"
#include "app/Windows1252.h"

#include <QCloseEvent>
#include <QKeyEvent>

TfrmQuestion *frmQuestion = nullptr;

namespace {

Label *LetterPlace(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *place = new Label(parent, name, geometry, QStringLiteral("*"), Label::Fixed);
    place->setFont(DesignFont(SystemFace, 13));
    return place;
}

// A letter place shows its letter once won, a star before; a screen reader
// says which.
void ShowLetter(Label *place, std::uint8_t won, char letter)
{
    place->setCaption(QString(QChar::fromLatin1(won == 1 ? letter : '*')));
    place->setAccessibleName(won == 1 ? TfrmQuestion::tr("Letter %1 won").arg(letter)
                                      : TfrmQuestion::tr("Letter %1 not won yet").arg(letter));
}

} // namespace

TfrmQuestion::TfrmQuestion()
    : RosterWindow("frmQuestion", QStringLiteral("Korvane for Windows"), Frame::Sizeable,
                   clientOfOuter(QSize(435, 300)))
{
    setFont(DesignFont(SystemFace, 13));

    Bevel1 = MakeBevel(this, "Bevel1", AnswerBevel(2), BevelStyle::Lowered);
    Bevel2 = MakeBevel(this, "Bevel2", AnswerBevel(1), BevelStyle::Lowered);
    Bevel3 = MakeBevel(this, "Bevel3", AnswerBevel(3), BevelStyle::Lowered);
    const std::array<QString, 3> designCaptions = {QStringLiteral("A) "), QStringLiteral("B)"), QStringLiteral("C)")};
    for (std::uint8_t line = 1; line <= 3; ++line) {
        const QByteArray name = "lblAnswer" + QByteArray::number(line);
        Label *answer = new Label(this, name.constData(), AnswerBox(line), designCaptions[line - 1], Label::Fixed);
        answer->setFont(AnswerFont());
        connect(answer, &Label::clicked, this, [this, line] { AnswerClick(line); });
        AnswerLines[line - 1] = answer;
    }
    lblQuestion = new Label(this, "lblQuestion", QuestionBox, tr("Here comes the question."), Label::Fixed);
    lblQuestion->setFont(QuestionFont());
    lblQuestion->setWordWrap(true);
    Image1 = new Image(this, "Image1", QRect(113, 31, 32, 37), QString(),
                       tr("Piece of the player on turn"));
    Bevel4 = MakeBevel(this, "Bevel4", QRect(20, 18, 145, 63), BevelStyle::Lowered);
    lblPlayername = new Label(this, "lblPlayername", QRect(34, 32, 52, 17), tr("Player's"));
    lblPlayername->setFont(DesignFont(TimesFace, 15));
    Label1 = new Label(this, "Label1", QRect(34, 50, 28, 17), tr("Turn"));
    Label1->setFont(DesignFont(TimesFace, 15));
    lblTurn = new Label(this, "lblTurn", QRect(45, 248, 8, 16), QStringLiteral("1"));
    lblTurn->hide();
    lblStatus = new Label(this, "lblStatus", QRect(201, 16, 24, 16), QStringLiteral("      "));
    lblcorner = new Label(this, "lblcorner", QRect(69, 248, 8, 16), QStringLiteral("F"));
    lblcorner->hide();
    lblLove = LetterPlace(this, "lblLove", QRect(277, 40, 10, 16));
    Label2 = new Label(this, "Label2", QRect(275, 18, 42, 17), tr("Pieces:"));
    Label2->setFont(DesignFont(TimesFace, 15));
    Bevel5 = MakeBevel(this, "Bevel5", QRect(268, 33, 53, 22), BevelStyle::Lowered);
    lblcornerposit = new Label(this, "lblcornerposit", QRect(93, 248, 4, 16), QString());
    lblcornerposit->hide();
    Label3 = new Label(this, "Label3", QRect(275, 58, 44, 16), QStringLiteral("L o v e"));
    Label3->setFont(DesignFont(SystemFace, 13));
    QPalette grey = Label3->palette();
    grey.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    Label3->setPalette(grey);
    lbllove2 = LetterPlace(this, "lbllove2", QRect(285, 40, 10, 16));
    lblLove3 = LetterPlace(this, "lblLove3", QRect(293, 40, 10, 16));
    lbl4 = LetterPlace(this, "lbl4", QRect(301, 40, 8, 16));
    for (Label *place : {lbllove2, lblLove3, lbl4})
        place->setAutoFillBackground(false); // they overlap their left neighbours
    btncontinue = MakeButton(this, "btncontinue", QRect(289, 56, 89, 33), tr("Continue"));
    btncontinue->hide();

    connect(btncontinue, &QPushButton::clicked, this, &TfrmQuestion::btncontinueClick);
}

void TfrmQuestion::FormCreate()
{
    // The resets come first, so they hold even when the bank cannot be read.
    ResetPerGameState();
    // A bank named on the command line is read as named, with no search:
    // when it is missing, the error window says so rather than another bank
    // being played.
    const std::string bank = NamedBank ? *NamedBank : FindBankFile();
    if (!ReadBankFile(bank.c_str(), StoreBankEntry))
        frmerror->show();
}

void TfrmQuestion::FormShow()
{
    for (Label *answer : AnswerLines)
        answer->setEnabled(true);
    QuestionClosed = "F";
    ShowLetterArea(true);
    QuestionPlayer = CaptionNumber(lblTurn->caption());
    const std::uint8_t square = CaptionNumber(lblcornerposit->caption());

    // A corner question wins the corner's letter if the player lacks it.
    const std::uint8_t corner = CornerIndexOfSquare(square);
    if (corner != 0 && CornerLetter[QuestionPlayer][corner] == 0) {
        Label2->hide();
        lblStatus->setCaption(tr("This question is for the square!"));
        lblcorner->setCaption(QStringLiteral("T"));
        CornerIndex = corner;
        if (CornerCount[QuestionPlayer] == 3)
            lblStatus->setCaption(tr("This question is for the game!!!"));
    }

    // The letter places spell L, o, v, e; the corners along the track carry
    // L, o, e, v.
    const OneBased<std::uint8_t, 4> &letters = CornerLetter[QuestionPlayer];
    ShowLetter(lblLove, letters[1], 'L');
    ShowLetter(lbllove2, letters[2], 'o');
    ShowLetter(lblLove3, letters[4], 'v');
    ShowLetter(lbl4, letters[3], 'e');

    AnswerVerdict = "F";
    PickQuestion();
    lblQuestion->setCaption(FromWindows1252(QuestionText[QuestionCursor].view()));
    DrawAnswerLayout();
    for (std::uint8_t line = 1; line <= 3; ++line) {
        const std::string_view answer = AnswerText[QuestionCursor][AnswerOnLine(AnswerLayout, line)].view();
        AnswerLines[line - 1]->setCaption(FromWindows1252(AnswerLineCaption(line, answer).view()));
    }
    QuestionUsed[QuestionCursor] = "T";
}

void TfrmQuestion::AnswerClick(std::uint8_t line)
{
    ChosenAnswer = line;
    CheckAnswer();
    if (AnswerVerdict == "T") {
        // Closed before hiding, so losing the activation does not bring the
        // window back.
        QuestionClosed = "T";
        hide();
        return;
    }
    lblStatus->setCaption(tr("Sorry, but that is incorrect!"));
    btncontinue->show();
    btncontinue->setFocus(); // from now on the answer keys reach the button, not the window
    for (Label *answer : AnswerLines)
        answer->setEnabled(false);
    ShowLetterArea(false);
}

void TfrmQuestion::keyPressEvent(QKeyEvent *event)
{
    // Keys reach the window's own handler only while no control of it holds
    // the focus; a key the Continue button leaves alone must not answer.
    const QWidget *focused = focusWidget();
    if (focused && focused != this && focused->isVisible() && focused->isEnabled())
        return RosterWindow::keyPressEvent(event);
    FormKeyPress(event);
}

void TfrmQuestion::FormKeyPress(QKeyEvent *event)
{
    const QString key = event->text().toUpper();
    if (key == QLatin1String("A"))
        AnswerClick(1);
    else if (key == QLatin1String("B"))
        AnswerClick(2);
    else if (key == QLatin1String("C"))
        AnswerClick(3);
    else
        RosterWindow::keyPressEvent(event);
}

void TfrmQuestion::btncontinueClick()
{
    QuestionClosed = "T";
    hide();
}

void TfrmQuestion::closeEvent(QCloseEvent *event)
{
    // FormCloseQuery: the question can only be answered, never closed.
    event->ignore();
}

void TfrmQuestion::FormDeactivate()
{
    // An open question stays in front until it is settled.
    if (!(QuestionClosed == "F"))
        return;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    bringToFront();
    activateWindow();
}

void TfrmQuestion::FormHide()
{
    lblStatus->setCaption(QString());
    btncontinue->hide();
    // Hidden with its window already going, the button would stay the
    // window's focus: Enter or Space on the next question would press it
    // and pass the turn unanswered.
    btncontinue->clearFocus();
    TfrmPlayingField *board = frmPlayingField;
    if (AnswerVerdict == "T") {
        if (lblcorner->caption() == QLatin1String("T")) {
            ++CornerCount[QuestionPlayer];
            if (CornerCount[QuestionPlayer] == 4) {
                const Label *winner = lblTurn->caption() == QLatin1String("1") ? Form1->lblplayer1 : Form1->lblplayer2;
                frmEnd->lblGreat->setCaption(tr("Great Job, %1!").arg(winner->caption()));
                frmEnd->icoplayer->setPicture(Image1->picture());
                board->hide();
                frmEnd->show();
            }
            CornerLetter[QuestionPlayer][CornerIndex] = 1;
        }
        board->Panel1->setCaption(tr(" Good Job!!!  You get to roll again."));
        board->lblPlayaz->setCaption(TurnLine(FromWindows1252(PlayerNames[QuestionPlayer].view())));
        board->btnDice->setEnabled(true);
        if (CornerCount[QuestionPlayer] != 4) // the board is hidden once the game is won
            FocusControl(board->btnDice);
    } else {
        board->btnDice->setEnabled(true);
        FocusControl(board->btnDice);
        lblTurn->setCaption(lblTurn->caption() == QLatin1String("1") ? QStringLiteral("2") : QStringLiteral("1"));
        board->Panel1->setCaption(tr("  Click on the Dice to Roll"));
        const Label *next = lblTurn->caption() == QLatin1String("1") ? Form1->lblplayer1 : Form1->lblplayer2;
        board->lblPlayaz->setCaption(TurnLine(next->caption()));
    }
    lblcorner->setCaption(QString());
    board->lblPlayaz->show();
}

void TfrmQuestion::ShowLetterArea(bool shown)
{
    for (QWidget *part : std::initializer_list<QWidget *>{Bevel5, lblLove, lbllove2, lblLove3, lbl4, Label2, Label3})
        part->setVisible(shown);
}
