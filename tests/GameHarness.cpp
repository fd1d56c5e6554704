#include "GameHarness.h"

#include "app/Startup.h"
#include "forms/Game.h"
#include "forms/Title2.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

QByteArray ShippedBank()
{
    QFile bank(qEnvironmentVariable("KORVANE_SOURCE_DIR") + QStringLiteral("/data/quarl3.tqz"));
    if (!bank.open(QIODevice::ReadOnly))
        qFatal("cannot read the shipped bank; is KORVANE_SOURCE_DIR set?");
    return bank.readAll();
}

GameHarness::GameHarness(Bank bank) : previousDir_(QDir::currentPath())
{
    if (bank == Bank::Shipped)
        writeBank(ShippedBank());
    QDir::setCurrent(dir_.path());
    MovePauseMs = 0;
    StartUp();
    MovePauseMs = 0;
}

GameHarness::~GameHarness()
{
    ShutDown();
    MovePauseMs = 1037;
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
