#pragma once

// The question editor in a process of its own (the EditorDriver program),
// for tests that kill it, end it or start it again. Its data and settings
// live in the folder given, never the user's; it runs offscreen. Commands
// and answers are EditorDriver's.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

class EditorProcess {
public:
    // Starts the editor and waits until it is ready: its window shown, the
    // recovery offered at start and, when `arguments` names a bank, open.
    // `ordinaryUser`: run by root, it runs as nobody, as every permission
    // check passes for root; the test gives it its folders.
    EditorProcess(const QString &home, int recoveryIntervalMs, const QStringList &arguments = {},
                  bool ordinaryUser = false)
    {
        const bool drop = ordinaryUser && ::geteuid() == 0;
        const passwd *nobody = drop ? ::getpwnam("nobody") : nullptr;
        const uid_t user = nobody ? nobody->pw_uid : 65534;
        const gid_t group = nobody ? nobody->pw_gid : 65534;
        process_.setChildProcessModifier([drop, user, group] {
            // As from a shell: what the editor ignores, it ignores itself.
            ::signal(SIGXFSZ, SIG_DFL);
            if (drop && (::setgroups(0, nullptr) != 0 || ::setgid(group) != 0 || ::setuid(user) != 0))
                ::_exit(127);
        });
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("KORVEDIT_RECOVERY_INTERVAL_MS"), QString::number(recoveryIntervalMs));
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(EDITOR_DRIVER), arguments);
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

    // SIGKILL, as a crash or `kill -9` ends it: nothing runs after.
    void kill()
    {
        process_.kill();
        process_.waitForFinished(10000);
    }

    // SIGTERM, as a log-out or `kill` asks it to end; its exit code, or -1
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
        return QString::fromUtf8(process_.readLine()).chopped(1);
    }

    QProcess process_;
    bool ready_ = false;
    QString failure_;
};
