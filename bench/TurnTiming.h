#pragma once

// Plays turns through the real windows in-process and times each handler of
// a turn: the roll, the move, the question's showing inside the move, the
// answer, and the question's hiding inside the answer.

#include <QElapsedTimer>
#include <QObject>

struct TurnSpans {
    double rollMs = 0;
    double moveMs = 0;         // the move click, less the question's showing
    double questionShowMs = 0; // from the show event to the window being up
    double answerMs = 0;       // the answer click, less the question's hiding
    double questionHideMs = 0; // the hide event and what it settles
    double pauseMs = 0;        // from the board's last paint to the question's showing
    double moveClickMs = 0;    // the whole move click, pause and showing included
};

// Times the question window's show and hide events, and the board's paints.
class TurnWatch : public QObject {
public:
    TurnWatch();
    ~TurnWatch() override;

    // Rolls, moves forward and answers right. The letters are cleared before
    // answering, so the game can go on for ever without being won.
    TurnSpans playTurn();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QElapsedTimer clock_;
    qint64 showStart_ = 0;
    qint64 showEnd_ = 0;
    qint64 hideStart_ = 0;
    qint64 hideEnd_ = 0;
    qint64 lastBoardPaint_ = 0;
};

// Starts the program in a scratch folder with the shipped bank and plays the
// setup through to the board, as the player would.
class GameHarness;
GameHarness *StartBenchGame();

// Runs on the offscreen platform with the shipped bank unless told
// otherwise; call before the application is constructed.
void UseBenchEnvironment();
