#pragma once

#include "editor/document/FileLock.h"

#include <QString>
#include <QStringList>

#include <memory>

// Where the recovery files live, how they are named, and which editor holds
// which: a file is named after its bank (or "untitled") and a hash of the
// bank's path, so an editor opening a bank finds its files by name alone,
// and each file has a lock beside it, held by the editor that keeps it for
// as long as its document has unsaved changes. Qt Core only.
namespace RecoveryFolder {

// The "recovery" folder in the user's local application data.
QString Path();
// Where the files go when that folder cannot take them (a full disk, an
// unwritable folder): a hidden folder in the user's home. Neither beside the
// bank, as a class folder is shared and an answer key must not land there,
// nor in the runtime folder, which goes when the session ends.
QString FallbackPath();
// Whether the file is in the fallback folder.
bool IsFallback(const QString &file);
// Makes the folder (Path() unless told), readable by the user alone; false,
// with the reason, when it cannot be made.
bool Make(QString *error = nullptr, const QString &folder = Path());
// A name no recovery file, and no lock, has yet in the folder, for the bank
// at this absolute path or, when it is empty, for an untitled bank.
QString NewFile(const QString &bankPath, const QString &folder = Path());
// The recovery files of both folders, most recently written first.
QStringList Files();
// The recovery files named for the bank at this absolute path.
QStringList FilesFor(const QString &bankPath);
// True when another running editor holds the bank with unsaved changes.
bool HeldElsewhere(const QString &bankPath);
// Removes the locks that editors which ended without writing their recovery
// file left behind.
void DropStaleLocks();
// The temporary files of recovery writes cut short (an editor killed while
// writing), held by no running editor: one complete and newer than the
// recovery file it was to replace takes that file's place, to be offered as
// it; the others go.
void SettleLeftovers();
// The name a recovery file too large to read is moved aside to: one the
// editor never reads.
QString SetAsideName(const QString &file);

} // namespace RecoveryFolder

// A recovery file this editor holds, with its lock, for as long as the claim
// lives. Dropping the claim leaves the file where it is.
class RecoveryClaim {
public:
    // Null when a running editor, this one included, holds the file, or when
    // the lock cannot be made: then `error` gives the system's reason (it is
    // left alone when the file is held). A lock left by an editor that is no
    // longer running is taken over.
    static std::unique_ptr<RecoveryClaim> Take(const QString &file, QString *error = nullptr);
    // Why a claim was not had, as Take() told it, for a message.
    static QString Refusal(const QString &file, const QString &error);
    ~RecoveryClaim();
    RecoveryClaim(const RecoveryClaim &) = delete;
    RecoveryClaim &operator=(const RecoveryClaim &) = delete;

    const QString &file() const { return file_; }

private:
    explicit RecoveryClaim(const QString &file);

    QString file_;
    FileLock lock_;
};
