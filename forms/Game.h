#pragma once

#include "forms/BoardTrack.h"
#include "app/Controls.h"
#include "app/RosterWindow.h"

// The board window, where the game is played: roll, choose a square, move,
// and hand over to the question window. Its die button is the turn token: it
// is enabled exactly while the player on turn may roll.
class TfrmPlayingField : public RosterWindow {
    Q_DECLARE_TR_FUNCTIONS(TfrmPlayingField)

public:
    TfrmPlayingField();

    Image *Image1;
    Image *IcoPiece2;
    Image *IcoPiece1;
    Image *IcoDice;
    Image *IcoSelect2;
    Image *IcoSelect1;
    Label *Panel1;    // the status bar
    Label *lblPlayaz; // whose turn it is, at the status bar's right
    QPushButton *btnDice;
    QPushButton *btnstartover;
    QPushButton *Button2; // "Quit"
    QPushButton *Button3; // "Help"
    QPushButton *Button4; // the catalogue of the maker's other titles

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void btnDiceClick();
    void IcoSelect1Click();
    void IcoSelect2Click();
    void MoveTo(std::int8_t square, TrackPoint point);
    void btnstartoverClick();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void FormClose();
    void SetTurnLabel(std::uint8_t player);
};

extern TfrmPlayingField *frmPlayingField;

// Whose turn it is, "Name's Turn", and the name over "Turn" on the question
// window, "Name's": each a whole phrase of the player's language with the
// name in it, never glued from pieces.
QString TurnLine(const QString &name);
QString NameLine(const QString &name);

// How long the board stands still after a move before the question comes up,
// in milliseconds. Tests may shorten it, then put the standard pause back.
inline constexpr int StandardMovePauseMs = 1037;
extern int MovePauseMs;

// The board unit's own state: the squares and points the last roll offers.
extern std::int8_t ForwardSquare;
extern std::int8_t BackwardSquare;
extern TrackPoint ForwardPoint;
extern TrackPoint BackwardPoint;

void ZeroBoardState();
