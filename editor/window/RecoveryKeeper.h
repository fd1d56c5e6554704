#pragma once

#include "editor/document/RecoveryFile.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <vector>

class QTimer;
class QUndoStack;
class RecoveryClaim;

// Keeps a document with unsaved changes in a recovery file, so that a crash,
// a kill or the end of the session loses at most a few seconds of work: the
// file is written at most RecoveryKeeper::Interval() after the first change
// since the last write (typing on does not put it off), at once by
// keepNow(), and removed when the undo stack comes back to clean (a save, an
// undo to the saved state, a new or opened bank) or by discard(). The GUI
// thread only copies the lines (their bytes are shared, not copied); the
// text is made and written on a worker thread, and replaces the last file
// only once complete. While the document has unsaved changes the keeper
// holds the file's lock, taken on the worker too (it is synced to disk), so
// no other editor offers it. When the recovery folder cannot take the file,
// it moves to the fallback folder; while neither can, failed() says so.
class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    // The document's lines and tail as they stand.
    using Snapshot = std::function<RecoverySnapshot()>;
    // The bank's absolute path, or empty for an untitled bank.
    using BankPath = std::function<QString()>;

    // Delete the keeper before the undo stack: the stack's clear() as it
    // dies would read as a return to the saved state, and remove the file.
    RecoveryKeeper(QUndoStack *undoStack, Snapshot snapshot, BankPath bankPath, QObject *parent = nullptr);
    // Lets the worker finish, keeps the file and lets go of its lock: a
    // document dropped without a save or a discard can still be recovered.
    ~RecoveryKeeper() override;

    // 15 seconds, or KORVEDIT_RECOVERY_INTERVAL_MS when set, for tests.
    static int Interval();
    // Once asked to end (a log-out, kill, Ctrl-C in a terminal), every
    // keeper writes its file at once, on this thread, and the program ends
    // with 128 + the signal, asking nothing.
    static void EndOnTermination();

    // Writes the file now if the document has unsaved changes not yet kept.
    void keepNow();
    // Takes the document snapshot and hands the writing to the worker; the
    // interval's timer runs this.
    void keepInBackground();
    // The document's changes are thrown away: so is the file.
    void discard();
    // Keeps the document in a recovery file already on disk, whose changes
    // were just recovered; the claim holds its lock.
    void adopt(std::shared_ptr<RecoveryClaim> claim);
    // A reload is about to put another version in the document's place:
    // keeps the document as it stands in a recovery file of its own, saved
    // or not, until the author saves, undoes the reload or discards it.
    // False, with where and why, when neither recovery folder can take it.
    bool keepReplaced(QString *error);
    // Whether a version a reload replaced is kept.
    bool keepsReplaced() const { return !replaced_.empty(); }
    // The document was saved: the versions reloads replaced go.
    void saved();

    // The file this keeper writes, or empty while the document is clean.
    QString filePath() const;
    // True when the file on disk holds the document as it is now.
    bool isCurrent() const;

signals:
    // A write landed.
    void written(const QString &path);
    // No copy of the document's changes could be kept, in either recovery
    // folder: where and why, until a write lands.
    void failed(const QString &reason);

private:
    struct Shared;
    struct Outcome;

    void changed();
    void claim();
    void release(bool removeFile);
    // The document as it stands, with its bank and the time.
    RecoverySnapshot stamped() const;
    RecoverySnapshot take();
    void landed(quint64 change, const Outcome &outcome);
    // Writes the document to a new file in the fallback folder, kept there
    // from then on; false when that folder cannot take it either.
    bool moveToFallback();
    // Removes the versions replaced by reloads at undo index `step` or past it.
    void dropReplaced(int step);
    static Outcome writeOut(Shared &shared, quint64 write, const QString &path, const RecoverySnapshot &snapshot);

    QUndoStack *undoStack_;
    Snapshot snapshot_;
    BankPath bankPath_;
    QTimer *timer_;
    QThreadPool writer_;
    std::shared_ptr<Shared> shared_;
    // The file kept while the document has unsaved changes, named at the
    // first change; its lock is taken on the worker, before the first write.
    QString file_;
    // The document's changes are counted from then on: the count at the
    // latest write asked for, and at the one that landed.
    quint64 changes_ = 0;
    quint64 asked_ = 0;
    quint64 kept_ = 0;
    bool failureTold_ = false;
    // Why the fallback folder could not take the file either, or empty.
    QString fallbackError_;
    // The versions reloads replaced, each with the undo index of its reload.
    struct Replaced {
        int step;
        std::unique_ptr<RecoveryClaim> claim;
    };
    std::vector<Replaced> replaced_;
};
