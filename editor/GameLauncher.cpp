#include "GameLauncher.h"

#include "PlayFolders.h"

#include "forms/BankFile.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

GameLauncher::GameLauncher(QObject *parent) : QObject(parent)
{
    // Left by an editor killed while its game ran; never one still in use.
    PlayFolders::RemoveStale(QDir::tempPath());
}

GameLauncher::~GameLauncher()
{
    if (!game_)
        return;
    game_->disconnect(this);
    game_->terminate();
    if (!game_->waitForFinished(2000))
        game_->kill();
    game_->waitForFinished(2000);
    delete game_;
}

QString GameLauncher::start(const PlayPlan &plan, const QString &bankPath)
{
    if (isRunning())
        return tr("The game is already running. Close it to play the bank again.");
    if (plan.game.isEmpty())
        return tr("The game (%1) was found neither beside the editor nor on the PATH. "
                  "Install Korvane, then try again.")
            .arg(QString::fromLatin1(GameExecutableName));

    QString folder = plan.folder;
    if (plan.copyBank) {
        copyFolder_ = std::make_unique<QTemporaryDir>(PlayFolders::Template());
        const QString copy = copyFolder_->isValid() ? copyFolder_->filePath(QString::fromLatin1(BankFileName)) : QString();
        if (copy.isEmpty() || !PlayFolders::Claim(copyFolder_->path(), QCoreApplication::applicationPid())
            || !QFile::copy(bankPath, copy)) {
            copyFolder_.reset();
            return tr("The bank could not be copied for the game into a temporary folder.");
        }
        folder = copyFolder_->path();
    }

    game_ = new QProcess(this);
    game_->setProgram(plan.game);
    game_->setWorkingDirectory(folder);
    // Forwarded, so a chatty game can never fill a pipe nobody reads.
    game_->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(game_, &QProcess::started, this, [this] {
        if (copyFolder_)
            PlayFolders::Claim(copyFolder_->path(), game_->processId());
    });
    connect(game_, &QProcess::finished, this, [this](int, QProcess::ExitStatus status) {
        if (status == QProcess::CrashExit)
            emit failed(tr("The game stopped unexpectedly."));
        finish();
    });
    connect(game_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        emit failed(tr("The game could not be started: %1").arg(game_->errorString()));
        finish();
    });
    // Told before starting: a start that fails at once reports the end at once.
    emit runningChanged(true);
    game_->start();
    return {};
}

void GameLauncher::finish()
{
    if (!game_)
        return;
    game_->deleteLater();
    game_ = nullptr;
    copyFolder_.reset();
    emit runningChanged(false);
}
