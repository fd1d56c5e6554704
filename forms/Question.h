#pragma once

#include "forms/QuestionState.h"
#include "app/Controls.h"
#include "app/RosterWindow.h"

#include <array>

// The question window: each showing draws a question not asked yet, lays out
// its three answers in one of three rotations and, once answered, settles
// the turn as it hides. Three hidden labels on it are the mailbox between
// the board, this window and the dialog: lblTurn, lblcornerposit, lblcorner.
class TfrmQuestion : public RosterWindow {
    Q_DECLARE_TR_FUNCTIONS(TfrmQuestion)

public:
    TfrmQuestion();

    // Loads the question bank and resets the letters won. The dialog runs it
    // again for every new game.
    void FormCreate() override;

    QFrame *Bevel1;
    QFrame *Bevel2;
    QFrame *Bevel3;
    std::array<Label *, 3> AnswerLines; // lblAnswer1 .. lblAnswer3, lines A .. C
    Label *lblQuestion;
    Image *Image1;
    QFrame *Bevel4;
    Label *lblPlayername;
    Label *Label1;
    Label *lblTurn;
    Label *lblStatus;
    Label *lblcorner;
    Label *lblLove;
    Label *Label2;
    QFrame *Bevel5;
    Label *lblcornerposit;
    Label *Label3;
    Label *lbllove2;
    Label *lblLove3;
    Label *lbl4;
    QPushButton *btncontinue;

protected:
    void FormShow() override;
    void FormHide() override;
    void FormDeactivate() override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void AnswerClick(std::uint8_t line); // lblAnswer1Click .. lblAnswer3Click
    void FormKeyPress(QKeyEvent *event);
    void btncontinueClick();
    void ShowLetterArea(bool shown);
};

extern TfrmQuestion *frmQuestion;
