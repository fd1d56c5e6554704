#include "forms/Dialog.h"

#include "forms/BoardTrack.h"
#include "forms/Game.h"
#include "forms/Question.h"
#include "forms/Title2.h"
#include "app/DesignFonts.h"

#include <QKeyEvent>

TfrmDialog *frmDialog = nullptr;

TfrmDialog::TfrmDialog()
    : RosterWindow("frmDialog", QStringLiteral("Korvane for Windows"), Frame::Dialog, QSize(295, 123))
{
    setFont(DesignFont(SansSerifFace, 11, true));

    // Every caller replaces this text before the dialog is seen.
    lblDialog = new Label(this, "lblDialog", QRect(69, 29, 175, 16), tr("Do you really want to Quit?"));
    lblDialog->setFont(DesignFont(SystemFace, 13, true));
    Image1 = new Image(this, "Image1", QRect(16, 8, 49, 57), QStringLiteral(":/warning.png"),
                       tr("Warning"));
    btnOk = MakeButton(this, "btnOk", QRect(43, 79, 77, 27), tr("OK"));
    btnOk->setDefault(true);
    btnCancel = MakeButton(this, "btnCancel", QRect(140, 79, 77, 27), tr("Cancel"));
    setTabOrder(btnOk, btnCancel);
    btnOk->setFocus();

    connect(btnOk, &QPushButton::clicked, this, &TfrmDialog::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmDialog::btnCancelClick);
}

void TfrmDialog::btnOkClick()
{
    // Exactly the quit text, case and all, quits; any other text starts over.
    if (lblDialog->caption() == QuitQuestion())
        Form1->close();
    else
        ResetGame();
}

void TfrmDialog::btnCancelClick()
{
    hide();
}

void TfrmDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        btnCancel->click();
    else
        RosterWindow::keyPressEvent(event);
}

void TfrmDialog::FormDeactivate()
{
    // A click elsewhere dismisses the dialog like Cancel; the die button gets
    // the focus back only while a roll is what the game waits for.
    hide();
    QPushButton *dice = frmPlayingField->btnDice;
    if (dice->isEnabled() && frmPlayingField->isVisible())
        FocusControl(dice);
}

QString QuitQuestion()
{
    return TfrmDialog::tr("Do you really want to quit?");
}

QString StartOverQuestion()
{
    return TfrmDialog::tr("Do you really want to start over?");
}

void ResetGame()
{
    frmDialog->hide();
    // The board must still be up here: seeing it, the setup window restarts
    // and hides it.
    Form1->show();
    Form1->btnStart->setEnabled(false);
    TfrmPlayingField *board = frmPlayingField;
    board->IcoSelect1->hide();
    board->IcoSelect2->hide();
    board->IcoDice->hide();
    board->btnDice->setEnabled(true);
    board->IcoPiece1->move(BoardTrack[Player1StartSquare].left, BoardTrack[Player1StartSquare].top);
    board->IcoPiece2->move(BoardTrack[Player2StartSquare].left, BoardTrack[Player2StartSquare].top);
    frmQuestion->lblTurn->setCaption(QStringLiteral("1"));
    frmQuestion->FormCreate();
}
