#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QTemporaryDir>
#include <functional>

// Starts the whole program in-process, as main() does but without entering
// the event loop, in a scratch folder that becomes the current directory.
class GameHarness {
public:
    enum class Bank { Shipped, Missing };

    explicit GameHarness(Bank bank = Bank::Shipped);
    ~GameHarness();

    GameHarness(const GameHarness &) = delete;
    GameHarness &operator=(const GameHarness &) = delete;

    QString folder() const { return dir_.path(); }
    QString bankPath() const;
    void writeBank(const QByteArray &bytes) const;

    // Runs the action from inside the event loop, as a player's event would
    // be, and true when the program then ends (its event loop stops).
    static bool endsProgram(const std::function<void()> &action, int milliseconds = 3000);

private:
    QTemporaryDir dir_;
    QString previousDir_;
};

// The shipped bank's bytes.
QByteArray ShippedBank();

// A player's action, for data-driven tests.
using Action = std::function<void()>;
Q_DECLARE_METATYPE(Action)
