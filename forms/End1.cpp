#include "forms/End1.h"

#include "forms/Help1.h"
#include "forms/Title2.h"
#include "app/DesignFonts.h"

#include <QCloseEvent>

TfrmEnd *frmEnd = nullptr;
BouncePosition BouncePoint{};
BounceDirection BounceFlags{};

void ZeroBounceState()
{
    BouncePoint = {};
    BounceFlags = {};
}

TfrmEnd::TfrmEnd() : RosterWindow("frmEnd", QStringLiteral("Korvane for Windows"), Frame::Single, QSize(408, 273))
{
    setFont(DesignFont(SystemFace, 13));

    Shape1 = new Shape(this, "Shape1", QRect(39, 29, 108, 70));
    Image9 = new Image(this, "Image9", QRect(40, 30, 113, 75), QStringLiteral(":/end_board.png"),
                       tr("Game board: click for About"));
    Label1 = new Label(this, "Label1", QRect(177, 72, 189, 21), tr("Thank you for playing!!!!"));
    Label1->setFont(DesignFont(TimesFace, 19));
    Label2 = new Label(this, "Label2", QRect(188, 24, 150, 37), tr("You Win!!!"));
    Label2->setFont(DesignFont(SansSerifFace, 32));
    lblGreat = new Label(this, "lblGreat", QRect(28, 144, 118, 19), tr("Great Job!"));
    lblGreat->setFont(DesignFont(TimesFace, 16));
    icoplayer = new Image(this, "icoplayer", QRect(200, 140, 41, 45), QString(), tr("Winner's piece"));
    btnOk = MakeButton(this, "btnOk", QRect(147, 223, 77, 27), tr("Ok"), QStringLiteral(":/tick.png"));
    btnOk->setFocus();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);

    connect(Timer1, &QTimer::timeout, this, &TfrmEnd::Timer1Timer);
    connect(btnOk, &QPushButton::clicked, this, &TfrmEnd::btnOkClick);
    connect(Image9, &Image::clicked, this, &TfrmEnd::Image9Click);
}

void TfrmEnd::FormShow()
{
    // The piece stays at its layout place until the first tick.
    Timer1->start();
    BounceFlags.up = 0;
    BouncePoint = {132, 200};
    BounceFlags.leftward = 0;
}

void TfrmEnd::Timer1Timer()
{
    BounceStep(BouncePoint, BounceFlags);
    icoplayer->move(BouncePoint.left, BouncePoint.top);
}

void TfrmEnd::btnOkClick()
{
    Form1->close();
}

void TfrmEnd::closeEvent(QCloseEvent *event)
{
    // Hiding this window would leave the program running with no window on
    // screen, so its close box ends the program like "Ok".
    RosterWindow::closeEvent(event);
    Form1->close();
}

void TfrmEnd::Image9Click()
{
    frmHelp->ShowPage(QStringLiteral("About"));
    frmHelp->show();
}
