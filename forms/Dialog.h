#pragma once

#include "app/Controls.h"
#include "app/RosterWindow.h"

// The confirmation dialog for quitting and starting over. Its question text,
// set by the board window, alone decides what OK does. It dismisses itself as
// soon as another window of the program becomes active.
class TfrmDialog : public RosterWindow {
    Q_DECLARE_TR_FUNCTIONS(TfrmDialog)

public:
    TfrmDialog();

    Label *lblDialog;
    Image *Image1;
    QPushButton *btnOk;
    QPushButton *btnCancel;

protected:
    void FormDeactivate() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void btnOkClick();
    void btnCancelClick();
};

extern TfrmDialog *frmDialog;

// The two questions the board asks, in the player's language; OK tells them
// apart by their exact text, so the board and the dialog both take them from
// here.
QString QuitQuestion();
QString StartOverQuestion();

// Starts a new game: the setup window again, the board as at the start, and
// the question bank read anew.
void ResetGame();
