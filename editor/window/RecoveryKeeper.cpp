#include "editor/window/RecoveryKeeper.h"

#include "editor/document/RecoveryFolder.h"
#include "editor/document/TerminationSignal.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMutex>
#include <QSaveFile>
#include <QTimer>
#include <QUndoStack>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int DefaultInterval = 15000;

QList<RecoveryKeeper *> &Keepers()
{
    static QList<RecoveryKeeper *> keepers;
    return keepers;
}

} // namespace

// What the GUI thread and the worker share: the newest write asked for, so
// that an older one, or one asked for before the file was removed, never
// lands over it; and the claim on the file, taken on the worker for the
// file named when the keeper last took one up (its generation).
struct RecoveryKeeper::Shared {
    QMutex mutex;
    quint64 latest = 0;
    quint64 generation = 0;
    std::shared_ptr<RecoveryClaim> claim;
};

struct RecoveryKeeper::Outcome {
    bool landed = false;
    QString path;
    QString error;
};

// Writes beside the file and renames over it only once all is written:
// a crash mid-write leaves the last good file. Unbuffered, so that a full
// disk fails the write rather than a flush that commit() would ignore.
RecoveryKeeper::Outcome RecoveryKeeper::writeOut(Shared &shared, quint64 write, const QString &path,
                                                 const RecoverySnapshot &snapshot)
{
    // Past a file-size limit the kernel sends SIGXFSZ, whose default ends the
    // program with all its unsaved work; ignored, the write fails with EFBIG.
    std::signal(SIGXFSZ, SIG_IGN);
    const QByteArray text = RecoveryFile::Written(snapshot);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return {false, path, file.errorString()};
    // Straight to the descriptor, so that a failure is told by its own errno
    // ("No space left on device", "File too large").
    for (qsizetype done = 0; done < text.size();) {
        const ssize_t written = ::write(file.handle(), text.constData() + done, std::size_t(text.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : EIO;
            file.cancelWriting();
            return {false, path, QString::fromLocal8Bit(std::strerror(error))};
        }
        done += written;
    }
    const QMutexLocker locker(&shared.mutex);
    // Given way to a newer write or a removal, or the lock was not had.
    if (shared.latest != write || !shared.claim) {
        file.cancelWriting();
        return {false, path, {}};
    }
    if (!file.commit())
        return {false, path, file.errorString()};
    return {true, path, {}};
}

RecoveryKeeper::RecoveryKeeper(QUndoStack *undoStack, Snapshot snapshot, BankPath bankPath, QObject *parent)
    : QObject(parent), undoStack_(undoStack), snapshot_(std::move(snapshot)), bankPath_(std::move(bankPath)),
      timer_(new QTimer(this)), shared_(std::make_shared<Shared>())
{
    // One worker, so that writes land in the order they were asked for.
    writer_.setMaxThreadCount(1);
    timer_->setObjectName(QStringLiteral("recoveryTimer"));
    timer_->setSingleShot(true);
    // Its interval is a promise to the user, not a hint to the system.
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(Interval());
    connect(timer_, &QTimer::timeout, this, &RecoveryKeeper::keepInBackground);
    connect(undoStack_, &QUndoStack::indexChanged, this, &RecoveryKeeper::changed);
    connect(undoStack_, &QUndoStack::cleanChanged, this, &RecoveryKeeper::changed);
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, &RecoveryKeeper::keepNow);
    Keepers().append(this);
}

RecoveryKeeper::~RecoveryKeeper()
{
    Keepers().removeOne(this);
    writer_.waitForDone();
    release(false);
}

int RecoveryKeeper::Interval()
{
    bool ok = false;
    const int interval = qEnvironmentVariableIntValue("KORVEDIT_RECOVERY_INTERVAL_MS", &ok);
    return ok && interval > 0 ? interval : DefaultInterval;
}

void RecoveryKeeper::EndOnTermination()
{
    TerminationSignal *termination = TerminationSignal::Install();
    if (!termination)
        return;
    connect(termination, &TerminationSignal::received, termination, [](int signal) {
        for (RecoveryKeeper *keeper : Keepers())
            keeper->keepNow();
        QCoreApplication::exit(128 + signal);
    });
}

QString RecoveryKeeper::filePath() const
{
    return file_;
}

bool RecoveryKeeper::isCurrent() const
{
    return !file_.isEmpty() && kept_ == changes_;
}

void RecoveryKeeper::changed()
{
    if (undoStack_->isClean()) {
        release(true);
        return;
    }
    if (file_.isEmpty())
        claim();
    ++changes_;
    if (!timer_->isActive())
        timer_->start();
}

void RecoveryKeeper::claim()
{
    file_ = RecoveryFolder::NewFile(bankPath_());
    quint64 generation;
    {
        const QMutexLocker locker(&shared_->mutex);
        generation = shared_->generation;
    }
    writer_.start([this, shared = shared_, generation, file = file_] {
        QString error;
        std::shared_ptr<RecoveryClaim> claim;
        if (RecoveryFolder::Make(&error)) {
            // A fresh name has no lock, unless another editor took it just now.
            claim = RecoveryClaim::Take(file);
            if (!claim)
                error = tr("%1 is locked by another editor").arg(QDir::toNativeSeparators(file));
        }
        {
            const QMutexLocker locker(&shared->mutex);
            if (shared->generation != generation)
                return; // let go of already: so is the claim, as it goes
            shared->claim = claim;
        }
        if (!error.isEmpty())
            QMetaObject::invokeMethod(this, [this, file, error] { landed(changes_, {false, file, error}); },
                                      Qt::QueuedConnection);
    });
}

void RecoveryKeeper::adopt(std::shared_ptr<RecoveryClaim> claim)
{
    release(false);
    file_ = claim->file();
    const QMutexLocker locker(&shared_->mutex);
    shared_->claim = std::move(claim);
}

void RecoveryKeeper::discard()
{
    release(true);
}

void RecoveryKeeper::release(bool removeFile)
{
    timer_->stop();
    std::shared_ptr<RecoveryClaim> claim;
    if (!file_.isEmpty()) {
        const QMutexLocker locker(&shared_->mutex);
        ++shared_->latest;
        ++shared_->generation;
        if (removeFile)
            QFile::remove(file_);
        claim = std::move(shared_->claim);
    }
    // The lock goes after the file, so no editor sees the file unlocked.
    claim.reset();
    file_.clear();
    changes_ = asked_ = kept_ = 0;
    failureTold_ = false;
}

RecoverySnapshot RecoveryKeeper::take()
{
    RecoverySnapshot snapshot = snapshot_();
    snapshot.bankPath = bankPath_();
    snapshot.written = QDateTime::currentDateTimeUtc();
    asked_ = changes_;
    return snapshot;
}

void RecoveryKeeper::keepInBackground()
{
    if (file_.isEmpty() || undoStack_->isClean() || asked_ == changes_)
        return;
    quint64 write;
    {
        const QMutexLocker locker(&shared_->mutex);
        write = ++shared_->latest;
    }
    writer_.start([this, shared = shared_, write, change = changes_, path = file_, snapshot = take()] {
        const Outcome outcome = writeOut(*shared, write, path, snapshot);
        // The keeper waits for this worker before it goes, and a call
        // still queued for it goes with it.
        QMetaObject::invokeMethod(this, [this, change, outcome] { landed(change, outcome); }, Qt::QueuedConnection);
    });
}

void RecoveryKeeper::keepNow()
{
    if (file_.isEmpty() || undoStack_->isClean() || kept_ == changes_)
        return;
    timer_->stop();
    // The lock first, should it still be being taken.
    writer_.waitForDone();
    quint64 write;
    {
        const QMutexLocker locker(&shared_->mutex);
        write = ++shared_->latest;
    }
    const quint64 change = changes_;
    landed(change, writeOut(*shared_, write, file_, take()));
}

void RecoveryKeeper::landed(quint64 change, const Outcome &outcome)
{
    if (!outcome.error.isEmpty()) {
        // Told once until a write lands: the next ones would say the same.
        if (!failureTold_ && outcome.path == file_)
            emit failed(tr("Unsaved changes could not be kept for recovery in %1: %2.")
                            .arg(QDir::toNativeSeparators(outcome.path), outcome.error));
        failureTold_ = failureTold_ || outcome.path == file_;
        return;
    }
    // A write that gave way to a newer one, or to a removal, says nothing.
    if (!outcome.landed || outcome.path != file_)
        return;
    failureTold_ = false;
    kept_ = std::max(kept_, change);
    emit written(outcome.path);
}
