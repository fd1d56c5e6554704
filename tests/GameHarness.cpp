#include "tests/GameHarness.h"

#include "app/Random.h"
#include "app/Roster.h"
#include "app/RosterWindow.h"
#include "app/Startup.h"
#include "forms/Game.h"
#include "forms/QuestionState.h"
#include "forms/Title2.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

QByteArray ShippedBank()
{
    QFile bank(qEnvironmentVariable("KORVANE_SOURCE_DIR") + QStringLiteral("/data/quarl3.tqz"));
    if (!bank.open(QIODevice::ReadOnly))
        qFatal("cannot read the shipped bank; is KORVANE_SOURCE_DIR set?");
    return bank.readAll();
}

GameHarness::GameHarness(Bank bank, const std::optional<std::string> &namedBank)
    : previousDir_(QDir::currentPath())
{
    if (bank == Bank::Shipped)
        writeBank(ShippedBank());
    QDir::setCurrent(dir_.path());
    MovePauseMs = 0;
    StartUp(namedBank);
    MovePauseMs = 0;
}

GameHarness::~GameHarness()
{
    ShutDown();
    MovePauseMs = StandardMovePauseMs;
    QDir::setCurrent(previousDir_);
}

QString GameHarness::bankPath() const
{
    return dir_.filePath(QStringLiteral("quarl3.tqz"));
}

void GameHarness::writeBank(const QByteArray &bytes) const
{
    QFile file(bankPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test bank");
}

bool GameHarness::endsProgram(const std::function<void()> &action, int milliseconds)
{
    bool timedOut = false;
    QTimer::singleShot(0, action);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    watchdog.start(milliseconds);
    QCoreApplication::exec();
    return !timedOut;
}

QWidget *RosterWindowNamed(const QString &name)
{
    for (RosterWindow *window : RosterWindows())
        if (window->objectName() == name)
            return window;
    return nullptr;
}

void TypeText(QWidget *target, const QString &text)
{
    // One key event per character, carrying its text, so that characters
    // beyond ASCII can be typed too.
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
    }
}

void GameHarness::setUpPlayers(const QString &name1, int piece1, const QString &name2, int piece2)
{
    Form1->show();
    if (!QTest::qWaitForWindowActive(Form1))
        qFatal("the setup window did not become active");
    for (const auto &[name, piece] : {std::pair(name1, piece1), std::pair(name2, piece2)}) {
        Form1->Edit1->setFocus();
        Form1->Edit1->selectAll();
        TypeText(Form1->Edit1, name);
        if (name.isEmpty())
            QTest::keyClick(Form1->Edit1, Qt::Key_Backspace);
        QTest::keyClick(Form1->Edit1, Qt::Key_Return);
        QTest::mouseClick(Form1->Pieces[piece - 1], Qt::LeftButton);
    }
}

void GameHarness::startGame(const QString &name1, int piece1, const QString &name2, int piece2)
{
    setUpPlayers(name1, piece1, name2, piece2);
    QTest::mouseClick(Form1->btnStart, Qt::LeftButton);
}

void GameHarness::seedNextRoll(int pips)
{
    for (std::uint32_t seed = 0;; ++seed) {
        RandSeed = seed;
        if (static_cast<int>(Random(6)) + 1 == pips) {
            RandSeed = seed;
            return;
        }
    }
}

int GameHarness::rightLine()
{
    for (std::uint8_t line = 1; line <= 3; ++line)
        if (AnswerOnLine(AnswerLayout, line) == 1)
            return line;
    qFatal("no line holds the right answer");
}
