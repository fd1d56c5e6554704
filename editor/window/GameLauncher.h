#pragma once

#include "editor/document/PlayPlan.h"

#include <QObject>
#include <QString>

#include <memory>

class QProcess;
class QTemporaryDir;

// Runs the game on a saved bank, one game at a time. A private copy of the
// bank lives as long as the game does. Destroying the launcher (the editor
// closing) ends a running game: its copy of the bank would otherwise be left
// behind, or vanish under it before its next "Start Over" reads it again.
class GameLauncher : public QObject {
    Q_OBJECT

public:
    explicit GameLauncher(QObject *parent = nullptr);
    ~GameLauncher() override;

    // Starts the game as planned; returns why it could not, or an empty text.
    QString start(const PlayPlan &plan, const QString &bankPath);
    // Starts the game on a private copy holding `bank`, which no file need
    // hold: for trying out changes that are not saved.
    QString startOnCopy(const QString &game, const QByteArray &bank);
    bool isRunning() const { return game_ != nullptr; }

signals:
    void runningChanged(bool running);
    // The game's executable was found but would not start or crashed.
    void failed(const QString &message);

private:
    // Why no game can start now, or an empty text.
    QString refusal(const QString &game) const;
    // Starts the game in `folder`.
    void launch(const QString &game, const QString &folder);
    void finish();

    QProcess *game_ = nullptr;
    std::unique_ptr<QTemporaryDir> copyFolder_;
};
