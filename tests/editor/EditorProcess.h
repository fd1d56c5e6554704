#pragma once

// The question editor in a process of its own (the EditorDriver program),
// for tests that kill it, end it or start it again. Its data and settings
// live in the folder given, never the user's; it runs offscreen. Commands
// and answers are EditorDriver's.

#include "tests/TestSystem.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Gives the editor its data, settings and home folder in `home`, and, with
// `ordinaryUser`, runs it as nobody when the test runs as root: what differs
// by system, in EditorProcessPosix.cpp and EditorProcessWindows.cpp.
void PrepareEditorChild(QProcess &process, QProcessEnvironment &environment, const QString &home, bool ordinaryUser);

class EditorProcess {
public:
    // Starts the editor and waits until it is ready: its window shown, the
    // recovery offered at start and, when `arguments` names a bank, open.
    // `ordinaryUser`: run by root, it runs as nobody, as every permission
    // check passes for root; the test gives it its folders.
    EditorProcess(const QString &home, int recoveryIntervalMs, const QStringList &arguments = {},
                  bool ordinaryUser = false)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        PrepareEditorChild(process_, environment, home, ordinaryUser);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("KORVEDIT_RECOVERY_INTERVAL_MS"), QString::number(recoveryIntervalMs));
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Built beside the test.
        process_.start(QStandardPaths::findExecutable(QStringLiteral("EditorDriver"), {QCoreApplication::applicationDirPath()}),
                       arguments);
        ready_ = process_.waitForStarted(30000) && answer() == QLatin1String("ready");
    }

    ~EditorProcess()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.closeWriteChannel(); // the driver ends when its input does
        if (!process_.waitForFinished(10000)) {
            process_.kill();
            process_.waitForFinished(10000);
        }
    }

    EditorProcess(const EditorProcess &) = delete;
    EditorProcess &operator=(const EditorProcess &) = delete;

    bool isReady() const { return ready_; }
    // The last "error" answer, or why no answer came.
    QString failure() const { return failure_; }

    // The answer after "ok" (empty when there is nothing more), or a null
    // string on "error" or no answer, with failure() saying why.
    QString send(const QString &command)
    {
        process_.write(command.toUtf8() + '\n');
        const QString line = answer();
        if (line == QLatin1String("ok"))
            return QLatin1String("");
        if (line.startsWith(QLatin1String("ok ")))
            return line.mid(3);
        if (!line.isNull())
            failure_ = QStringLiteral("“%1” answered “%2”").arg(command, line);
        return {};
    }

    // An answer that is JSON (boxes, rows, state).
    QJsonValue sendJson(const QString &command)
    {
        const QString text = send(command);
        const QJsonDocument json = QJsonDocument::fromJson("[" + text.toUtf8() + "]");
        return text.isNull() || !json.isArray() ? QJsonValue() : json.array().first();
    }

    // SIGKILL (TerminateProcess on Windows), as a crash or `kill -9` ends it: nothing runs after.
    void kill()
    {
        process_.kill();
        process_.waitForFinished(10000);
    }

    // SIGTERM, as a log-out or `kill` asks it to end on Linux; its exit code, or -1
    // when it did not end.
    int terminate()
    {
        process_.terminate();
        if (!process_.waitForFinished(30000) || process_.exitStatus() != QProcess::NormalExit)
            return -1;
        return process_.exitCode();
    }

private:
    QString answer()
    {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(30000)) {
                failure_ = QStringLiteral("the editor gave no answer (%1)").arg(process_.errorString());
                return {};
            }
        }
        // Printed in text mode: on Windows each line ends in CR LF.
        return QString::fromUtf8(process_.readLine().chopped(PrintedLineEnd().size()));
    }

    QProcess process_;
    bool ready_ = false;
    QString failure_;
};
