// Random play through the real program. A player driven by a fixed seed
// clicks, types, closes and switches between whatever windows are on screen,
// and after every event the rules that hold in every state of the game are
// checked. A failure names the seed and the event number, so that
//   KORVANE_STRESS_SEED=<seed> KORVANE_STRESS_EVENTS=<event> StressTest
// replays it and stops right there.
#include "tests/GameHarness.h"

#include "app/Controls.h"
#include "app/Random.h"
#include "app/Roster.h"
#include "app/RosterWindow.h"
#include "app/SharedState.h"
#include "app/Startup.h"
#include "forms/BoardTrack.h"
#include "forms/Dialog.h"
#include "forms/End1.h"
#include "forms/Error1.h"
#include "forms/Game.h"
#include "forms/Help1.h"
#include "forms/Info.h"
#include "forms/Question.h"
#include "forms/QuestionState.h"
#include "forms/Title2.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTabBar>
#include <QTest>

#include <array>
#include <deque>
#include <memory>
#include <random>

namespace {

constexpr std::uint32_t DefaultSeed = 20261207;
constexpr quint64 DefaultEvents = 100000;

// The program is meant to end now and then, so that starting afresh gets
// stressed too; at the end window there is nothing left but ending.
constexpr int EndingOdds = 5000;
constexpr int EndingOddsAfterVictory = 40;

const QString QuitText = QStringLiteral("Do you really want to quit?");

quint64 EnvNumber(const char *name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

QList<QWidget *> VisibleWindows()
{
    QList<QWidget *> shown;
    for (QWidget *window : RosterWindows())
        if (window->isVisible())
            shown.append(window);
    return shown;
}

// What the player sees of the windows: which are up and which has the keyboard.
struct Screen {
    QList<QWidget *> shown;
    QWidget *active = nullptr;
    QWindow *focusWindow = nullptr;
    bool operator==(const Screen &) const = default;
};

Screen LookAtScreen()
{
    return {VisibleWindows(), QApplication::activeWindow(), QGuiApplication::focusWindow()};
}

// Activation on the offscreen desktop, as on any desktop, arrives from the
// window system later than the call that asks for it, and the windows react
// to it (the question takes the activation back, the dialog hides itself).
// A player cannot act faster than windows come up, so after an event that
// changed the screen the driver lets it settle before the next one.
void Settle()
{
    for (int round = 0; round < 10; ++round) {
        const Screen before = LookAtScreen();
        QCoreApplication::processEvents();
        if (LookAtScreen() == before)
            return;
    }
}

// Every so often the posted events and timers run (the end window's bounce),
// and the windows paint all of what is on screen. Only then: painting
// changes nothing in the game but would take most of the run's time.
void Refresh()
{
    for (QWidget *window : RosterWindows())
        window->setUpdatesEnabled(true);
    QCoreApplication::processEvents();
    for (QWidget *window : RosterWindows())
        window->setUpdatesEnabled(false);
}

bool IsQuitQuestion()
{
    return frmDialog->lblDialog->caption() == QuitText;
}

// Buttons that end the program when pressed, in the current state.
bool EndsWhenPressed(const QWidget *control)
{
    return (control == frmDialog->btnOk && IsQuitQuestion()) || control == frmEnd->btnOk
        || control == frmerror->OKButton;
}

// Closing these ends the program: the setup window is the main window, and
// the board and the end window close it in turn.
bool EndsWhenClosed(const QWidget *window)
{
    return window == Form1 || window == frmPlayingField || window == frmEnd;
}

QString Name(const QObject *object)
{
    if (!object)
        return QStringLiteral("(none)");
    const QObject *window = object->isWidgetType() ? static_cast<const QWidget *>(object)->window() : nullptr;
    if (window && window != object)
        return window->objectName() + QLatin1Char('.') + object->objectName();
    return object->objectName();
}

QString Describe(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

int LettersWon(std::size_t player)
{
    int won = 0;
    for (std::size_t corner = 1; corner <= 4; ++corner)
        won += CornerLetter[player][corner];
    return won;
}

bool Won()
{
    return CornerCount[1] == 4 || CornerCount[2] == 4;
}

// The rules every state of the game keeps; the first one broken, or empty.
QString BrokenRule()
{
    const QString turn = frmQuestion->lblTurn->caption();
    if (turn != QLatin1String("1") && turn != QLatin1String("2"))
        return QStringLiteral("the turn reads %1").arg(Describe(turn));

    // The die is the turn token. A roll disables it and shows the two
    // selector frames with the die face; a click on a frame hides the three
    // and opens the question; the question hiding (a right answer, Continue
    // after a wrong one, or the victory, which hides the board) enables it;
    // a start-over hides the frames and enables it, although the board
    // itself is hidden for the setup then. So on the board or not:
    //   enabled <=> neither frame is shown and the question window is hidden.
    // "Shown" is the frames' own flag, which the board hiding leaves alone.
    TfrmPlayingField *board = frmPlayingField;
    const bool framesShown = !board->IcoSelect1->isHidden();
    if (framesShown != !board->IcoSelect2->isHidden())
        return QStringLiteral("one selector frame is shown without the other");
    // (Before the first roll the die face is there but blank.)
    if (framesShown && board->IcoDice->isHidden())
        return QStringLiteral("the selector frames are shown without the die face");
    const bool mayRoll = !framesShown && !frmQuestion->isVisible();
    if (board->btnDice->isEnabled() != mayRoll)
        return QStringLiteral("the die is %1 with the frames %2 and the question %3")
            .arg(board->btnDice->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                 framesShown ? QStringLiteral("shown") : QStringLiteral("hidden"),
                 frmQuestion->isVisible() ? QStringLiteral("up") : QStringLiteral("down"));

    // The reset puts the pieces back on squares 1 and 12 while the squares
    // keep their values until the next game opens the board.
    if (board->isVisible()) {
        for (std::size_t player = 1; player <= 2; ++player) {
            const int square = PieceSquare[player];
            if (square < 1 || square > SquareCount)
                return QStringLiteral("player %1 stands on square %2").arg(player).arg(square);
            const Image *piece = player == 1 ? board->IcoPiece1 : board->IcoPiece2;
            const QPoint place(BoardTrack[std::size_t(square)].left, BoardTrack[std::size_t(square)].top);
            if (piece->pos() != place)
                return QStringLiteral("player %1's piece is at (%2, %3), not on square %4 at (%5, %6)")
                    .arg(player).arg(piece->x()).arg(piece->y()).arg(square).arg(place.x()).arg(place.y());
        }
    }

    for (std::size_t player = 1; player <= 2; ++player) {
        for (std::size_t corner = 1; corner <= 4; ++corner)
            if (CornerLetter[player][corner] > 1)
                return QStringLiteral("player %1's letter %2 is marked %3")
                    .arg(player).arg(corner).arg(CornerLetter[player][corner]);
        if (CornerCount[player] != LettersWon(player) || CornerCount[player] > 4)
            return QStringLiteral("player %1 counts %2 letters but holds %3")
                .arg(player).arg(CornerCount[player]).arg(LettersWon(player));
    }

    // The windows. Setup, board and the end window take turns: exactly one
    // of them is up, since each hands over to the next before it goes.
    const int mainWindows = int(Form1->isVisible()) + int(board->isVisible()) + int(frmEnd->isVisible());
    if (mainWindows != 1)
        return QStringLiteral("%1 of the setup, board and end windows are up").arg(mainWindows);
    // Only the board asks questions and asks to confirm; a settled question
    // window takes the activation back, which dismisses the dialog.
    if (frmQuestion->isVisible() && !board->isVisible())
        return QStringLiteral("the question is up without the board");
    if (frmDialog->isVisible() && (!board->isVisible() || frmQuestion->isVisible()))
        return QStringLiteral("the dialog is up with the board %1 and the question %2")
            .arg(board->isVisible() ? QStringLiteral("up") : QStringLiteral("down"),
                 frmQuestion->isVisible() ? QStringLiteral("up") : QStringLiteral("down"));
    // Once the screen has settled, an open question has taken the activation
    // back, and a dialog that lost it has gone.
    for (QWidget *holder : {static_cast<QWidget *>(frmQuestion), static_cast<QWidget *>(frmDialog)})
        if (holder->isVisible() && QApplication::activeWindow() != holder)
            return QStringLiteral("%1 is up but %2 is active").arg(Name(holder), Name(QApplication::activeWindow()));
    // The end window comes with the fourth letter, and only ending the
    // program takes it down.
    if (frmEnd->isVisible() != Won())
        return QStringLiteral("the end window is %1 with %2 and %3 letters")
            .arg(frmEnd->isVisible() ? QStringLiteral("up") : QStringLiteral("down"))
            .arg(CornerCount[1]).arg(CornerCount[2]);
    // The bank is always there: the error window has no cause to come up.
    if (frmerror->isVisible())
        return QStringLiteral("the error window is up");
    // The turn line makes way for the question and comes back with the turn.
    if (board->lblPlayaz->isHidden() != frmQuestion->isVisible())
        return QStringLiteral("the turn line is %1 while the question is %2")
            .arg(board->lblPlayaz->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"),
                 frmQuestion->isVisible() ? QStringLiteral("up") : QStringLiteral("down"));
    if (frmQuestion->isVisible() && QuestionPlayer != CaptionNumber(turn))
        return QStringLiteral("player %1 answers on player %2's turn").arg(QuestionPlayer).arg(turn);
    if (SetupStage != 1 && SetupStage != 2)
        return QStringLiteral("the setup is at stage %1").arg(SetupStage);
    return {};
}

// How keen the player is on a control. Mostly they play: roll, move, answer,
// go on; the side buttons get a try now and then. Someone who plays to win
// favours a square whose letter they lack and knows some answers, which
// lets whole games be won in a run.
int WeightOf(const QWidget *control)
{
    TfrmPlayingField *board = frmPlayingField;
    const auto lacksCorner = [](std::int8_t square) {
        const std::uint8_t corner = CornerIndexOfSquare(square);
        const std::size_t player = CurrentPlayer == 2 ? 2 : 1;
        return corner != 0 && CornerLetter[player][corner] == 0;
    };
    if (control == board->IcoSelect1)
        return lacksCorner(ForwardSquare) ? 40 : 10;
    if (control == board->IcoSelect2)
        return lacksCorner(BackwardSquare) ? 40 : 10;
    for (std::uint8_t line = 1; line <= 3; ++line)
        if (control == frmQuestion->AnswerLines[line - 1])
            return AnswerOnLine(AnswerLayout, line) == 1 ? 20 : 10;
    if (control == board->btnDice || control == frmQuestion->btncontinue || control == Form1->btnStart)
        return 10;
    for (const Image *piece : Form1->Pieces)
        if (control == piece)
            return 4;
    if (control == board->btnstartover || control == board->Button2 || control == board->Button3
        || control == board->Button4)
        return 1;
    if (control == frmEnd->Image9)
        return 3;
    if (qobject_cast<const QAbstractButton *>(control))
        return 3;
    if (qobject_cast<const QLineEdit *>(control))
        return 2;
    if (qobject_cast<const QPlainTextEdit *>(control) || qobject_cast<const ClickableLabel *>(control))
        return 1;
    return 0;
}

// A place the mouse can click: a control, at a point of it no other control
// covers.
struct Spot {
    QWidget *control;
    QPoint point; // in the control's coordinates
    int weight;
};

// The offscreen desktop cannot raise windows and says so each time the
// question takes the activation back; thousands of times in a run.
QtMessageHandler PreviousHandler = nullptr;

void DropRaiseNotice(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == QLatin1String("This plugin does not support raise()"))
        return;
    PreviousHandler(type, context, message);
}

} // namespace

class StressTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomPlayKeepsTheRules();

    // Faults random play found, kept as fixed cases.
    void keysOnTheQuestionAfterAContinue_data();
    void keysOnTheQuestionAfterAContinue();
    void closingTheBoardEndsTheProgramWithAQuestionUp_data();
    void closingTheBoardEndsTheProgramWithAQuestionUp();

private:
    enum Kind { Clicks, Keys, Texts, Names, Closes, Activations, Endings, KindCount };

    bool eventFilter(QObject *watched, QEvent *event) override;

    void startProgram();
    void watchControls();
    // Each sends one event and is true, or false when the screen offers
    // nothing of its kind that would not end the program.
    bool sendOne();
    bool clickSomething();
    bool pressKey();
    bool typeText();
    bool typeName();
    bool closeWindow();
    bool switchWindow();
    bool endProgram(bool *ended);
    void makeActive(QWidget *window);
    QList<Spot> spots();

    int below(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng_)); }
    bool chance(int n) { return below(n) == 0; }
    void note(const QString &what);
    QString where() const;

    std::uint32_t seed_ = DefaultSeed;
    std::mt19937 rng_;
    quint64 event_ = 0;
    std::unique_ptr<GameHarness> game_;
    std::deque<QString> lastEvents_;
    bool endingAllowed_ = false;
    QString fault_; // found by the watchers between two checks

    std::array<quint64, KindCount> sent_{};
    int gamesStarted_ = 0;
    int gamesWon_ = 0;
    int resets_ = 0;
    int programRuns_ = 0;
    QMap<QString, int> endings_;
};

void StressTest::initTestCase()
{
    seed_ = std::uint32_t(EnvNumber("KORVANE_STRESS_SEED", DefaultSeed));
    // Anything that ends the event loop outside the driver's own endings is
    // a fault; the watcher stays for the whole run.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (!endingAllowed_ && fault_.isEmpty())
            fault_ = QStringLiteral("the event loop ended on its own");
    });
    qApp->installEventFilter(this);
    PreviousHandler = qInstallMessageHandler(DropRaiseNotice);
}

bool StressTest::eventFilter(QObject *watched, QEvent *event)
{
    // Closing the setup window is how the program ends. Outside an event
    // loop that does nothing, so the close itself is what gives it away.
    if (game_ && !endingAllowed_ && fault_.isEmpty()) {
        if (event->type() == QEvent::Close && watched == Form1)
            fault_ = QStringLiteral("the setup window was closed: the program would end");
        else if (event->type() == QEvent::Quit)
            fault_ = QStringLiteral("the application was asked to quit");
    }
    return QObject::eventFilter(watched, event);
}

void StressTest::note(const QString &what)
{
    lastEvents_.push_back(QStringLiteral("%1: %2").arg(event_).arg(what));
    if (lastEvents_.size() > 12)
        lastEvents_.pop_front();
}

QString StressTest::where() const
{
    QString text = QStringLiteral("seed %1, event %2; replay with KORVANE_STRESS_SEED=%1 KORVANE_STRESS_EVENTS=%2; "
                                  "the last events:")
                       .arg(seed_)
                       .arg(event_);
    for (const QString &line : lastEvents_)
        text += QStringLiteral("\n    ") + line;
    return text;
}

void StressTest::startProgram()
{
    game_.reset();
    game_ = std::make_unique<GameHarness>();
    // The game's own generator follows from the seed too, so a run repeats.
    RandSeed = std::uint32_t(rng_());
    ++programRuns_;
    // The winner's piece bounces on the wall clock; were it to decide what
    // lies under the mouse, a run could not be repeated. Clicking it does
    // nothing, so the mouse is let through it.
    frmEnd->icoplayer->setAttribute(Qt::WA_TransparentForMouseEvents);
    watchControls();
    for (QWidget *window : RosterWindows())
        window->setUpdatesEnabled(false);
    ShowMainWindow(); // as main() does
    Settle();
}

// A button acts only while the player can see it: a hidden one that the
// keyboard still reaches would act behind the player's back. "Pressed" comes
// before the button's action, which may well hide it.
void StressTest::watchControls()
{
    for (QWidget *window : RosterWindows())
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
            connect(button, &QAbstractButton::pressed, this, [this, button] {
                if (!button->isVisible() && fault_.isEmpty())
                    fault_ = QStringLiteral("the hidden button %1 was pressed").arg(Name(button));
            });
}

QList<Spot> StressTest::spots()
{
    QList<Spot> found;
    const auto reachable = [](QWidget *control, QPoint point) {
        QWidget *window = control->window();
        const QPoint inWindow = control->mapTo(window, point);
        if (!window->rect().contains(inWindow))
            return false;
        QWidget *hit = window->childAt(inWindow);
        return hit == control || (hit && control->isAncestorOf(hit));
    };
    for (QWidget *window : VisibleWindows()) {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (!control->isVisible() || !control->isEnabled())
                continue;
            if (auto *tabs = qobject_cast<QTabBar *>(control)) {
                for (int tab = 0; tab < tabs->count(); ++tab)
                    if (tabs->isTabEnabled(tab) && reachable(tabs, tabs->tabRect(tab).center()))
                        found.append({tabs, tabs->tabRect(tab).center(), 1});
                continue;
            }
            const int weight = WeightOf(control);
            if (weight == 0)
                continue;
            if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
                control = memo->viewport();
            // A random point of the control, or its centre if that one is covered.
            QPoint point(below(std::max(control->width(), 1)), below(std::max(control->height(), 1)));
            if (!reachable(control, point))
                point = control->rect().center();
            if (reachable(control, point))
                found.append({control, point, weight});
        }
    }
    return found;
}

// A click on a window that is not the active one makes it active first, as
// the desktop does; the windows react to that before the click arrives.
void StressTest::makeActive(QWidget *window)
{
    if (QApplication::activeWindow() == window)
        return;
    window->activateWindow();
    Settle();
}

bool StressTest::clickSomething()
{
    const QList<Spot> all = spots();
    int total = 0;
    for (const Spot &spot : all)
        total += spot.weight;
    if (total == 0)
        return false;
    int pick = below(total);
    Spot chosen = all.first();
    for (const Spot &spot : all) {
        if (pick < spot.weight) {
            chosen = spot;
            break;
        }
        pick -= spot.weight;
    }
    if (EndsWhenPressed(chosen.control))
        return false;
    ++sent_[Clicks];
    QPointer<QWidget> control = chosen.control;
    note(QStringLiteral("click %1 at (%2, %3)").arg(Name(control)).arg(chosen.point.x()).arg(chosen.point.y()));
    makeActive(control->window());
    // The activation may have taken the control away (the dialog hides when
    // it loses the activation); then the click went to nothing that acts.
    if (control && control->isVisible() && control->isEnabled())
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, chosen.point);
    return true;
}

// Keys go where the keyboard sends them: to the focused control of the
// active window, or to the window itself when none has the focus.
bool StressTest::pressKey()
{
    QWidget *window = QApplication::activeWindow();
    if (!window || !window->isVisible())
        return false;
    struct Press {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        char ascii; // 0 for keys without text
        const char *name;
    };
    static const Press Presses[] = {
        {Qt::Key_A, Qt::NoModifier, 'a', "a"},
        {Qt::Key_B, Qt::NoModifier, 'b', "b"},
        {Qt::Key_C, Qt::NoModifier, 'c', "c"},
        {Qt::Key_A, Qt::NoModifier, 'A', "A"},
        {Qt::Key_B, Qt::NoModifier, 'B', "B"},
        {Qt::Key_C, Qt::NoModifier, 'C', "C"},
        {Qt::Key_Return, Qt::NoModifier, 0, "Enter"},
        {Qt::Key_Enter, Qt::KeypadModifier, 0, "keypad Enter"},
        {Qt::Key_Escape, Qt::NoModifier, 0, "Esc"},
        {Qt::Key_Tab, Qt::NoModifier, 0, "Tab"},
        {Qt::Key_Backtab, Qt::ShiftModifier, 0, "Shift+Tab"},
        {Qt::Key_Space, Qt::NoModifier, ' ', "Space"},
    };
    const Press &press = Presses[below(int(std::size(Presses)))];
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    const bool presses = press.key == Qt::Key_Return || press.key == Qt::Key_Enter || press.key == Qt::Key_Space;
    if (presses && EndsWhenPressed(target))
        return false;
    ++sent_[Keys];
    note(QStringLiteral("key %1 to %2").arg(QLatin1String(press.name), Name(target)));
    if (press.ascii != 0)
        QTest::keyClick(window->windowHandle(), press.ascii, press.modifiers);
    else
        QTest::keyClick(window->windowHandle(), press.key, press.modifiers);
    return true;
}

bool StressTest::typeText()
{
    QWidget *window = QApplication::activeWindow();
    if (!window || !window->isVisible())
        return false;
    QString text;
    for (int length = 1 + below(6); length > 0; --length)
        text += QChar(char16_t(0x20 + below(0x7F - 0x20)));
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    if (text.contains(QLatin1Char(' ')) && EndsWhenPressed(target))
        return false;
    ++sent_[Texts];
    note(QStringLiteral("text %1 to %2").arg(Describe(text), Name(target)));
    // A key may change the windows (QTest lets the events run after each),
    // so every one goes to the window active at the time, as typing does.
    for (const QChar ch : text) {
        window = QApplication::activeWindow();
        if (!window || !window->isVisible())
            break;
        target = window->focusWidget() ? window->focusWidget() : window;
        if (ch == QLatin1Char(' ') && EndsWhenPressed(target))
            break;
        QTest::keyClick(window->windowHandle(), char(ch.unicode()));
    }
    return true;
}

bool StressTest::typeName()
{
    Edit *box = Form1->Edit1;
    if (!box->isVisible())
        return false;
    static const QStringList Parts = {
        QStringLiteral("Ann"), QStringLiteral("Bert"), QStringLiteral(" "), QStringLiteral("Zoë"),
        QStringLiteral("Łukasz"), QStringLiteral("€uro"), QStringLiteral("漢字"), QStringLiteral("\"quoted\""),
        QStringLiteral("<b>bold</b>"), QStringLiteral("&amp;"), QStringLiteral("x"), QStringLiteral("1234567890"),
        QStringLiteral("A rather long name indeed"), QString(QChar(0x00A0)), QStringLiteral("\U0001F600"),
    };
    QString name;
    for (int part = below(4); part >= 0; --part)
        name += Parts[below(int(Parts.size()))];
    ++sent_[Names];
    note(QStringLiteral("name %1").arg(Describe(name)));
    makeActive(Form1);
    if (!box->isVisible())
        return true;
    QTest::mouseClick(box, Qt::LeftButton);
    if (chance(2))
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier); // replace, rather than add to, the text
    TypeText(box, name);
    if (chance(4))
        QTest::keyClick(box, Qt::Key_Backspace);
    return true;
}

bool StressTest::closeWindow()
{
    QList<QWidget *> closable;
    for (QWidget *window : VisibleWindows())
        if (!EndsWhenClosed(window))
            closable.append(window);
    if (closable.isEmpty())
        return false;
    QWidget *window = closable[below(int(closable.size()))];
    ++sent_[Closes];
    note(QStringLiteral("close %1").arg(Name(window)));
    window->close();
    return true;
}

bool StressTest::switchWindow()
{
    QList<QWidget *> others = VisibleWindows();
    others.removeAll(QApplication::activeWindow());
    if (others.isEmpty())
        return false;
    QWidget *window = others[below(int(others.size()))];
    ++sent_[Activations];
    note(QStringLiteral("activate %1").arg(Name(window)));
    window->activateWindow();
    Settle();
    return true;
}

// Ends the program one of the ways it has, from inside an event loop as a
// player's event would, and starts it again.
bool StressTest::endProgram(bool *ended)
{
    TfrmPlayingField *board = frmPlayingField;
    QList<std::pair<QString, Action>> ways;
    if (Form1->isVisible())
        ways.append({QStringLiteral("the setup window closed"), [] { Form1->close(); }});
    if (board->isVisible()) {
        ways.append({QStringLiteral("the board closed"), [board] { board->close(); }});
        if (!frmQuestion->isVisible())
            ways.append({QStringLiteral("Quit, then OK"), [board] {
                             QTest::mouseClick(board->Button2, Qt::LeftButton);
                             QTest::mouseClick(frmDialog->btnOk, Qt::LeftButton);
                         }});
    }
    if (frmDialog->isVisible() && IsQuitQuestion())
        ways.append({QStringLiteral("OK on the quit question"),
                     [] { QTest::mouseClick(frmDialog->btnOk, Qt::LeftButton); }});
    if (frmEnd->isVisible()) {
        ways.append({QStringLiteral("the end window's Ok"), [] { QTest::mouseClick(frmEnd->btnOk, Qt::LeftButton); }});
        ways.append({QStringLiteral("the end window closed"), [] { frmEnd->close(); }});
    }
    if (frmerror->isVisible())
        ways.append({QStringLiteral("the error window's OK"),
                     [] { QTest::mouseClick(frmerror->OKButton, Qt::LeftButton); }});
    if (ways.isEmpty())
        return false;
    const auto &[how, action] = ways[below(int(ways.size()))];
    ++sent_[Endings];
    note(QStringLiteral("end the program: %1").arg(how));
    endingAllowed_ = true;
    *ended = GameHarness::endsProgram(action, 3000);
    endingAllowed_ = false;
    if (*ended) {
        ++endings_[how];
        startProgram();
    }
    return true;
}

bool StressTest::sendOne()
{
    const Screen before = LookAtScreen();
    const bool won = frmEnd->isVisible();
    const bool boardUp = frmPlayingField->isVisible();
    const bool setupUp = Form1->isVisible();

    bool sent = false;
    if (chance(won ? EndingOddsAfterVictory : EndingOdds)) {
        bool ended = false;
        sent = endProgram(&ended);
        if (sent && !ended)
            fault_ = QStringLiteral("the program did not end");
        return sent;
    }
    const int roll = below(100);
    if (roll < 55)
        sent = clickSomething();
    else if (roll < 77)
        sent = pressKey();
    else if (roll < 82)
        sent = typeText();
    else if (roll < 88)
        sent = typeName();
    else if (roll < 92)
        sent = closeWindow();
    else
        sent = switchWindow();
    if (!sent)
        return false;

    if (LookAtScreen() != before)
        Settle();
    if (event_ % 50 == 0)
        Refresh();

    if (setupUp && !Form1->isVisible() && frmPlayingField->isVisible())
        ++gamesStarted_;
    if (boardUp && Form1->isVisible())
        ++resets_;
    if (!won && frmEnd->isVisible())
        ++gamesWon_;
    return true;
}

void StressTest::randomPlayKeepsTheRules()
{
    const quint64 total = EnvNumber("KORVANE_STRESS_EVENTS", DefaultEvents);
    qInfo("seed %u, %llu events", seed_, total);
    rng_.seed(seed_);
    QElapsedTimer clock;
    clock.start();
    startProgram();
    if (const QString broken = BrokenRule(); !broken.isEmpty())
        QVERIFY2(false, qPrintable(broken + QStringLiteral(" at the start; ") + where()));

    for (event_ = 1; event_ <= total; ++event_) {
        int draws = 0;
        while (!sendOne() && !QTest::currentTestFailed())
            QVERIFY2(++draws < 1000, qPrintable(QStringLiteral("nothing to do; ") + where()));
        if (QTest::currentTestFailed())
            return;
        // (The messages are only put together when needed.)
        if (!fault_.isEmpty())
            QVERIFY2(false, qPrintable(fault_ + QStringLiteral("; ") + where()));
        if (const QString broken = BrokenRule(); !broken.isEmpty())
            QVERIFY2(false, qPrintable(broken + QStringLiteral("; ") + where()));
    }
    event_ = total;

    // Nothing may have asked the event loop to stop: one more run of it must
    // last until its watchdog.
    QVERIFY2(!GameHarness::endsProgram([] {}, 50), "the event loop had been asked to stop");
    game_.reset();

    const double seconds = double(clock.elapsed()) / 1000.0;
    qInfo("%llu events in %.1f s: %llu clicks, %llu keys, %llu texts, %llu names, %llu closes, %llu activations, "
          "%llu endings",
          total, seconds, sent_[Clicks], sent_[Keys], sent_[Texts], sent_[Names], sent_[Closes], sent_[Activations],
          sent_[Endings]);
    qInfo("%d program runs, %d games started, %d won, %d start-overs", programRuns_, gamesStarted_, gamesWon_,
          resets_);
    for (auto it = endings_.cbegin(); it != endings_.cend(); ++it)
        qInfo("ended by %s: %d", qPrintable(it.key()), it.value());
}

namespace {

// Plays up to a question on screen; with wrongFirst, after a wrong answer
// and Continue on the question before.
void PlayToAQuestion(bool wrongFirst)
{
    GameHarness::startGame();
    QVERIFY(QTest::qWaitForWindowActive(frmPlayingField));
    const int questions = wrongFirst ? 2 : 1;
    for (int question = 1; question <= questions; ++question) {
        frmPlayingField->btnDice->click();
        QTest::mouseClick(frmPlayingField->IcoSelect1, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(frmQuestion));
        if (question == questions)
            break;
        QTest::mouseClick(frmQuestion->AnswerLines[GameHarness::rightLine() % 3], Qt::LeftButton);
        QVERIFY(frmQuestion->btncontinue->isVisible());
        QTest::keyClick(frmQuestion->windowHandle(), Qt::Key_Return);
        QVERIFY(!frmQuestion->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(frmPlayingField));
    }
}

} // namespace

void StressTest::keysOnTheQuestionAfterAContinue_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

// Random play met this at event 249 of seed 20261207: Continue, hidden with
// its window, kept the window's focus, so Enter or Space on the next question
// pressed it and passed the turn without an answer.
void StressTest::keysOnTheQuestionAfterAContinue()
{
    QFETCH(int, key);
    GameHarness game;
    PlayToAQuestion(true);
    if (QTest::currentTestFailed())
        return;
    const QString turn = frmQuestion->lblTurn->caption();
    QVERIFY(!frmQuestion->btncontinue->isVisible());
    QTest::keyClick(frmQuestion->windowHandle(), Qt::Key(key));
    QVERIFY(frmQuestion->isVisible());
    QCOMPARE(frmQuestion->lblTurn->caption(), turn);
    QVERIFY(!frmPlayingField->btnDice->isEnabled());
    // The answer keys still answer.
    QTest::keyClick(frmQuestion->windowHandle(), char('a' + GameHarness::rightLine() - 1));
    QVERIFY(!frmQuestion->isVisible());
    QCOMPARE(frmQuestion->lblTurn->caption(), turn);
}

void StressTest::closingTheBoardEndsTheProgramWithAQuestionUp_data()
{
    QTest::addColumn<bool>("answeredWrong");
    QTest::addColumn<bool>("helpOpen");
    QTest::newRow("question asked") << false << false;
    QTest::newRow("wrong answer, Continue showing") << true << false;
    QTest::newRow("question asked, help open") << false << true;
}

// Random play met this at event 28750 of seed 20261207: the board's close
// box did not end the program while a question was up. The quit closed the
// other windows and gave up at the question, which refuses to close;
// answered, it left the program running with no window to go on with.
void StressTest::closingTheBoardEndsTheProgramWithAQuestionUp()
{
    QFETCH(bool, answeredWrong);
    QFETCH(bool, helpOpen);
    GameHarness game;
    PlayToAQuestion(false);
    if (QTest::currentTestFailed())
        return;
    if (answeredWrong)
        QTest::mouseClick(frmQuestion->AnswerLines[GameHarness::rightLine() % 3], Qt::LeftButton);
    if (helpOpen)
        QTest::mouseClick(frmPlayingField->Button3, Qt::LeftButton);
    QVERIFY(frmQuestion->isVisible());
    QVERIFY(GameHarness::endsProgram([] { frmPlayingField->close(); }, 1000));
}

QTEST_MAIN(StressTest)
#include "StressTest.moc"
