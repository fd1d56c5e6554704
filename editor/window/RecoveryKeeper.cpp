#include "editor/window/RecoveryKeeper.h"

#include "editor/document/DirectWrite.h"
#include "editor/document/RecoveryFolder.h"
#include "editor/document/TerminationSignal.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QGuiApplication>
#include <QMutex>
#include <QSaveFile>
#include <QTimer>
#include <QUndoStack>

#include <utility>

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

namespace {

// Writes the snapshot beside the save file's target, readable by the user
// alone, to be renamed over it only once all is written: a crash mid-write
// leaves the last good file. Unbuffered, so that a full disk fails the write
// rather than a flush that commit() would ignore. Why it failed, or empty.
QString WriteSnapshot(QSaveFile &file, const RecoverySnapshot &snapshot)
{
    const QByteArray text = RecoveryFile::Written(snapshot);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return file.errorString();
    if (QString error = WriteAll(file, text); !error.isEmpty()) {
        file.cancelWriting();
        return error;
    }
    return {};
}

// A new recovery file in `folder` holding the snapshot, written at once and
// claimed; null, with `error` saying why, when the folder cannot take it.
std::unique_ptr<RecoveryClaim> WriteNew(const QString &folder, const RecoverySnapshot &snapshot, QString *error)
{
    if (!RecoveryFolder::Make(error, folder))
        return nullptr;
    const QString name = RecoveryFolder::NewFile(snapshot.bankPath, folder);
    QString why;
    std::unique_ptr<RecoveryClaim> claim = RecoveryClaim::Take(name, &why);
    if (!claim) {
        *error = RecoveryClaim::Refusal(name, why);
        return nullptr;
    }
    QSaveFile file(claim->file());
    *error = WriteSnapshot(file, snapshot);
    if (error->isEmpty() && !file.commit())
        *error = file.errorString();
    if (!error->isEmpty())
        return nullptr;
    return claim;
}

QString FolderOf(const QString &file)
{
    return QDir::toNativeSeparators(QFileInfo(file).absolutePath());
}

} // namespace

RecoveryKeeper::Outcome RecoveryKeeper::writeOut(Shared &shared, quint64 write, const QString &path,
                                                 const RecoverySnapshot &snapshot)
{
    QSaveFile file(path);
    if (const QString error = WriteSnapshot(file, snapshot); !error.isEmpty())
        return {false, path, error};
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
    // A reload undone, or the document replaced after the author chose so:
    // the version the reload replaced is the document's again, or discarded.
    dropReplaced(undoStack_->index() + 1);
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
            QString why;
            claim = RecoveryClaim::Take(file, &why);
            if (!claim)
                error = RecoveryClaim::Refusal(file, why);
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
    dropReplaced(0);
}

bool RecoveryKeeper::keepReplaced(QString *why)
{
    const RecoverySnapshot snapshot = stamped();
    QString error;
    QString fallbackError;
    std::unique_ptr<RecoveryClaim> claim = WriteNew(RecoveryFolder::Path(), snapshot, &error);
    if (!claim)
        claim = WriteNew(RecoveryFolder::FallbackPath(), snapshot, &fallbackError);
    if (!claim) {
        *why = tr("it could not be kept for recovery in %1 (%2), nor in %3 (%4)")
                   .arg(QDir::toNativeSeparators(RecoveryFolder::Path()), error,
                        QDir::toNativeSeparators(RecoveryFolder::FallbackPath()), fallbackError);
        return false;
    }
    // The reload is the next step on the stack.
    replaced_.push_back({undoStack_->index() + 1, std::move(claim)});
    return true;
}

void RecoveryKeeper::saved()
{
    dropReplaced(0);
}

void RecoveryKeeper::dropReplaced(int step)
{
    while (!replaced_.empty() && replaced_.back().step >= step) {
        QFile::remove(replaced_.back().claim->file());
        // The lock goes after the file, so no editor sees the file unlocked.
        replaced_.pop_back();
    }
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

RecoverySnapshot RecoveryKeeper::stamped() const
{
    RecoverySnapshot snapshot = snapshot_();
    snapshot.bankPath = bankPath_();
    snapshot.written = QDateTime::currentDateTimeUtc();
    return snapshot;
}

RecoverySnapshot RecoveryKeeper::take()
{
    asked_ = changes_;
    return stamped();
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
        if (outcome.path != file_ || moveToFallback())
            return;
        // Told once until a write lands: the next ones would say the same.
        if (!std::exchange(failureTold_, true)) {
            QString reason = tr("they could not be kept for recovery in %1 (%2)").arg(FolderOf(outcome.path), outcome.error);
            if (!fallbackError_.isEmpty())
                reason += tr(", nor in %1 (%2)").arg(QDir::toNativeSeparators(RecoveryFolder::FallbackPath()),
                                                     fallbackError_);
            emit failed(reason);
        }
        return;
    }
    // A write that gave way to a newer one, or to a removal, says nothing.
    if (!outcome.landed || outcome.path != file_)
        return;
    failureTold_ = false;
    kept_ = std::max(kept_, change);
    emit written(outcome.path);
}

bool RecoveryKeeper::moveToFallback()
{
    if (RecoveryFolder::IsFallback(file_))
        return false;
    // No write to the old file may land once the new one holds the changes.
    writer_.waitForDone();
    const quint64 change = changes_;
    std::unique_ptr<RecoveryClaim> claim = WriteNew(RecoveryFolder::FallbackPath(), take(), &fallbackError_);
    if (!claim)
        return false;
    release(true);
    file_ = claim->file();
    {
        const QMutexLocker locker(&shared_->mutex);
        shared_->claim = std::move(claim);
    }
    changes_ = asked_ = kept_ = change;
    fallbackError_.clear();
    emit written(file_);
    return true;
}
