#pragma once

#include "app/Controls.h"
#include "app/RosterWindow.h"

#include <QTabWidget>
#include <array>

// The help window: licence, a one-picture summary, the manual and "About".
// Its About page also holds the six die faces the board shows after a roll.
// It reopens on the page that was showing when it was hidden.
class TfrmHelp : public RosterWindow {
    Q_DECLARE_TR_FUNCTIONS(TfrmHelp)

public:
    TfrmHelp();

    // Switches the notebook to the page with this English caption, which
    // names the page in every language.
    void ShowPage(const QString &name);
    // The face with n pips, n from 1 to 6.
    Image *DieFace(int pips) const { return Dice[static_cast<std::size_t>(pips - 1)]; }

    QTabWidget *Tabbedbook;
    QPlainTextEdit *Memo1;
    Image *Image1;
    Label *Label4;
    QPlainTextEdit *Memo3;
    Label *Label1;
    Label *Label2;
    std::array<Image *, 6> Dice; // dice1 .. dice6
    Image *Icon;
    QPlainTextEdit *Memo4;
    QPlainTextEdit *Memo2;
    QPushButton *Button1;

private:
    void Button1Click();
};

extern TfrmHelp *frmHelp;
