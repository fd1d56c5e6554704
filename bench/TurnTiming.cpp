#include "bench/TurnTiming.h"

#include "tests/GameHarness.h"
#include "app/SharedState.h"
#include "forms/Game.h"
#include "forms/Question.h"

#include <QApplication>
#include <QTest>

namespace {

double Ms(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

} // namespace

TurnWatch::TurnWatch()
{
    clock_.start();
    qApp->installEventFilter(this);
}

TurnWatch::~TurnWatch()
{
    qApp->removeEventFilter(this);
}

bool TurnWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == frmQuestion) {
        switch (event->type()) {
        case QEvent::Show: showStart_ = clock_.nsecsElapsed(); break;
        case QEvent::ShowToParent: showEnd_ = clock_.nsecsElapsed(); break;
        case QEvent::Hide: hideStart_ = clock_.nsecsElapsed(); break;
        case QEvent::HideToParent: hideEnd_ = clock_.nsecsElapsed(); break;
        default: break;
        }
    } else if (event->type() == QEvent::Paint && watched->isWidgetType()
               && static_cast<QWidget *>(watched)->window() == frmPlayingField) {
        lastBoardPaint_ = clock_.nsecsElapsed();
    }
    return false;
}

TurnSpans TurnWatch::playTurn()
{
    TurnSpans spans;
    // What the event loop would do between two clicks: paint, and delete.
    QCoreApplication::processEvents();

    qint64 start = clock_.nsecsElapsed();
    frmPlayingField->btnDice->click();
    spans.rollMs = Ms(clock_.nsecsElapsed() - start);
    QCoreApplication::processEvents();

    showStart_ = showEnd_ = 0;
    start = clock_.nsecsElapsed();
    QTest::mouseClick(frmPlayingField->IcoSelect1, Qt::LeftButton);
    const qint64 moveEnd = clock_.nsecsElapsed();
    if (showStart_ == 0 || showEnd_ == 0)
        qFatal("the move did not show the question");
    spans.moveClickMs = Ms(moveEnd - start);
    spans.questionShowMs = Ms(showEnd_ - showStart_);
    spans.moveMs = spans.moveClickMs - spans.questionShowMs;
    spans.pauseMs = Ms(showStart_ - lastBoardPaint_);
    QCoreApplication::processEvents();

    CornerCount = {};
    CornerLetter = {};
    const int line = GameHarness::rightLine();
    hideStart_ = hideEnd_ = 0;
    start = clock_.nsecsElapsed();
    QTest::mouseClick(frmQuestion->AnswerLines[static_cast<std::size_t>(line - 1)], Qt::LeftButton);
    const qint64 answerEnd = clock_.nsecsElapsed();
    if (hideStart_ == 0 || hideEnd_ == 0)
        qFatal("the right answer did not hide the question");
    spans.questionHideMs = Ms(hideEnd_ - hideStart_);
    spans.answerMs = Ms(answerEnd - start) - spans.questionHideMs;
    return spans;
}

void UseBenchEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("KORVANE_SOURCE_DIR"))
        qputenv("KORVANE_SOURCE_DIR", KORVANE_SOURCE_DIR);
}

GameHarness *StartBenchGame()
{
    auto *harness = new GameHarness(GameHarness::Bank::Shipped);
    GameHarness::startGame();
    if (!frmPlayingField->isVisible())
        qFatal("the board did not come up");
    return harness;
}
