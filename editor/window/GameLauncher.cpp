#include "editor/window/GameLauncher.h"

#include "editor/document/BankFileReader.h"
#include "editor/document/PlayFolders.h"

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

QString GameLauncher::refusal(const QString &game) const
{
    if (isRunning())
        return tr("The game is already running. Close it to play the bank again.");
    if (game.isEmpty())
        return tr("The game (%1) was found neither beside the editor nor on the PATH. "
                  "Install Korvane, then try again.")
            .arg(QString::fromLatin1(GameExecutableName));
    return {};
}

QString GameLauncher::start(const PlayPlan &plan, const QString &bankPath)
{
    if (const QString refused = refusal(plan.game); !refused.isEmpty())
        return refused;
    if (!plan.copyBank) {
        launch(plan.game, plan.folder);
        return {};
    }
    const BankFileRead read = ReadBankBytes(bankPath);
    return read.error.isEmpty() ? startOnCopy(plan.game, read.bytes) : read.error;
}

QString GameLauncher::startOnCopy(const QString &game, const QByteArray &bank)
{
    if (const QString refused = refusal(game); !refused.isEmpty())
        return refused;
    copyFolder_ = std::make_unique<QTemporaryDir>(PlayFolders::Template());
    QFile copy(copyFolder_->isValid() ? copyFolder_->filePath(QString::fromLatin1(BankFileName)) : QString());
    if (!copyFolder_->isValid() || !PlayFolders::Claim(copyFolder_->path(), QCoreApplication::applicationPid())
        || !copy.open(QIODevice::WriteOnly) || copy.write(bank) != bank.size() || !copy.flush()) {
        copyFolder_.reset();
        return tr("The bank could not be copied for the game into a temporary folder.");
    }
    copy.close();
    launch(game, copyFolder_->path());
    return {};
}

void GameLauncher::launch(const QString &game, const QString &folder)
{
    game_ = new QProcess(this);
    game_->setProgram(game);
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
