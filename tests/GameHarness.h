#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QWidget>
#include <QTemporaryDir>
#include <functional>
#include <optional>
#include <string>

// Starts the whole program in-process, as main() does but without entering
// the event loop, in a scratch folder that becomes the current directory,
// with quarl3.tqz there or not, and a bank named on the command line or not.
class GameHarness {
public:
    enum class Bank { Shipped, Missing };

    explicit GameHarness(Bank bank = Bank::Shipped, const std::optional<std::string> &namedBank = std::nullopt);
    ~GameHarness();

    GameHarness(const GameHarness &) = delete;
    GameHarness &operator=(const GameHarness &) = delete;

    QString bankPath() const;
    void writeBank(const QByteArray &bytes) const;

    // Shows the setup window and plays both players' setup through it as a
    // player would: type a name, leave the box with Enter, click a piece.
    static void setUpPlayers(const QString &name1, int piece1, const QString &name2, int piece2);
    // setUpPlayers, then "Start Game".
    static void startGame(const QString &name1 = QStringLiteral("Alice"), int piece1 = 1,
                          const QString &name2 = QStringLiteral("Bob"), int piece2 = 2);

    // Seeds the shared generator so that the next roll of the die shows
    // the given number of pips.
    static void seedNextRoll(int pips);

    // The answer line (1..3 for A..C) that holds the right answer on screen.
    static int rightLine();

    // Runs the action from inside the event loop, as a player's event would
    // be, and true when the program then ends (its event loop stops).
    static bool endsProgram(const std::function<void()> &action, int milliseconds = 3000);

private:
    QTemporaryDir dir_;
    QString previousDir_;
};

// The program's window of that object name, or null.
QWidget *RosterWindowNamed(const QString &name);

// Types text into a control as key presses, any characters.
void TypeText(QWidget *target, const QString &text);

// The shipped bank's bytes.
QByteArray ShippedBank();

// A player's action, for data-driven tests.
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)
