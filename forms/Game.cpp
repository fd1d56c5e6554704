#include "forms/Game.h"

#include "forms/Dialog.h"
#include "forms/Help1.h"
#include "forms/Info.h"
#include "forms/Question.h"
#include "forms/Title2.h"
#include "app/DesignFonts.h"
#include "app/Random.h"
#include "app/SharedState.h"
#include "app/Windows1252.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QThread>

TfrmPlayingField *frmPlayingField = nullptr;
int MovePauseMs = StandardMovePauseMs;
std::int8_t ForwardSquare = 0;
std::int8_t BackwardSquare = 0;
TrackPoint ForwardPoint{};
TrackPoint BackwardPoint{};

void ZeroBoardState()
{
    ForwardSquare = 0;
    BackwardSquare = 0;
    ForwardPoint = {};
    BackwardPoint = {};
}

namespace {

void Place(Image *image, TrackPoint point)
{
    image->move(point.left, point.top);
}

// Blocks the user-interface thread: clicks and keys wait until it is over.
// Measured on a monotonic clock, so midnight or a clock change cannot stretch
// or cut it short.
void PauseAfterMove()
{
    QElapsedTimer clock;
    clock.start();
    for (qint64 left = MovePauseMs; left > 0; left = MovePauseMs - clock.elapsed())
        QThread::msleep(static_cast<unsigned long>(left));
}

} // namespace

TfrmPlayingField::TfrmPlayingField()
    : RosterWindow("frmPlayingField", QStringLiteral("Korvane for Windows "), Frame::Single, QSize(597, 390))
{
    setFont(DesignFont(SystemFace, 13));

    // Pictures from the bottom of the drawing order up; the buttons and the
    // status bar lie over all of them.
    Image1 = new Image(this, "Image1", QRect(-3, 15, 641, 360), QStringLiteral(":/board.png"),
                       tr("Game board"));
    IcoPiece2 = new Image(this, "IcoPiece2", QRect(489, 303, 35, 39), QStringLiteral(":/piece2.png"),
                          tr("Player 2's piece"));
    IcoPiece1 = new Image(this, "IcoPiece1", QRect(142, 47, 35, 37), QStringLiteral(":/piece1.png"),
                          tr("Player 1's piece"));
    IcoDice = new Image(this, "IcoDice", QRect(358, 165, 35, 36));
    IcoSelect2 = new Image(this, "IcoSelect2", QRect(46, 261, 35, 36), QStringLiteral(":/select.png"));
    IcoSelect2->hide();
    IcoSelect1 = new Image(this, "IcoSelect1", QRect(462, 37, 35, 36), QStringLiteral(":/select.png"));
    IcoSelect1->hide();
    Panel1 = new Label(this, "Panel1", QRect(0, 368, 609, 25), QString(), Label::Fixed);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblPlayaz = new Label(Panel1, "lblPlayaz", QRect(464, 5, 92, 16), QString());
    btnDice = MakeButton(this, "btnDice", QRect(230, 167, 91, 34), tr(" Dice"),
                         QStringLiteral(":/dice_glyph.png"));
    btnDice->setIconSize(QSize(21, 21));
    btnstartover = MakeButton(this, "btnstartover", QRect(0, 0, 76, 20), tr("Start Over"));
    Button2 = MakeButton(this, "Button2", QRect(75, 0, 76, 20), tr("Quit"));
    Button3 = MakeButton(this, "Button3", QRect(150, 0, 76, 20), tr("Help"));
    Button4 = MakeButton(this, "Button4", QRect(225, 0, 372, 20),
                         tr("Other Software from Halvorn Computers"));

    setTabOrder(btnDice, Button4);
    setTabOrder(Button4, btnstartover);
    setTabOrder(btnstartover, Button2);
    setTabOrder(Button2, Button3);

    connect(btnDice, &QPushButton::clicked, this, &TfrmPlayingField::btnDiceClick);
    connect(IcoSelect1, &Image::clicked, this, &TfrmPlayingField::IcoSelect1Click);
    connect(IcoSelect2, &Image::clicked, this, &TfrmPlayingField::IcoSelect2Click);
    connect(btnstartover, &QPushButton::clicked, this, &TfrmPlayingField::btnstartoverClick);
    connect(Button2, &QPushButton::clicked, this, &TfrmPlayingField::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TfrmPlayingField::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TfrmPlayingField::Button4Click);
}

void TfrmPlayingField::FormShow()
{
    PlayerNames[1] = ToWindows1252(Form1->lblplayer1->caption());
    PlayerNames[2] = ToWindows1252(Form1->lblplayer2->caption());
    Panel1->setCaption(tr("  Click on the Dice to Roll"));
    SetTurnLabel(1); // a game always opens with player 1
    FocusControl(btnDice);
    CurrentPlayer = 1;
    PieceSquare[1] = Player1StartSquare;
    PieceSquare[2] = Player2StartSquare;
}

void TfrmPlayingField::btnDiceClick()
{
    const int roll = static_cast<int>(Random(6)) + 1;
    IcoDice->setPicture(frmHelp->DieFace(roll)->picture());
    IcoDice->setAccessibleName(tr("Die showing %1").arg(roll));
    IcoDice->show();
    CurrentPlayer = CaptionNumber(frmQuestion->lblTurn->caption());
    const std::int8_t from = CurrentPlayer == 1 ? PieceSquare[1] : PieceSquare[2];
    ForwardSquare = ForwardSquareOf(from, roll);
    BackwardSquare = BackwardSquareOf(from, roll);
    ForwardPoint = BoardTrack[ForwardSquare];
    BackwardPoint = BoardTrack[BackwardSquare];
    Place(IcoSelect1, ForwardPoint);
    IcoSelect1->setAccessibleName(tr("Move forward to square %1").arg(ForwardSquare));
    IcoSelect1->show();
    Place(IcoSelect2, BackwardPoint);
    IcoSelect2->setAccessibleName(tr("Move backward to square %1").arg(BackwardSquare));
    IcoSelect2->show();
    Panel1->setCaption(tr("  Click on the square where you want to move.  "));
    SetTurnLabel(CurrentPlayer);
    btnDice->setEnabled(false); // one roll per move, until the question hands the turn back
}

void TfrmPlayingField::IcoSelect1Click()
{
    MoveTo(ForwardSquare, ForwardPoint);
}

void TfrmPlayingField::IcoSelect2Click()
{
    MoveTo(BackwardSquare, BackwardPoint);
}

void TfrmPlayingField::MoveTo(std::int8_t square, TrackPoint point)
{
    Image *piece = CurrentPlayer == 1 ? IcoPiece1 : IcoPiece2;
    Place(piece, point);
    PieceSquare[CurrentPlayer == 1 ? 1 : 2] = square;
    frmQuestion->Image1->setPicture(piece->picture());
    const BoundedText<2> squareText(std::to_string(square));
    IcoSelect1->hide();
    IcoSelect2->hide();
    IcoDice->hide();
    Panel1->setCaption(QString());

    // The players see the piece on its new square through the pause.
    repaint();
    PauseAfterMove();

    // The question window's show event reads the square at once, so it goes
    // in first; the name follows the showing.
    frmQuestion->lblcornerposit->setCaption(FromWindows1252(squareText.view()));
    frmQuestion->show();
    const BoundedText<17> nameLine(ToWindows1252(NameLine(FromWindows1252(PlayerNames[CurrentPlayer].view()))));
    frmQuestion->lblPlayername->setCaption(FromWindows1252(nameLine.view()));
    Panel1->setCaption(tr("  Click on the right answer"));
    lblPlayaz->hide();
}

void TfrmPlayingField::btnstartoverClick()
{
    frmDialog->show();
    frmDialog->lblDialog->move(69, frmDialog->lblDialog->y());
    frmDialog->lblDialog->setCaption(StartOverQuestion());
}

void TfrmPlayingField::Button2Click()
{
    // The dialog's OK quits only on exactly this text.
    frmDialog->lblDialog->move(69, frmDialog->lblDialog->y());
    frmDialog->lblDialog->setCaption(QuitQuestion());
    frmDialog->show();
}

void TfrmPlayingField::Button3Click()
{
    frmHelp->show();
}

void TfrmPlayingField::Button4Click()
{
    frmProductInfo->show();
}

void TfrmPlayingField::closeEvent(QCloseEvent *event)
{
    FormClose();
    RosterWindow::closeEvent(event);
}

void TfrmPlayingField::FormClose()
{
    // Closing the board ends the whole program, with no question asked.
    Form1->close();
}

QString TurnLine(const QString &name)
{
    return TfrmPlayingField::tr("%1's Turn").arg(name);
}

QString NameLine(const QString &name)
{
    return TfrmPlayingField::tr("%1's").arg(name);
}

void TfrmPlayingField::SetTurnLabel(std::uint8_t player)
{
    const BoundedText<22> turnLine(ToWindows1252(TurnLine(FromWindows1252(PlayerNames[player].view()))));
    lblPlayaz->setCaption(FromWindows1252(turnLine.view()));
}
